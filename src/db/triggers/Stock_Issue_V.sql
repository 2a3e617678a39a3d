-- Takes NEW.Qty units of an item out of stock at cost (see Stock_Issue_V). FIFO items give from
-- their layers in date order (or from the named layer only), each layer at its own cost, the last
-- unit of a layer taking what is left of its value; AVEG items give at the average value on hand,
-- and their layers lose the quantity in the same order. One move per layer taken (one move for
-- an AVEG issue), then the layers and the item lose what the moves took.
-- An issue reads only the layers it may take from: every open layer holds at least one unit, so
-- the first Qty of them in date order are enough, and the item's quantity on hand is the sum of
-- its open layers.
CREATE TRIGGER Stock_Issue_V_issue INSTEAD OF INSERT ON Stock_Issue_V WHEN NEW.LayerID IS NULL BEGIN
  -- @use Stock_Issue_Checks

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
              WHERE Pdt_ID_VC = NEW.Pdt_ID_VC AND Qty_Left > 0
                AND (SELECT a.cost_method_VC FROM Product_T p
                     JOIN Product_AccountSet_T a ON a.Pdt_Acctset_VC = p.Pdt_Acctset_VC
                     WHERE p.Pdt_ID_VC = NEW.Pdt_ID_VC) = 'FIFO'
              ORDER BY date_dt, LayerID LIMIT NEW.Qty))
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
              WHERE Pdt_ID_VC = NEW.Pdt_ID_VC AND Qty_Left > 0
                AND EXISTS (SELECT 1 FROM Stock_Move_T m WHERE m.Src_Table = NEW.Src_Table
                              AND m.Src_Row = NEW.Src_Row AND m.LayerID IS NULL)
              ORDER BY date_dt, LayerID LIMIT NEW.Qty)) t
  WHERE t.LayerID = Stock_Layer_T.LayerID AND t.take > 0;

  UPDATE Stock_Item_T SET
    Qty_On_Hand = Qty_On_Hand - NEW.Qty,
    Value_On_Hand = Value_On_Hand + (SELECT SUM(Value) FROM Stock_Move_T
                                     WHERE Src_Table = NEW.Src_Table AND Src_Row = NEW.Src_Row)
  WHERE Pdt_ID_VC = NEW.Pdt_ID_VC;
END;

-- An issue from a named layer (a stock count's line) takes it from that layer alone, whatever
-- the item's other layers: one move, FIFO at the layer's own cost, AVEG at the item's average,
-- and the layer and the item lose what it took.
CREATE TRIGGER Stock_Issue_V_layer INSTEAD OF INSERT ON Stock_Issue_V WHEN NEW.LayerID IS NOT NULL BEGIN
  -- @use Stock_Issue_Checks

  INSERT INTO Stock_Move_T (Pdt_ID_VC, date_dt, Doc_Type, Post_Seq, Post_No, Src_Table, Src_Row, LayerID,
                            Qty, Value, Descrip_VC)
  SELECT NEW.Pdt_ID_VC, NEW.date_dt, NEW.Doc_Type, NEW.Post_Seq, NEW.Post_No, NEW.Src_Table, NEW.Src_Row,
         CASE a.cost_method_VC WHEN 'FIFO' THEN l.LayerID END, -NEW.Qty,
         -CASE a.cost_method_VC
            WHEN 'FIFO' THEN CASE WHEN NEW.Qty = l.Qty_Left THEN l.Value_Left
                                  ELSE money_prop(l.Value_Left, NEW.Qty, l.Qty_Left) END
            ELSE CASE WHEN NEW.Qty = s.Qty_On_Hand THEN s.Value_On_Hand
                      ELSE money_prop(s.Value_On_Hand, NEW.Qty, s.Qty_On_Hand) END END,
         NEW.Descrip_VC
  FROM Stock_Layer_T l JOIN Stock_Item_T s ON s.Pdt_ID_VC = l.Pdt_ID_VC
  JOIN Product_T p ON p.Pdt_ID_VC = l.Pdt_ID_VC
  JOIN Product_AccountSet_T a ON a.Pdt_Acctset_VC = p.Pdt_Acctset_VC
  WHERE l.LayerID = NEW.LayerID AND l.Pdt_ID_VC = NEW.Pdt_ID_VC AND l.Qty_Left > 0
    AND a.cost_method_VC IN ('FIFO', 'AVEG');
  -- A FIFO layer also loses the value its move took; an AVEG layer keeps no value of its own.
  UPDATE Stock_Layer_T
  SET Qty_Left = Qty_Left - NEW.Qty,
      Value_Left = Value_Left + COALESCE((SELECT Value FROM Stock_Move_T WHERE Src_Table = NEW.Src_Table
                                            AND Src_Row = NEW.Src_Row AND LayerID = NEW.LayerID), 0)
  WHERE LayerID = NEW.LayerID
    AND EXISTS (SELECT 1 FROM Stock_Move_T WHERE Src_Table = NEW.Src_Table AND Src_Row = NEW.Src_Row);

  UPDATE Stock_Item_T SET
    Qty_On_Hand = Qty_On_Hand - NEW.Qty,
    Value_On_Hand = Value_On_Hand + (SELECT SUM(Value) FROM Stock_Move_T
                                     WHERE Src_Table = NEW.Src_Table AND Src_Row = NEW.Src_Row)
  WHERE Pdt_ID_VC = NEW.Pdt_ID_VC;
END;
