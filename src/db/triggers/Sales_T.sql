-- Customer ledger lines. An invoice line (doc_type DO, numbered by its invoice's OrderID in
-- inv_no) bills q units of one delivery line (do_no, same item, same customer) at unit_price:
-- N = the line's amount, V = N at vat_rate per cent, G = N + V in the customer's currency, NL
-- and VL their local amounts at cur_rate. Dr the customer G (the invoice's open item), Cr the
-- category's sales account NL and the code's VAT control account VL; the delivery line's cost
-- is relieved for q, Dr cost of sales, Cr the account it was shipped through. Every leg is dated
-- the invoice's order date; the VAT record too. Credit notes, adjustments and receipts are posted
-- by their own documents' rules; until those exist such a line is refused rather than stored
-- without its postings.
-- The rules are read in order, each of the invoice, the customer and the delivery line looked up once.
CREATE TRIGGER Sales_T_guard BEFORE INSERT ON Sales_T BEGIN
  SELECT db_fail('Sales_T: only invoice lines can be posted yet') WHERE upper(NEW.doc_type) IS NOT 'DO';
  SELECT CASE
      WHEN w.Post_No IS NULL THEN db_fail('Sales_T: line without its invoice')
      WHEN o.customerid IS NOT NEW.customerid THEN db_fail('Sales_T: customer differs from the invoice''s') END
  FROM (SELECT 1) LEFT JOIN Write_Ctx_T w ON w.Post_Seq = 'ORD' AND w.Post_No = NEW.inv_no
  LEFT JOIN Orders o ON o.OrderID = w.Post_No;
  SELECT CASE
      WHEN NEW.Cur_Type IS NOT NULL AND NOT COALESCE(c.Cur_Type = NEW.Cur_Type, 0)
      THEN db_fail('Sales_T: currency differs from the customer''s')
      WHEN NEW.cur_rate IS NULL OR NEW.cur_rate <= 0 THEN db_fail('Sales_T: rate missing or not above 0')
      WHEN NEW.cur_rate <> 1 AND c.Forex = 0 THEN db_fail('Sales_T: a local customer''s rate must be 1') END
  FROM (SELECT 1) LEFT JOIN Customers c ON c.CustomerID = NEW.customerid;
  SELECT CASE
      WHEN t.Row_ID IS NULL OR t.customerid IS NOT NEW.customerid
      THEN db_fail('Sales_T: no such delivery line of the customer', (SELECT count(*) + 1 FROM Sales_T WHERE doc_type = 'DO' AND inv_no = NEW.inv_no),
                    NEW.Pdt_ID_VC, NEW.do_no)
      WHEN NEW.qty_to_bill <= 0
      THEN db_fail('Sales_T: quantity not above 0', (SELECT count(*) + 1 FROM Sales_T WHERE doc_type = 'DO' AND inv_no = NEW.inv_no),
                    NEW.Pdt_ID_VC, NEW.do_no)
      WHEN NEW.qty_to_bill > t.Open_Qty
      THEN db_fail('Sales_T: billed quantity exceeds delivered quantity', (SELECT count(*) + 1 FROM Sales_T WHERE doc_type = 'DO' AND inv_no = NEW.inv_no),
                    NEW.Pdt_ID_VC, NEW.do_no)
      WHEN NEW.unit_price < 0
      THEN db_fail('Sales_T: unit price negative', (SELECT count(*) + 1 FROM Sales_T WHERE doc_type = 'DO' AND inv_no = NEW.inv_no),
                    NEW.Pdt_ID_VC, NEW.do_no)
      WHEN NOT COALESCE(v.VAT_Code IS NOT NULL AND t.vat_code = NEW.vat_code
                        AND round(100 * t.vat_rate, 4) = round(NEW.vat_rate, 4), 0)
      THEN db_fail('Sales_T: VAT code or rate differs from the delivery line''s', (SELECT count(*) + 1 FROM Sales_T WHERE doc_type = 'DO' AND inv_no = NEW.inv_no),
                    NEW.Pdt_ID_VC, NEW.do_no) END
  FROM (SELECT 1)
  LEFT JOIN Temp_Stock_T t ON t.doc_type = 'DO' AND t.Doc_No_VC = NEW.do_no AND t.Pdt_ID_VC = NEW.Pdt_ID_VC
  LEFT JOIN VAT_T v ON v.VAT_Code = t.vat_code;
END;

CREATE TRIGGER Sales_T_post AFTER INSERT ON Sales_T WHEN upper(NEW.doc_type) = 'DO' BEGIN
  INSERT OR IGNORE INTO Touched_Doc_T VALUES ('ORD', NEW.inv_no, 'SI');
  -- The line's amounts, whole cents; what credit notes may take off it later.
  UPDATE Sales_T
  SET Rem_Qty = NEW.qty_to_bill, Rem_N = money_round(NEW.qty_to_bill * NEW.unit_price),
      Rem_V = money_pct(money_round(NEW.qty_to_bill * NEW.unit_price), NEW.vat_rate),
      Rem_NL = money_mul(money_round(NEW.qty_to_bill * NEW.unit_price), NEW.cur_rate),
      Rem_VL = money_mul(money_pct(money_round(NEW.qty_to_bill * NEW.unit_price), NEW.vat_rate), NEW.cur_rate),
      Post_Seq = 'ORD', Post_No = NEW.inv_no
  WHERE Row_ID = NEW.Row_ID;
  -- One row per leg, read in one pass over the line, its item, VAT code and delivery line: the
  -- customer's item (in both currencies), sales, VAT, and the cost relieved from the account
  -- the goods were shipped through into cost of sales. The legs' roles are walked as a list
  -- (json_each) rather than a table of values, which a trigger would build for every line.
  INSERT INTO Ledger_T (Post_Seq, Post_No, Doc_Kind, Src_Table, Src_Row, Leg, GL_ID, Amount_NU, date_dt, Descrip_VC,
                        Party_Kind, Party_ID, Inv_No, Cur_Type, Cur_Amount, Cur_Rate)
  SELECT 'ORD', NEW.inv_no, 'SI', 'Sales_T', NEW.Row_ID, g.Leg, g.GL_ID, g.Amount, w.Doc_Date, NEW.Descrip_VC,
         'C', NEW.customerid, NEW.inv_no, g.Cur_Type, g.Cur_Amount, g.Cur_Rate
  FROM Write_Ctx_T w,
       (SELECT x.value AS Leg,
               CASE x.value WHEN 'ITEM' THEN s.customerid WHEN 'SALES' THEN k.Sales_IN
                              WHEN 'VAT' THEN v.VAT_Control WHEN 'COS' THEN k.COS_IN ELSE t.Clear_GL END AS GL_ID,
               CASE x.value WHEN 'ITEM' THEN s.Rem_NL + s.Rem_VL WHEN 'SALES' THEN -s.Rem_NL
                              WHEN 'VAT' THEN -s.Rem_VL
                              ELSE CASE x.value WHEN 'COS' THEN 1 ELSE -1 END * CASE WHEN NEW.qty_to_bill = t.Open_Qty THEN t.Open_Value
                                                    ELSE money_prop(t.Open_Value, NEW.qty_to_bill, t.Open_Qty) END
               END AS Amount,
               CASE x.value WHEN 'ITEM' THEN COALESCE(s.Cur_Type, c.Cur_Type) END AS Cur_Type,
               CASE x.value WHEN 'ITEM' THEN s.Rem_N + s.Rem_V END AS Cur_Amount,
               CASE x.value WHEN 'ITEM' THEN s.cur_rate END AS Cur_Rate
        FROM Sales_T s, Customers c, Product_T p, Product_Category_T k, VAT_T v, Temp_Stock_T t
        CROSS JOIN json_each('["ITEM", "SALES", "VAT", "COS", "SHIP"]') x
        WHERE s.Row_ID = NEW.Row_ID AND c.CustomerID = s.customerid AND p.Pdt_ID_VC = s.Pdt_ID_VC
          AND k.Pdt_Category_VC = p.Pdt_Category_VC AND v.VAT_Code = s.vat_code
          AND t.doc_type = 'DO' AND t.Doc_No_VC = NEW.do_no AND t.Pdt_ID_VC = NEW.Pdt_ID_VC) g
  WHERE g.Amount <> 0 OR COALESCE(g.Cur_Amount, 0) <> 0;
  -- The delivery line loses what is billed and the cost just relieved.
  UPDATE Temp_Stock_T
  SET Open_Value = Open_Value - CASE WHEN NEW.qty_to_bill = Open_Qty THEN Open_Value
                                     ELSE money_prop(Open_Value, NEW.qty_to_bill, Open_Qty) END,
      Open_Qty = Open_Qty - NEW.qty_to_bill
  WHERE doc_type = 'DO' AND Doc_No_VC = NEW.do_no AND Pdt_ID_VC = NEW.Pdt_ID_VC;
  -- The VAT record of the sale, zero-rated lines included, at the invoice's order date.
  INSERT INTO VAT_Control (customerid, vat_ref, vat_code, vat_rate, vat_type, vat_status, Descrip_VC, Amount,
                           tran_date, Cur_Type, cur_rate, Post_Seq, Post_No, Src_Table, Src_Row)
  SELECT s.customerid, s.inv_no, s.vat_code, s.vat_rate, 'S', 0, s.Descrip_VC, -s.Rem_VL, w.Doc_Date,
         s.Cur_Type, s.cur_rate, 'ORD', s.inv_no, 'Sales_T', s.Row_ID
  FROM Sales_T s, Write_Ctx_T w WHERE s.Row_ID = NEW.Row_ID;
END;
