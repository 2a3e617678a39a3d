--! procedure select_stock_balance
--! result pdt_id_vc TEXT, balance INTEGER
-- Every item with its quantity on hand.
SELECT p.Pdt_ID_VC AS pdt_id_vc, COALESCE(s.Qty_On_Hand, 0) AS balance
FROM Product_T p LEFT JOIN Stock_Item_T s ON s.Pdt_ID_VC = p.Pdt_ID_VC
ORDER BY p.Pdt_ID_VC;
