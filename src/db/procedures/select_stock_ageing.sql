--! procedure select_stock_ageing
--! result "Date" DATE, "Product Code" TEXT, Qty INTEGER, "Unit Price" CURRENCY, "0 - 30 Days" CURRENCY
--! result "31 - 60 Days" CURRENCY, "61 - 90 Days" CURRENCY, " > 90 Days" CURRENCY
-- One row per open layer: what it holds and its value (FIFO the layer's own, AVEG its share of the
-- item's value), the value in the one column of the layer's age in days as of today.
SELECT d AS "Date", Pdt_ID_VC AS "Product Code", q AS Qty, money_unit(v, q) AS "Unit Price",
       CASE WHEN age <= 30 THEN v ELSE 0 END AS "0 - 30 Days",
       CASE WHEN age BETWEEN 31 AND 60 THEN v ELSE 0 END AS "31 - 60 Days",
       CASE WHEN age BETWEEN 61 AND 90 THEN v ELSE 0 END AS "61 - 90 Days",
       CASE WHEN age > 90 THEN v ELSE 0 END AS " > 90 Days"
FROM (SELECT l.date_dt AS d, l.Pdt_ID_VC AS Pdt_ID_VC, l.Qty_Left AS q, l.LayerID AS k,
             CASE WHEN l.Value_Left IS NOT NULL AND a.cost_method_VC = 'FIFO' THEN l.Value_Left
                  ELSE money_prop(s.Value_On_Hand, l.Qty_Left, s.Qty_On_Hand) END AS v,
             CAST(julianday(db_today()) - julianday(l.date_dt) AS INTEGER) AS age
      FROM Stock_Layer_T l JOIN Stock_Item_T s ON s.Pdt_ID_VC = l.Pdt_ID_VC
      JOIN Product_T p ON p.Pdt_ID_VC = l.Pdt_ID_VC
      JOIN Product_AccountSet_T a ON a.Pdt_Acctset_VC = p.Pdt_Acctset_VC
      WHERE l.Qty_Left > 0)
ORDER BY Pdt_ID_VC, d, k;
