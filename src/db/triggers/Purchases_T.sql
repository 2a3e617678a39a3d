-- Supplier ledger lines. A purchase invoice line (doc_type GRN) bills one goods received line of
-- its supplier under the supplier's own invoice number, numbered by the invoice's DocID from the
-- write's context. N = money_round(qty x price), V = money_pct(N, vat_rate), G = N + V in the
-- supplier's currency; NL, VL at the line's rate. The supplier is credited NL + VL as the open item
-- (supplier, inv_no), the VAT control account of the code debited VL with a purchase VAT record,
-- and the received line relieved of its value r for the quantity billed, back out of its received-
-- not-billed account; what NL differs from r (another price or rate) goes to the category's cost of
-- sales, so the received-not-billed account reaches exactly zero once everything is billed. Credit
-- notes, adjustments and payments have rules of their own to come; until then their lines are
-- refused rather than stored without postings.
CREATE TRIGGER Purchases_T_guard BEFORE INSERT ON Purchases_T BEGIN
  -- A refusal of one line names it: its place on the invoice, its item and goods received note.
  -- The rules are read in order, the document, the supplier and the received line each looked up once.
  SELECT db_fail('Purchases_T: only invoice lines can be posted yet') WHERE upper(NEW.doc_type) IS NOT 'GRN';
  SELECT CASE
      WHEN w.Post_No IS NULL THEN db_fail('Purchases_T: line without its document')
      WHEN d.customerid IS NOT NEW.customerid OR d.inv_no IS NOT NEW.inv_no
      THEN db_fail('Purchases_T: supplier or invoice number differs from the document''s') END
  FROM (SELECT 1) LEFT JOIN Write_Ctx_T w ON w.Post_Seq = 'DOC' LEFT JOIN Document_T d ON d.DocID = w.Post_No;
  -- The supplier's invoice number is new for the supplier: the first invoice line and the first
  -- open-item leg found under it belong to this posting, if to any. Until an invoice's first line
  -- passes, whatever carries the number is another posting's; after it, all is the invoice's own,
  -- so one row of each tells, however many lines the invoice has.
  SELECT CASE
      WHEN c.CustomerID IS NULL THEN db_fail('Purchases_T: supplier unknown')
      WHEN (SELECT p.Post_No FROM Purchases_T p WHERE p.doc_type = 'GRN' AND p.customerid = NEW.customerid
              AND p.inv_no = NEW.inv_no LIMIT 1) <> (SELECT Post_No FROM Write_Ctx_T)
        OR EXISTS (SELECT 1 FROM Ledger_T l, Write_Ctx_T w
                   WHERE l.Entry_ID = (SELECT Entry_ID FROM Ledger_T WHERE Party_Kind = 'S' AND Party_ID = NEW.customerid
                                         AND Inv_No = NEW.inv_no AND Leg IN ('ITEM','SETTLE') AND Leg = 'ITEM' LIMIT 1)
                     AND NOT (l.Post_Seq = 'DOC' AND l.Post_No = w.Post_No))
      THEN db_fail('Purchases_T: supplier invoice number already used', NEW.inv_no)
      WHEN NEW.Cur_Type IS NOT NULL AND NOT COALESCE(c.Cur_Type = NEW.Cur_Type, 0)
      THEN db_fail('Purchases_T: currency differs from the supplier''s', (SELECT count(*) + 1 FROM Purchases_T p JOIN Write_Ctx_T w ON w.Post_No = p.Post_No
                    WHERE p.doc_type = 'GRN' AND p.customerid = NEW.customerid AND p.inv_no = NEW.inv_no),
                   NEW.Pdt_ID_VC, NEW.do_no)
      WHEN NEW.cur_rate IS NULL OR NEW.cur_rate <= 0
      THEN db_fail('Purchases_T: rate missing or not above 0', (SELECT count(*) + 1 FROM Purchases_T p JOIN Write_Ctx_T w ON w.Post_No = p.Post_No
                    WHERE p.doc_type = 'GRN' AND p.customerid = NEW.customerid AND p.inv_no = NEW.inv_no),
                   NEW.Pdt_ID_VC, NEW.do_no)
      WHEN NEW.cur_rate <> 1 AND c.Forex = 0
      THEN db_fail('Purchases_T: a local supplier''s rate must be 1', (SELECT count(*) + 1 FROM Purchases_T p JOIN Write_Ctx_T w ON w.Post_No = p.Post_No
                    WHERE p.doc_type = 'GRN' AND p.customerid = NEW.customerid AND p.inv_no = NEW.inv_no),
                   NEW.Pdt_ID_VC, NEW.do_no)
      WHEN NOT EXISTS (SELECT 1 FROM Product_T WHERE Pdt_ID_VC = NEW.Pdt_ID_VC)
      THEN db_fail('Purchases_T: unknown item', (SELECT count(*) + 1 FROM Purchases_T p JOIN Write_Ctx_T w ON w.Post_No = p.Post_No
                    WHERE p.doc_type = 'GRN' AND p.customerid = NEW.customerid AND p.inv_no = NEW.inv_no),
                   NEW.Pdt_ID_VC, NEW.do_no)
      WHEN NOT EXISTS (SELECT 1 FROM VAT_T WHERE VAT_Code = NEW.vat_code)
      THEN db_fail('Purchases_T: unknown VAT code', (SELECT count(*) + 1 FROM Purchases_T p JOIN Write_Ctx_T w ON w.Post_No = p.Post_No
                    WHERE p.doc_type = 'GRN' AND p.customerid = NEW.customerid AND p.inv_no = NEW.inv_no),
                   NEW.Pdt_ID_VC, NEW.do_no)
      WHEN NEW.vat_rate IS NULL OR NEW.vat_rate < 0 OR NEW.vat_rate > 100
      THEN db_fail('Purchases_T: VAT rate missing or outside 0 to 100', (SELECT count(*) + 1 FROM Purchases_T p JOIN Write_Ctx_T w ON w.Post_No = p.Post_No
                    WHERE p.doc_type = 'GRN' AND p.customerid = NEW.customerid AND p.inv_no = NEW.inv_no),
                   NEW.Pdt_ID_VC, NEW.do_no)
      WHEN NEW.qty_to_bill <= 0
      THEN db_fail('Purchases_T: quantity not above 0', (SELECT count(*) + 1 FROM Purchases_T p JOIN Write_Ctx_T w ON w.Post_No = p.Post_No
                    WHERE p.doc_type = 'GRN' AND p.customerid = NEW.customerid AND p.inv_no = NEW.inv_no),
                   NEW.Pdt_ID_VC, NEW.do_no)
      WHEN NEW.unit_price < 0
      THEN db_fail('Purchases_T: unit price negative', (SELECT count(*) + 1 FROM Purchases_T p JOIN Write_Ctx_T w ON w.Post_No = p.Post_No
                    WHERE p.doc_type = 'GRN' AND p.customerid = NEW.customerid AND p.inv_no = NEW.inv_no),
                   NEW.Pdt_ID_VC, NEW.do_no) END
  FROM (SELECT 1) LEFT JOIN Creditors c ON c.CustomerID = NEW.customerid;
  SELECT CASE
      WHEN b.Row_ID IS NULL OR b.customerid IS NOT NEW.customerid
      THEN db_fail('Purchases_T: no such goods received line of the supplier', (SELECT count(*) + 1 FROM Purchases_T p JOIN Write_Ctx_T w ON w.Post_No = p.Post_No
                    WHERE p.doc_type = 'GRN' AND p.customerid = NEW.customerid AND p.inv_no = NEW.inv_no),
                   NEW.Pdt_ID_VC, NEW.do_no)
      WHEN EXISTS (SELECT 1 FROM Purchases_T p, Write_Ctx_T w
                   WHERE p.doc_type = 'GRN' AND p.customerid = NEW.customerid AND p.inv_no = NEW.inv_no
                     AND p.do_no = NEW.do_no AND p.Pdt_ID_VC = NEW.Pdt_ID_VC AND p.Post_No = w.Post_No)
      THEN db_fail('Purchases_T: goods received line billed twice on the invoice', (SELECT count(*) + 1 FROM Purchases_T p JOIN Write_Ctx_T w ON w.Post_No = p.Post_No
                    WHERE p.doc_type = 'GRN' AND p.customerid = NEW.customerid AND p.inv_no = NEW.inv_no),
                   NEW.Pdt_ID_VC, NEW.do_no)
      WHEN NEW.qty_to_bill > b.Open_Qty
      THEN db_fail('Purchases_T: quantity above what is not yet billed', (SELECT count(*) + 1 FROM Purchases_T p JOIN Write_Ctx_T w ON w.Post_No = p.Post_No
                    WHERE p.doc_type = 'GRN' AND p.customerid = NEW.customerid AND p.inv_no = NEW.inv_no),
                   NEW.Pdt_ID_VC, NEW.do_no) END
  FROM (SELECT 1)
  LEFT JOIN Temp_Stock_T b ON b.doc_type = 'GRN' AND b.Doc_No_VC = NEW.do_no AND b.Pdt_ID_VC = NEW.Pdt_ID_VC;
