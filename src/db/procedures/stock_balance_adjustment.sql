--! procedure stock_balance_adjustment
--! param Acctset_ID INTEGER
--! result Doc_ID TEXT, Pdt_ID_VC TEXT, Qty INTEGER, Unit_Price CURRENCY, Pdt_Name_VC TEXT
-- The stock rows the stock adjustment offers for one account set: each open layer of the set's
-- items with what it holds and its unit cost (FIFO the layer's own, AVEG the item's average), and
-- for each item without an open layer its N<Row_ID> row holding nothing, so stock can be brought in.
SELECT Doc_ID, Pdt_ID_VC, Qty, Unit_Price, Pdt_Name_VC FROM (
  SELECT l.Layer_Ref AS Doc_ID, p.Pdt_ID_VC AS Pdt_ID_VC, l.Qty_Left AS Qty,
         CASE a.cost_method_VC WHEN 'FIFO' THEN money_unit(l.Value_Left, l.Qty_Left)
              ELSE money_unit(s.Value_On_Hand, s.Qty_On_Hand) END AS Unit_Price,
         p.Pdt_Name_VC AS Pdt_Name_VC, l.date_dt AS d, l.LayerID AS k
  FROM Product_AccountSet_T a JOIN Product_T p ON p.Pdt_Acctset_VC = a.Pdt_Acctset_VC
  JOIN Stock_Layer_T l ON l.Pdt_ID_VC = p.Pdt_ID_VC AND l.Qty_Left > 0
  JOIN Stock_Item_T s ON s.Pdt_ID_VC = p.Pdt_ID_VC
  WHERE a.Acctset_ID = :Acctset_ID
  UNION ALL
  SELECT 'N' || p.Row_ID, p.Pdt_ID_VC, 0, 0, p.Pdt_Name_VC, NULL, NULL
  FROM Product_AccountSet_T a JOIN Product_T p ON p.Pdt_Acctset_VC = a.Pdt_Acctset_VC
  WHERE a.Acctset_ID = :Acctset_ID AND NOT EXISTS (
    SELECT 1 FROM Stock_Layer_T l WHERE l.Pdt_ID_VC = p.Pdt_ID_VC AND l.Qty_Left > 0))
ORDER BY Pdt_ID_VC, d, k;
