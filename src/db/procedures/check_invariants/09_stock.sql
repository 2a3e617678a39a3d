-- 9. Stock: quantities and values agree with the layers and moves and with the stock accounts.
WITH
-- Items with their stock, costing method and stock account, beside their layers and moves.
stock (Pdt_ID_VC, Qty, Value, FIFO, Stock_IN, Layer_Qty, Layer_Value, Move_Qty, Move_Value) AS (
  SELECT s.Pdt_ID_VC, s.Qty_On_Hand, s.Value_On_Hand, a.cost_method_VC = 'FIFO', a.Stock_IN,
         COALESCE(y.Qty, 0), COALESCE(y.Value, 0), COALESCE(m.Qty, 0), COALESCE(m.Value, 0)
  FROM Stock_Item_T s LEFT JOIN Product_T p ON p.Pdt_ID_VC = s.Pdt_ID_VC
  LEFT JOIN Product_AccountSet_T a ON a.Pdt_Acctset_VC = p.Pdt_Acctset_VC
  LEFT JOIN (SELECT Pdt_ID_VC, SUM(Qty_Left) AS Qty, SUM(Value_Left) AS Value FROM Stock_Layer_T
             GROUP BY Pdt_ID_VC) y ON y.Pdt_ID_VC = s.Pdt_ID_VC
  LEFT JOIN (SELECT Pdt_ID_VC, SUM(Qty) AS Qty, SUM(Value) AS Value FROM Stock_Move_T
             GROUP BY Pdt_ID_VC) m ON m.Pdt_ID_VC = s.Pdt_ID_VC)
SELECT '9 stock', 'item ' || Pdt_ID_VC || ': on hand ' || Qty || '/' || Value || ', layers ' || Layer_Qty
       || '/' || Layer_Value || ', moves ' || Move_Qty || '/' || Move_Value
FROM stock
WHERE Qty < 0 OR Value < 0 OR (Qty = 0 AND Value <> 0) OR Qty <> Layer_Qty OR Qty <> Move_Qty
   OR Value <> Move_Value OR (FIFO AND Value <> Layer_Value)
UNION ALL
SELECT '9 stock', 'account ' || a.GL_ID || ' balance ' || COALESCE(b.Bal, 0) || ', stock value ' || a.Value
FROM (SELECT x.GL_ID, COALESCE((SELECT SUM(s.Value) FROM stock s WHERE s.Stock_IN = x.GL_ID), 0) AS Value
      FROM (SELECT DISTINCT Stock_IN AS GL_ID FROM Product_AccountSet_T) x) a
LEFT JOIN balance b ON b.GL_ID = a.GL_ID
WHERE COALESCE(b.Bal, 0) <> a.Value
UNION ALL
-- A line's moves are written by one statement: they follow one another, on the line's date (the
-- stock movement reads a line from its first move on).
SELECT '9 stock', Src_Table || ' row ' || Src_Row || ': its moves do not follow one another'
FROM Stock_Move_T
GROUP BY Src_Table, Src_Row
HAVING COUNT(*) <> MAX(MoveID) - MIN(MoveID) + 1 OR MIN(date_dt) <> MAX(date_dt)
UNION ALL
-- Only a move in brings stock, so an item's first move is one (the item index holds moves in alone).
SELECT '9 stock', 'item ' || Pdt_ID_VC || ': moves out but none in'
FROM Stock_Move_T
GROUP BY Pdt_ID_VC
HAVING MAX(Qty) <= 0
