-- Takes NEW.Qty units of an item out of stock at cost (see Stock_Issue_V). FIFO items give from
-- their layers in date order (or from the named layer only), each layer at its own cost, the last
-- unit of a layer taking what is left of its value; AVEG items give at the average value on hand,
-- and their layers lose the quantity in the same order. One move per layer taken (one move for
-- an AVEG issue), then the layers and the item lose what the moves took.
-- An issue reads only the layers it may take from: the FIFO walk steps from one open layer to the
-- next until the issue is met; the AVEG one reads the first Qty open layers in date order, enough
-- as every open layer holds at least one unit; the item's quantity on hand is the sum of its open
-- layers. Each costing method has its trigger, chosen by the method the issue names (the
-- item's account set's, read once by the caller), so an issue runs only its own method's
-- statements; an item of no known method takes the AVEG one, whose checks refuse it (it has no
-- stock).
CREATE TRIGGER Stock_Issue_V_fifo INSTEAD OF INSERT ON Stock_Issue_V
WHEN NEW.LayerID IS NULL AND NEW.Cost_Method = 'FIFO' BEGIN
  -- @use Stock_Issue_Checks

  -- One move per layer taken, at that layer's cost: the walk steps from each open layer to the
  -- next in date order through the open layers' index while the issue needs more than it gave.
  INSERT INTO Stock_Move_T (Pdt_ID_VC, date_dt, Doc_Type, Post_Seq, Post_No, Src_Table, Src_Row, LayerID,
                            Qty, Value, Descrip_VC)
  SELECT NEW.Pdt_ID_VC, NEW.date_dt, NEW.Doc_Type, NEW.Post_Seq, NEW.Post_No, NEW.Src_Table, NEW.Src_Row,
         LayerID, -take,
         -CASE WHEN take = Qty_Left THEN Value_Left ELSE money_prop(Value_Left, take, Qty_Left) END,
         NEW.Descrip_VC
  FROM (WITH RECURSIVE walk (LayerID, date_dt, Qty_Left, Value_Left, need) AS (
          SELECT LayerID, date_dt, Qty_Left, Value_Left, NEW.Qty FROM Stock_Layer_T
          WHERE LayerID = (SELECT LayerID FROM Stock_Layer_T WHERE Pdt_ID_VC = NEW.Pdt_ID_VC AND Qty_Left > 0
                           ORDER BY date_dt, LayerID LIMIT 1)
          UNION ALL
          SELECT l.LayerID, l.date_dt, l.Qty_Left, l.Value_Left, w.need - w.Qty_Left
          FROM walk w JOIN Stock_Layer_T l
            ON l.LayerID = (SELECT x.LayerID FROM Stock_Layer_T x
                            WHERE x.Pdt_ID_VC = NEW.Pdt_ID_VC AND x.Qty_Left > 0
                              AND (x.date_dt, x.LayerID) > (w.date_dt, w.LayerID)
                            ORDER BY x.date_dt, x.LayerID LIMIT 1)
          WHERE w.need > w.Qty_Left)
        SELECT LayerID, Qty_Left, Value_Left, MIN(Qty_Left, need) AS take FROM walk);
  -- The layers taken are those of the line's moves, each found by its key: every layer loses
  -- what its move took.
  UPDATE Stock_Layer_T SET Qty_Left = Qty_Left + m.Qty, Value_Left = Value_Left + m.Value
  FROM Stock_Move_T m
  WHERE m.Src_Table = NEW.Src_Table AND m.Src_Row = NEW.Src_Row AND Stock_Layer_T.LayerID = m.LayerID;

  -- @use Stock_Issue_Item
END;

CREATE TRIGGER Stock_Issue_V_aveg INSTEAD OF INSERT ON Stock_Issue_V
WHEN NEW.LayerID IS NULL AND NEW.Cost_Method IS NOT 'FIFO' BEGIN
  -- @use Stock_Issue_Checks

  -- One move at the average; the whole stock on hand leaves at exactly its value.
  INSERT INTO Stock_Move_T (Pdt_ID_VC, date_dt, Doc_Type, Post_Seq, Post_No, Src_Table, Src_Row, LayerID,
                            Qty, Value, Descrip_VC)
  SELECT NEW.Pdt_ID_VC, NEW.date_dt, NEW.Doc_Type, NEW.Post_Seq, NEW.Post_No, NEW.Src_Table, NEW.Src_Row,
         NULL, -NEW.Qty,
         -CASE WHEN NEW.Qty = s.Qty_On_Hand THEN s.Value_On_Hand
               ELSE money_prop(s.Value_On_Hand, NEW.Qty, s.Qty_On_Hand) END,
         NEW.Descrip_VC
  FROM Stock_Item_T s WHERE s.Pdt_ID_VC = NEW.Pdt_ID_VC;
  -- The layers lose the quantity in date order; they keep no value of their own.
  UPDATE Stock_Layer_T SET Qty_Left = Qty_Left - t.take
  FROM (SELECT LayerID,
               MIN(Qty_Left, MAX(0, NEW.Qty - (SUM(Qty_Left) OVER (ORDER BY date_dt, LayerID
                                    ROWS UNBOUNDED PRECEDING) - Qty_Left))) AS take
        FROM (SELECT LayerID, Qty_Left, date_dt FROM Stock_Layer_T
              WHERE Pdt_ID_VC = NEW.Pdt_ID_VC AND Qty_Left > 0
              ORDER BY date_dt, LayerID LIMIT NEW.Qty)) t
  WHERE t.LayerID = Stock_Layer_T.LayerID AND t.take > 0;

  -- @use Stock_Issue_Item
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

  -- @use Stock_Issue_Item
END;
