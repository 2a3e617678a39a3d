-- Stock movement lines. A goods received line (GRN, numbered by its note's DocID) brings stock in
-- at cost from a supplier: v = the line's value at the note's rate, debited to the item's stock
-- account and credited to its received-not-billed account; the line opens its own layer and stays
-- open for the purchase invoice (Open_Qty, Open_Value, Clear_GL). A delivery line (DO, numbered
-- by its order's OrderID) takes stock out to a customer at cost (FIFO by layer, AVEG at the
-- average): c is debited to the item's shipped-not-billed account and credited to its stock
-- account, and the line stays open for the sales invoice the same way.
CREATE TRIGGER Temp_Stock_T_guard BEFORE INSERT ON Temp_Stock_T WHEN upper(NEW.doc_type) = 'GRN' BEGIN
  -- A refusal names the line (its place in the document) first.
  SELECT db_fail('Temp_Stock_T: line without its document',
                 (SELECT count(*) FROM Temp_Stock_T WHERE doc_type = 'GRN' AND Doc_No_VC = NEW.Doc_No_VC) + 1)
    WHERE NOT EXISTS (
    SELECT 1 FROM Write_Ctx_T WHERE Post_Seq = 'DOC' AND Post_No = NEW.Doc_No_VC)
    OR NEW.Order_No IS NOT NEW.Doc_No_VC;
  SELECT db_fail('Temp_Stock_T: supplier differs from the document''s',
                 (SELECT count(*) FROM Temp_Stock_T WHERE doc_type = 'GRN' AND Doc_No_VC = NEW.Doc_No_VC) + 1)
    WHERE NOT EXISTS (
    SELECT 1 FROM Write_Ctx_T w JOIN Document_T d ON d.DocID = w.Post_No WHERE d.customerid IS NEW.customerid);
  SELECT db_fail('Temp_Stock_T: supplier unknown',
                 (SELECT count(*) FROM Temp_Stock_T WHERE doc_type = 'GRN' AND Doc_No_VC = NEW.Doc_No_VC) + 1)
    WHERE NOT EXISTS (SELECT 1 FROM Creditors WHERE CustomerID = NEW.customerid);
  SELECT db_fail('Temp_Stock_T: currency differs from the supplier''s',
                 (SELECT count(*) FROM Temp_Stock_T WHERE doc_type = 'GRN' AND Doc_No_VC = NEW.Doc_No_VC) + 1)
    WHERE NEW.Cur_Type IS NOT NULL
    AND NOT EXISTS (SELECT 1 FROM Creditors WHERE CustomerID = NEW.customerid AND Cur_Type = NEW.Cur_Type);
  SELECT db_fail('Temp_Stock_T: rate missing or not above 0',
                 (SELECT count(*) FROM Temp_Stock_T WHERE doc_type = 'GRN' AND Doc_No_VC = NEW.Doc_No_VC) + 1)
    WHERE NEW.cur_rate IS NULL OR NEW.cur_rate <= 0;
  SELECT db_fail('Temp_Stock_T: a local supplier''s rate must be 1',
                 (SELECT count(*) FROM Temp_Stock_T WHERE doc_type = 'GRN' AND Doc_No_VC = NEW.Doc_No_VC) + 1)
    WHERE NEW.cur_rate <> 1
    AND EXISTS (SELECT 1 FROM Creditors WHERE CustomerID = NEW.customerid AND Forex = 0);
  SELECT db_fail('Temp_Stock_T: unknown item',
                 (SELECT count(*) FROM Temp_Stock_T WHERE doc_type = 'GRN' AND Doc_No_VC = NEW.Doc_No_VC) + 1)
    WHERE NOT EXISTS (SELECT 1 FROM Product_T WHERE Pdt_ID_VC = NEW.Pdt_ID_VC);
  SELECT db_fail('Temp_Stock_T: unknown VAT code',
                 (SELECT count(*) FROM Temp_Stock_T WHERE doc_type = 'GRN' AND Doc_No_VC = NEW.Doc_No_VC) + 1)
    WHERE NEW.vat_code IS NOT NULL
    AND NOT EXISTS (SELECT 1 FROM VAT_T WHERE VAT_Code = NEW.vat_code);
  SELECT db_fail('Temp_Stock_T: quantity not above 0',
                 (SELECT count(*) FROM Temp_Stock_T WHERE doc_type = 'GRN' AND Doc_No_VC = NEW.Doc_No_VC) + 1)
    WHERE NEW.qty_nu <= 0;
  SELECT db_fail('Temp_Stock_T: unit cost missing or negative',
                 (SELECT count(*) FROM Temp_Stock_T WHERE doc_type = 'GRN' AND Doc_No_VC = NEW.Doc_No_VC) + 1)
    WHERE NEW.Unit_Price_TI IS NULL OR NEW.Unit_Price_TI < 0;
  -- Every line before is in one year: a line is held to the year of any one of them.
  SELECT db_fail('Temp_Stock_T: document spans two years',
                 (SELECT count(*) FROM Temp_Stock_T WHERE doc_type = 'GRN' AND Doc_No_VC = NEW.Doc_No_VC) + 1)
    WHERE (SELECT strftime('%Y', date_dt) FROM Temp_Stock_T WHERE doc_type = 'GRN' AND Doc_No_VC = NEW.Doc_No_VC
           LIMIT 1) <> strftime('%Y', NEW.date_dt);
END;

CREATE TRIGGER Temp_Stock_T_post AFTER INSERT ON Temp_Stock_T WHEN NEW.doc_type = 'GRN' BEGIN
  INSERT OR IGNORE INTO Touched_Doc_T VALUES ('DOC', NEW.Doc_No_VC, 'GRN');
  -- The line's local value, whole cents.
  UPDATE Temp_Stock_T
  SET Line_Value = money_mul(money_round(NEW.qty_nu * NEW.Unit_Price_TI), NEW.cur_rate),
      Open_Value = money_mul(money_round(NEW.qty_nu * NEW.Unit_Price_TI), NEW.cur_rate),
      Open_Qty = NEW.qty_nu,
      Clear_GL = (SELECT a.payable_IN FROM Product_T p
                  JOIN Product_AccountSet_T a ON a.Pdt_Acctset_VC = p.Pdt_Acctset_VC
                  WHERE p.Pdt_ID_VC = NEW.Pdt_ID_VC)
  WHERE Row_ID = NEW.Row_ID;
  INSERT INTO Ledger_T (Post_Seq, Post_No, Doc_Kind, Src_Table, Src_Row, Leg, GL_ID, Amount_NU, date_dt, Descrip_VC)
  SELECT 'DOC', NEW.Doc_No_VC, 'GRN', 'Temp_Stock_T', NEW.Row_ID, g.Leg, g.GL_ID, g.Amount, NEW.date_dt,
         NEW.Descrip_VC
  FROM (SELECT 'STOCK' AS Leg, a.Stock_IN AS GL_ID, t.Line_Value AS Amount
        FROM Temp_Stock_T t JOIN Product_T p ON p.Pdt_ID_VC = t.Pdt_ID_VC
        JOIN Product_AccountSet_T a ON a.Pdt_Acctset_VC = p.Pdt_Acctset_VC WHERE t.Row_ID = NEW.Row_ID
        UNION ALL
        SELECT 'GRNI', t.Clear_GL, -t.Line_Value FROM Temp_Stock_T t WHERE t.Row_ID = NEW.Row_ID) g
  WHERE g.Amount <> 0;
  -- A layer of its own: <DocID>/<n> for the n-th layer the note opens, and its move. Both are
  -- written from single rows of values, which need no work table.
  INSERT INTO Stock_Layer_T (Pdt_ID_VC, Layer_Ref, date_dt, Post_No, Qty_In, Qty_Left, Value_In, Value_Left)
  VALUES (NEW.Pdt_ID_VC,
          CASE WHEN length(NEW.Doc_No_VC || '/' || (1 + (SELECT COUNT(*) FROM Stock_Layer_T
                                                         WHERE Post_No = NEW.Doc_No_VC))) <= 10
               THEN NEW.Doc_No_VC || '/' || (1 + (SELECT COUNT(*) FROM Stock_Layer_T WHERE Post_No = NEW.Doc_No_VC))
               ELSE 'L' || (COALESCE((SELECT seq FROM sqlite_sequence WHERE name = 'Stock_Layer_T'), 0) + 1) END,
          NEW.date_dt, NEW.Doc_No_VC, NEW.qty_nu, NEW.qty_nu,
          (SELECT Line_Value FROM Temp_Stock_T WHERE Row_ID = NEW.Row_ID),
          (SELECT CASE a.cost_method_VC WHEN 'FIFO' THEN t.Line_Value END
           FROM Temp_Stock_T t JOIN Product_T p ON p.Pdt_ID_VC = t.Pdt_ID_VC
           JOIN Product_AccountSet_T a ON a.Pdt_Acctset_VC = p.Pdt_Acctset_VC WHERE t.Row_ID = NEW.Row_ID));
  INSERT INTO Stock_Move_T (Pdt_ID_VC, date_dt, Doc_Type, Post_Seq, Post_No, Src_Table, Src_Row, LayerID,
                            Qty, Value, Cur_Type, cur_rate, Descrip_VC)
  VALUES (NEW.Pdt_ID_VC, NEW.date_dt, 'GRN', 'DOC', NEW.Doc_No_VC, 'Temp_Stock_T', NEW.Row_ID,
          (SELECT MAX(LayerID) FROM Stock_Layer_T), NEW.qty_nu,
          (SELECT Line_Value FROM Temp_Stock_T WHERE Row_ID = NEW.Row_ID), NEW.Cur_Type, NEW.cur_rate,
          NEW.Descrip_VC);
  UPDATE Stock_Item_T
  SET Qty_On_Hand = Qty_On_Hand + NEW.qty_nu,
      Value_On_Hand = Value_On_Hand + (SELECT Line_Value FROM Temp_Stock_T WHERE Row_ID = NEW.Row_ID)
  WHERE Pdt_ID_VC = NEW.Pdt_ID_VC;
END;

CREATE TRIGGER Temp_Stock_T_guard_DO BEFORE INSERT ON Temp_Stock_T WHEN upper(NEW.doc_type) = 'DO' BEGIN
  -- A refusal names the line (its place in the order) first. The rules are read in order, the
  -- order looked up once for all of them.
  SELECT CASE
      WHEN w.Post_No IS NULL OR NEW.Order_No IS NOT NEW.Doc_No_VC
      THEN db_fail('Temp_Stock_T: delivery line without its order', (SELECT count(*) FROM Temp_Stock_T WHERE doc_type = 'DO' AND Doc_No_VC = NEW.Doc_No_VC) + 1)
      WHEN o.customerid IS NOT NEW.customerid
      THEN db_fail('Temp_Stock_T: customer differs from the order''s', (SELECT count(*) FROM Temp_Stock_T WHERE doc_type = 'DO' AND Doc_No_VC = NEW.Doc_No_VC) + 1)
      WHEN NOT EXISTS (SELECT 1 FROM Product_T WHERE Pdt_ID_VC = NEW.Pdt_ID_VC)
      THEN db_fail('Temp_Stock_T: unknown item', (SELECT count(*) FROM Temp_Stock_T WHERE doc_type = 'DO' AND Doc_No_VC = NEW.Doc_No_VC) + 1)
      WHEN NEW.vat_code IS NOT NULL AND NOT EXISTS (SELECT 1 FROM VAT_T WHERE VAT_Code = NEW.vat_code)
      THEN db_fail('Temp_Stock_T: unknown VAT code', (SELECT count(*) FROM Temp_Stock_T WHERE doc_type = 'DO' AND Doc_No_VC = NEW.Doc_No_VC) + 1)
      WHEN NEW.qty_nu <= 0
      THEN db_fail('Temp_Stock_T: quantity not above 0', (SELECT count(*) FROM Temp_Stock_T WHERE doc_type = 'DO' AND Doc_No_VC = NEW.Doc_No_VC) + 1)
      WHEN NEW.Sell_Price IS NULL OR NEW.Sell_Price < 0
      THEN db_fail('Temp_Stock_T: selling price missing or negative', (SELECT count(*) FROM Temp_Stock_T WHERE doc_type = 'DO' AND Doc_No_VC = NEW.Doc_No_VC) + 1, NEW.Pdt_ID_VC)
      WHEN NEW.qty_nu > COALESCE((SELECT Qty_On_Hand FROM Stock_Item_T WHERE Pdt_ID_VC = NEW.Pdt_ID_VC), 0)
      THEN db_fail('Temp_Stock_T: delivery exceeds stock on hand', (SELECT count(*) FROM Temp_Stock_T WHERE doc_type = 'DO' AND Doc_No_VC = NEW.Doc_No_VC) + 1, NEW.Pdt_ID_VC)
      -- Every line before is in one year: a line is held to the year of any one of them.
      WHEN (SELECT strftime('%Y', date_dt) FROM Temp_Stock_T WHERE doc_type = 'DO' AND Doc_No_VC = NEW.Doc_No_VC
            LIMIT 1) <> strftime('%Y', NEW.date_dt)
      THEN db_fail('Temp_Stock_T: document spans two years', (SELECT count(*) FROM Temp_Stock_T WHERE doc_type = 'DO' AND Doc_No_VC = NEW.Doc_No_VC) + 1) END
  FROM (SELECT 1) LEFT JOIN Write_Ctx_T w ON w.Post_Seq = 'ORD' AND w.Post_No = NEW.Doc_No_VC
  LEFT JOIN Orders o ON o.OrderID = w.Post_No;
END;

CREATE TRIGGER Temp_Stock_T_post_DO AFTER INSERT ON Temp_Stock_T WHEN upper(NEW.doc_type) = 'DO' BEGIN
  INSERT OR IGNORE INTO Touched_Doc_T VALUES ('ORD', NEW.Doc_No_VC, 'DO');
  INSERT INTO Stock_Issue_V (Pdt_ID_VC, Qty, LayerID, date_dt, Doc_Type, Post_Seq, Post_No, Src_Table, Src_Row,
                             Descrip_VC, Line_No, Cost_Method)
  VALUES (NEW.Pdt_ID_VC, NEW.qty_nu, NULL, NEW.date_dt, 'DO', 'ORD', NEW.Doc_No_VC, 'Temp_Stock_T', NEW.Row_ID,
          NEW.Descrip_VC,
          (SELECT count(*) FROM Temp_Stock_T WHERE doc_type = 'DO' AND Doc_No_VC = NEW.Doc_No_VC
             AND Row_ID <= NEW.Row_ID),
          (SELECT a.cost_method_VC FROM Product_T p
           JOIN Product_AccountSet_T a ON a.Pdt_Acctset_VC = p.Pdt_Acctset_VC WHERE p.Pdt_ID_VC = NEW.Pdt_ID_VC));
  -- The issue cost, open until the sales invoice bills the line.
  -- (A plain update by the line's key: an update from a derived table would need a work table.)
  UPDATE Temp_Stock_T
  SET (Line_Value, Open_Value) = (SELECT -COALESCE(SUM(Value), 0), -COALESCE(SUM(Value), 0) FROM Stock_Move_T
                                  WHERE Src_Table = 'Temp_Stock_T' AND Src_Row = NEW.Row_ID),
      Open_Qty = NEW.qty_nu,
      Clear_GL = (SELECT a.shipment_IN FROM Product_T p
                  JOIN Product_AccountSet_T a ON a.Pdt_Acctset_VC = p.Pdt_Acctset_VC
                  WHERE p.Pdt_ID_VC = NEW.Pdt_ID_VC)
  WHERE Row_ID = NEW.Row_ID;
  INSERT INTO Ledger_T (Post_Seq, Post_No, Doc_Kind, Src_Table, Src_Row, Leg, GL_ID, Amount_NU, date_dt, Descrip_VC)
  SELECT 'ORD', NEW.Doc_No_VC, 'DO', 'Temp_Stock_T', NEW.Row_ID, g.Leg, g.GL_ID, g.Amount, NEW.date_dt,
         NEW.Descrip_VC
  FROM (SELECT 'SHIP' AS Leg, t.Clear_GL AS GL_ID, t.Line_Value AS Amount FROM Temp_Stock_T t
        WHERE t.Row_ID = NEW.Row_ID
        UNION ALL
        SELECT 'STOCK', a.Stock_IN, -t.Line_Value
        FROM Temp_Stock_T t JOIN Product_T p ON p.Pdt_ID_VC = t.Pdt_ID_VC
        JOIN Product_AccountSet_T a ON a.Pdt_Acctset_VC = p.Pdt_Acctset_VC WHERE t.Row_ID = NEW.Row_ID) g
  WHERE g.Amount <> 0;
END;