END;

CREATE TRIGGER Purchases_T_post AFTER INSERT ON Purchases_T WHEN upper(NEW.doc_type) = 'GRN' BEGIN
  INSERT OR IGNORE INTO Touched_Doc_T SELECT 'DOC', Post_No, 'PI' FROM Write_Ctx_T;
  -- The line's number and amounts, whole cents at the line; what credit notes may still take.
  UPDATE Purchases_T
  SET Post_No = (SELECT Post_No FROM Write_Ctx_T),
      Rem_Qty = NEW.qty_to_bill,
      Rem_N = money_round(NEW.qty_to_bill * NEW.unit_price),
      Rem_V = money_pct(money_round(NEW.qty_to_bill * NEW.unit_price), NEW.vat_rate),
      Rem_NL = money_mul(money_round(NEW.qty_to_bill * NEW.unit_price), NEW.cur_rate),
      Rem_VL = money_mul(money_pct(money_round(NEW.qty_to_bill * NEW.unit_price), NEW.vat_rate), NEW.cur_rate)
  WHERE Row_ID = NEW.Row_ID;
  -- The legs, from one row of the line's amounts, accounts and relief (each looked up once), their
  -- roles walked as a list rather than a table of values built for every line.
  INSERT INTO Ledger_T (Post_Seq, Post_No, Doc_Kind, Src_Table, Src_Row, Leg, GL_ID, Amount_NU, date_dt, Descrip_VC,
                        Party_Kind, Party_ID, Inv_No, Cur_Type, Cur_Amount, Cur_Rate)
  SELECT 'DOC', x.Post_No, 'PI', 'Purchases_T', NEW.Row_ID, g.value,
         CASE g.value WHEN 'ITEM' THEN NEW.customerid WHEN 'VAT' THEN x.Vat_GL WHEN 'GRNI' THEN x.Clear_GL
                        ELSE x.COS_IN END,
         CASE g.value WHEN 'ITEM' THEN -(x.NL + x.VL) WHEN 'VAT' THEN x.VL WHEN 'GRNI' THEN x.r
                        ELSE x.NL - x.r END AS Amount,
         NEW.date_dt, NEW.Descrip_VC, 'S', NEW.customerid, NEW.inv_no,
         CASE g.value WHEN 'ITEM' THEN x.Party_Cur END,
         CASE g.value WHEN 'ITEM' THEN -(x.N + x.V) END AS Cur_Amount,
         CASE g.value WHEN 'ITEM' THEN NEW.cur_rate END
  FROM (SELECT p.Post_No, p.Rem_N AS N, p.Rem_V AS V, p.Rem_NL AS NL, p.Rem_VL AS VL,
               (SELECT Cur_Type FROM Creditors WHERE CustomerID = NEW.customerid) AS Party_Cur,
               (SELECT VAT_Control FROM VAT_T WHERE VAT_Code = NEW.vat_code) AS Vat_GL,
               (SELECT k.COS_IN FROM Product_T i JOIN Product_Category_T k ON k.Pdt_Category_VC = i.Pdt_Category_VC
                WHERE i.Pdt_ID_VC = NEW.Pdt_ID_VC) AS COS_IN,
               b.Clear_GL,
               CASE WHEN NEW.qty_to_bill = b.Open_Qty THEN b.Open_Value
                    ELSE money_prop(b.Open_Value, NEW.qty_to_bill, b.Open_Qty) END AS r
        FROM Purchases_T p, Temp_Stock_T b
        WHERE p.Row_ID = NEW.Row_ID
          AND b.doc_type = 'GRN' AND b.Doc_No_VC = NEW.do_no AND b.Pdt_ID_VC = NEW.Pdt_ID_VC) x
  JOIN json_each('["ITEM", "VAT", "GRNI", "COS"]') g
  WHERE Amount <> 0 OR COALESCE(Cur_Amount, 0) <> 0;
  -- One purchase VAT record per line, zero-rated lines included.
  INSERT INTO VAT_Control (customerid, vat_ref, vat_code, vat_rate, vat_type, vat_status, Descrip_VC, Amount,
                           tran_date, Cur_Type, cur_rate, Post_Seq, Post_No, Src_Table, Src_Row)
  SELECT p.customerid, p.inv_no, p.vat_code, p.vat_rate, 'P', 0, p.Descrip_VC, p.Rem_VL, p.date_dt, c.Cur_Type,
         p.cur_rate, 'DOC', p.Post_No, 'Purchases_T', p.Row_ID
  FROM Purchases_T p JOIN Creditors c ON c.CustomerID = p.customerid WHERE p.Row_ID = NEW.Row_ID;
  -- The received line gives up the quantity billed and its share of the value; the last unit
  -- takes what is left.
  UPDATE Temp_Stock_T
  SET Open_Value = Open_Value - CASE WHEN NEW.qty_to_bill = Open_Qty THEN Open_Value
                                     ELSE money_prop(Open_Value, NEW.qty_to_bill, Open_Qty) END,
      Open_Qty = Open_Qty - NEW.qty_to_bill
  WHERE doc_type = 'GRN' AND Doc_No_VC = NEW.do_no AND Pdt_ID_VC = NEW.Pdt_ID_VC;
END;
