-- Stock adjustment lines: each sets one stock row of an item (a layer named by its Layer_Ref, or
-- the item's N<Row_ID> row, which holds nothing) to the quantity counted. q = qty_nu - what the
-- row holds now. Counting up (q > 0) brings q units in at the line's price as a new layer: Dr
-- stock, Cr the line's account. Counting down (q < 0) issues -q from that row at cost, FIFO the
-- layer's own, AVEG the item's average: Dr the line's account, Cr stock. A line posted as offered
-- (q = 0) changes nothing.
CREATE TRIGGER Stock_Adj_T_guard BEFORE INSERT ON Stock_Adj_T BEGIN
  -- A refusal names the line (its place in the journal) first, and the account where it is about one.
  SELECT db_fail('Stock_Adj_T: line without its document',
                 (SELECT count(*) FROM Stock_Adj_T WHERE DocID = NEW.DocID) + 1)
    WHERE NOT EXISTS (
    SELECT 1 FROM Write_Ctx_T WHERE Post_Seq = 'DOC' AND Post_No = NEW.DocID);
  SELECT db_fail('Stock_Adj_T: date differs from the document''s',
                 (SELECT count(*) FROM Stock_Adj_T WHERE DocID = NEW.DocID) + 1)
    WHERE NOT EXISTS (
    SELECT 1 FROM Write_Ctx_T WHERE Doc_Date IS NEW.date_dt);
  SELECT db_fail('Stock_Adj_T: unknown item',
                 (SELECT count(*) FROM Stock_Adj_T WHERE DocID = NEW.DocID) + 1)
    WHERE NOT EXISTS (SELECT 1 FROM Product_T WHERE Pdt_ID_VC = NEW.Pdt_ID_VC);
  SELECT db_fail('Stock_Adj_T: unknown or inactive account',
                 (SELECT count(*) FROM Stock_Adj_T WHERE DocID = NEW.DocID) + 1, NEW.GL_ID)
    WHERE NOT EXISTS (SELECT 1 FROM COA_T WHERE GL_ID = NEW.GL_ID AND Status_bt = 1);
  SELECT db_fail('Stock_Adj_T: sub-ledger account',
                 (SELECT count(*) FROM Stock_Adj_T WHERE DocID = NEW.DocID) + 1, NEW.GL_ID)
    WHERE EXISTS (SELECT 1 FROM v_Account_Role WHERE GL_ID = NEW.GL_ID AND Role <> 'RE');
  SELECT db_fail('Stock_Adj_T: stock account is not the item''s',
                 (SELECT count(*) FROM Stock_Adj_T WHERE DocID = NEW.DocID) + 1)
    WHERE NOT EXISTS (
    SELECT 1 FROM Product_T p JOIN Product_AccountSet_T a ON a.Pdt_Acctset_VC = p.Pdt_Acctset_VC
    WHERE p.Pdt_ID_VC = NEW.Pdt_ID_VC AND a.Stock_IN = NEW.Stock_IN);
  SELECT db_fail('Stock_Adj_T: counted quantity negative',
                 (SELECT count(*) FROM Stock_Adj_T WHERE DocID = NEW.DocID) + 1)
    WHERE NEW.qty_nu IS NULL OR NEW.qty_nu < 0;
  SELECT db_fail('Stock_Adj_T: no such stock row of the item',
                 (SELECT count(*) FROM Stock_Adj_T WHERE DocID = NEW.DocID) + 1)
    WHERE NOT EXISTS (
    SELECT 1 FROM Stock_Layer_T WHERE Layer_Ref = NEW.Doc_ID AND Pdt_ID_VC = NEW.Pdt_ID_VC)
    AND NOT EXISTS (SELECT 1 FROM Product_T WHERE Pdt_ID_VC = NEW.Pdt_ID_VC AND 'N' || Row_ID = NEW.Doc_ID);
  SELECT db_fail('Stock_Adj_T: stock row on two lines',
                 (SELECT count(*) FROM Stock_Adj_T WHERE DocID = NEW.DocID) + 1)
    WHERE EXISTS (
    SELECT 1 FROM Stock_Adj_T WHERE DocID = NEW.DocID AND Doc_ID = NEW.Doc_ID);
  SELECT db_fail('Stock_Adj_T: count raised at a missing or negative price',
                 (SELECT count(*) FROM Stock_Adj_T WHERE DocID = NEW.DocID) + 1)
    WHERE (NEW.Unit_Price_TI IS NULL OR NEW.Unit_Price_TI < 0)
      AND NEW.qty_nu > COALESCE((SELECT Qty_Left FROM Stock_Layer_T WHERE Layer_Ref = NEW.Doc_ID), 0);
END;

CREATE TRIGGER Stock_Adj_T_post AFTER INSERT ON Stock_Adj_T BEGIN
  INSERT OR IGNORE INTO Touched_Doc_T VALUES ('DOC', NEW.DocID, 'STK');
END;

-- A line counted down or up does only its own work: a line that changes nothing fires neither.
CREATE TRIGGER Stock_Adj_T_down AFTER INSERT ON Stock_Adj_T
WHEN NEW.qty_nu < COALESCE((SELECT Qty_Left FROM Stock_Layer_T WHERE Layer_Ref = NEW.Doc_ID), 0) BEGIN
  -- Counted down: the stock row gives the difference at cost.
  INSERT INTO Stock_Issue_V (Pdt_ID_VC, Qty, LayerID, date_dt, Doc_Type, Post_Seq, Post_No, Src_Table, Src_Row,
                             Descrip_VC, Line_No)
  SELECT NEW.Pdt_ID_VC, Qty_Left - NEW.qty_nu, LayerID, NEW.date_dt, 'ADJ', 'DOC', NEW.DocID, 'Stock_Adj_T',
         NEW.Row_ID, NEW.Descrip_VC, (SELECT count(*) FROM Stock_Adj_T WHERE DocID = NEW.DocID AND Row_ID <= NEW.Row_ID)
  FROM Stock_Layer_T WHERE Layer_Ref = NEW.Doc_ID AND Qty_Left > NEW.qty_nu;
  -- @use Stock_Adj_Legs
END;

CREATE TRIGGER Stock_Adj_T_up AFTER INSERT ON Stock_Adj_T
WHEN NEW.qty_nu > COALESCE((SELECT Qty_Left FROM Stock_Layer_T WHERE Layer_Ref = NEW.Doc_ID), 0) BEGIN
  -- Counted up: a new layer at the line's price.
  INSERT INTO Stock_Layer_T (Pdt_ID_VC, Layer_Ref, date_dt, Post_No, Qty_In, Qty_Left, Value_In, Value_Left)
  SELECT NEW.Pdt_ID_VC,
         CASE WHEN length(r.Ref) <= 10 THEN r.Ref
              ELSE 'L' || (COALESCE((SELECT seq FROM sqlite_sequence WHERE name = 'Stock_Layer_T'), 0) + 1) END,
         NEW.date_dt, NEW.DocID, u.q, u.q, u.v, CASE a.cost_method_VC WHEN 'FIFO' THEN u.v END
  FROM (SELECT NEW.qty_nu - COALESCE((SELECT Qty_Left FROM Stock_Layer_T WHERE Layer_Ref = NEW.Doc_ID), 0) AS q,
               money_round((NEW.qty_nu - COALESCE((SELECT Qty_Left FROM Stock_Layer_T WHERE Layer_Ref = NEW.Doc_ID), 0))
                           * NEW.Unit_Price_TI) AS v) u
  JOIN (SELECT NEW.DocID || '/' || (1 + (SELECT COUNT(*) FROM Stock_Layer_T WHERE Post_No = NEW.DocID)) AS Ref) r
  JOIN Product_T p ON p.Pdt_ID_VC = NEW.Pdt_ID_VC
  JOIN Product_AccountSet_T a ON a.Pdt_Acctset_VC = p.Pdt_Acctset_VC
  WHERE u.q > 0;
  INSERT INTO Stock_Move_T (Pdt_ID_VC, date_dt, Doc_Type, Post_Seq, Post_No, Src_Table, Src_Row, LayerID,
                            Qty, Value, Descrip_VC)
  SELECT NEW.Pdt_ID_VC, NEW.date_dt, 'ADJ', 'DOC', NEW.DocID, 'Stock_Adj_T', NEW.Row_ID, l.LayerID,
         l.Qty_In, l.Value_In, NEW.Descrip_VC
  FROM Stock_Layer_T l
  WHERE l.LayerID = (SELECT MAX(LayerID) FROM Stock_Layer_T) AND l.Post_No = NEW.DocID
    AND l.Pdt_ID_VC = NEW.Pdt_ID_VC
    AND NEW.qty_nu > COALESCE((SELECT Qty_Left FROM Stock_Layer_T WHERE Layer_Ref = NEW.Doc_ID), 0);
  UPDATE Stock_Item_T
  SET Qty_On_Hand = Qty_On_Hand + (SELECT Qty FROM Stock_Move_T
                                   WHERE Src_Table = 'Stock_Adj_T' AND Src_Row = NEW.Row_ID AND Qty > 0),
      Value_On_Hand = Value_On_Hand + (SELECT Value FROM Stock_Move_T
                                       WHERE Src_Table = 'Stock_Adj_T' AND Src_Row = NEW.Row_ID AND Qty > 0)
  WHERE Pdt_ID_VC = NEW.Pdt_ID_VC
    AND EXISTS (SELECT 1 FROM Stock_Move_T WHERE Src_Table = 'Stock_Adj_T' AND Src_Row = NEW.Row_ID AND Qty > 0);
  -- @use Stock_Adj_Legs
END;
