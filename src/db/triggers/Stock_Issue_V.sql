-- Takes NEW.Qty units of an item out of stock at cost (see Stock_Issue_V). FIFO items give from
-- their layers in date order (or from the named layer only), each layer at its own cost, the last
-- unit of a layer taking what is left of its value; AVEG items give at the average value on hand,
-- and their layers lose the quantity in the same order. One move per layer taken (one move for
-- an AVEG issue), then the layers and the item lose what the moves took.
-- An issue reads only the layers it may take from: every open layer holds at least one unit, so
-- the first Qty of them in date order are enough, and the item's quantity on hand is the sum of
-- its open layers. An issue from a named layer reads that layer alone, however many the item has.
CREATE TRIGGER Stock_Issue_V_issue INSTEAD OF INSERT ON Stock_Issue_V BEGIN
  -- A refusal names the source line (its place in its document) first.
  SELECT db_fail('Stock: issue of no quantity', NEW.Line_No) WHERE NEW.Qty IS NULL OR NEW.Qty <= 0;
  SELECT db_fail('Stock: issue exceeds stock on hand', NEW.Line_No)
    WHERE NEW.Qty > COALESCE((SELECT Qty_On_Hand FROM Stock_Item_T WHERE Pdt_ID_VC = NEW.Pdt_ID_VC), 0)
       OR NEW.Qty > COALESCE((SELECT Qty_Left FROM Stock_Layer_T
                              WHERE LayerID = NEW.LayerID AND Pdt_ID_VC = NEW.Pdt_ID_VC AND Qty_Left > 0),
                             CASE WHEN NEW.LayerID IS NULL THEN NEW.Qty ELSE 0 END);
  -- Layers give in date order, so the issue reaches a layer received after its own date exactly
  -- when the layers received by then hold too little.
  SELECT db_fail('Stock: issue dated before its goods arrived', NEW.Line_No, NEW.Pdt_ID_VC,
                 (SELECT strftime('%d/%m/%Y', MIN(date_dt)) FROM Stock_Layer_T
                  WHERE Pdt_ID_VC = NEW.Pdt_ID_VC AND Qty_Left > 0 AND date_dt > NEW.date_dt
                    AND (NEW.LayerID IS NULL OR LayerID = NEW.LayerID)))
    WHERE NEW.Qty > COALESCE((SELECT CASE WHEN NEW.LayerID IS NULL THEN Qty_On_Hand END
                              FROM Stock_Item_T WHERE Pdt_ID_VC = NEW.Pdt_ID_VC),
                             (SELECT Qty_Left FROM Stock_Layer_T
                              WHERE LayerID = NEW.LayerID AND Pdt_ID_VC = NEW.Pdt_ID_VC AND Qty_Left > 0), 0)
                    - COALESCE((SELECT SUM(Qty_Left) FROM Stock_Layer_T
                                WHERE NEW.LayerID IS NULL AND Pdt_ID_VC = NEW.Pdt_ID_VC AND Qty_Left > 0
                                  AND date_dt > NEW.date_dt),
                               (SELECT Qty_Left FROM Stock_Layer_T
                                WHERE LayerID = NEW.LayerID AND Pdt_ID_VC = NEW.Pdt_ID_VC AND Qty_Left > 0
                                  AND date_dt > NEW.date_dt), 0);

  -- FIFO: one move per layer taken, at that layer's cost.
  INSERT INTO Stock_Move_T (Pdt_ID_VC, date_dt, Doc_Type, Post_Seq, Post_No, Src_Table, Src_Row, LayerID,
                            Qty, Value, Descrip_VC)
  SELECT NEW.Pdt_ID_VC, NEW.date_dt, NEW.Doc_Type, NEW.Post_Seq, NEW.Post_No, NEW.Src_Table, NEW.Src_Row,
         LayerID, -take,
         -CASE WHEN take = Qty_Left THEN Value_Left ELSE money_prop(Value_Left, take, Qty_Left) END,
         NEW.Descrip_VC
  FROM (SELECT LayerID, Qty_Left, Value_Left,
               MIN(Qty_Left, MAX(0, NEW.Qty - (SUM(Qty_Left) OVER (ORDER BY date_dt, LayerID
                                    ROWS UNBOUNDED PRECEDING) - Qty_Left))) AS take
        FROM (SELECT LayerID, Qty_Left, Value_Left, date_dt FROM Stock_Layer_T
              WHERE LayerID = NEW.LayerID AND Pdt_ID_VC = NEW.Pdt_ID_VC AND Qty_Left > 0
                AND (SELECT a.cost_method_VC FROM Product_T p
                     JOIN Product_AccountSet_T a ON a.Pdt_Acctset_VC = p.Pdt_Acctset_VC
                     WHERE p.Pdt_ID_VC = NEW.Pdt_ID_VC) = 'FIFO'
              UNION ALL
              SELECT * FROM (SELECT LayerID, Qty_Left, Value_Left, date_dt FROM Stock_Layer_T
                             WHERE NEW.LayerID IS NULL AND Pdt_ID_VC = NEW.Pdt_ID_VC AND Qty_Left > 0
                               AND (SELECT a.cost_method_VC FROM Product_T p
                                    JOIN Product_AccountSet_T a ON a.Pdt_Acctset_VC = p.Pdt_Acctset_VC
                                    WHERE p.Pdt_ID_VC = NEW.Pdt_ID_VC) = 'FIFO'
                             ORDER BY date_dt, LayerID LIMIT NEW.Qty)))
  WHERE take > 0;
  UPDATE Stock_Layer_T SET Qty_Left = Qty_Left + m.Qty, Value_Left = Value_Left + m.Value
  FROM Stock_Move_T m
  WHERE m.Src_Table = NEW.Src_Table AND m.Src_Row = NEW.Src_Row AND m.LayerID = Stock_Layer_T.LayerID;

  -- AVEG: one move at the average; the whole stock on hand leaves at exactly its value.
  INSERT INTO Stock_Move_T (Pdt_ID_VC, date_dt, Doc_Type, Post_Seq, Post_No, Src_Table, Src_Row, LayerID,
                            Qty, Value, Descrip_VC)
  SELECT NEW.Pdt_ID_VC, NEW.date_dt, NEW.Doc_Type, NEW.Post_Seq, NEW.Post_No, NEW.Src_Table, NEW.Src_Row,
         NULL, -NEW.Qty,
         -CASE WHEN NEW.Qty = s.Qty_On_Hand THEN s.Value_On_Hand
               ELSE money_prop(s.Value_On_Hand, NEW.Qty, s.Qty_On_Hand) END,
         NEW.Descrip_VC
  FROM Stock_Item_T s JOIN Product_T p ON p.Pdt_ID_VC = s.Pdt_ID_VC
  JOIN Product_AccountSet_T a ON a.Pdt_Acctset_VC = p.Pdt_Acctset_VC
  WHERE s.Pdt_ID_VC = NEW.Pdt_ID_VC AND a.cost_method_VC = 'AVEG';
  UPDATE Stock_Layer_T SET Qty_Left = Qty_Left - t.take
  FROM (SELECT LayerID,
               MIN(Qty_Left, MAX(0, NEW.Qty - (SUM(Qty_Left) OVER (ORDER BY date_dt, LayerID
                                    ROWS UNBOUNDED PRECEDING) - Qty_Left))) AS take
        FROM (SELECT LayerID, Qty_Left, date_dt FROM Stock_Layer_T
              WHERE LayerID = NEW.LayerID AND Pdt_ID_VC = NEW.Pdt_ID_VC AND Qty_Left > 0
                AND EXISTS (SELECT 1 FROM Stock_Move_T m WHERE m.Src_Table = NEW.Src_Table
                              AND m.Src_Row = NEW.Src_Row AND m.LayerID IS NULL)
              UNION ALL
              SELECT * FROM (SELECT LayerID, Qty_Left, date_dt FROM Stock_Layer_T
                             WHERE NEW.LayerID IS NULL AND Pdt_ID_VC = NEW.Pdt_ID_VC AND Qty_Left > 0
                               AND EXISTS (SELECT 1 FROM Stock_Move_T m WHERE m.Src_Table = NEW.Src_Table
                                             AND m.Src_Row = NEW.Src_Row AND m.LayerID IS NULL)
                             ORDER BY date_dt, LayerID LIMIT NEW.Qty))) t
  WHERE t.LayerID = Stock_Layer_T.LayerID AND t.take > 0;

  UPDATE Stock_Item_T SET
    Qty_On_Hand = Qty_On_Hand - NEW.Qty,
    Value_On_Hand = Value_On_Hand + (SELECT SUM(Value) FROM Stock_Move_T
                                     WHERE Src_Table = NEW.Src_Table AND Src_Row = NEW.Src_Row)
  WHERE Pdt_ID_VC = NEW.Pdt_ID_VC;
END;
