--! procedure select_stock_ageing
--! result "Date" DATE, "Product Code" TEXT, Qty INTEGER, "Unit Price" CURRENCY, "0 - 30 Days" CURRENCY
--! result "31 - 60 Days" CURRENCY, "61 - 90 Days" CURRENCY, " > 90 Days" CURRENCY
-- One row per open layer: what it holds and its value (FIFO the layer's own, AVEG its share of the
-- item's value), the value in the one column of the layer's age in days as of today.
-- Item by item, each item's open layers read in date order from their index alone; a layer's age
-- column is found by comparing its date with today less 30, 60 and 90 days, worked out once. The
-- layers are valued once each, in the order of the inner query, which its limit keeps from being
-- merged into the outer one.
SELECT d AS "Date", Pdt_ID_VC AS "Product Code", q AS Qty, money_unit(v, q) AS "Unit Price",
       CASE age WHEN 0 THEN v ELSE 0 END AS "0 - 30 Days", CASE age WHEN 1 THEN v ELSE 0 END AS "31 - 60 Days",
       CASE age WHEN 2 THEN v ELSE 0 END AS "61 - 90 Days", CASE age WHEN 3 THEN v ELSE 0 END AS " > 90 Days"
FROM (SELECT l.date_dt AS d, l.Pdt_ID_VC AS Pdt_ID_VC, l.Qty_Left AS q,
             CASE WHEN l.Value_Left IS NOT NULL AND a.cost_method_VC = 'FIFO' THEN l.Value_Left
                  ELSE money_prop(s.Value_On_Hand, l.Qty_Left, s.Qty_On_Hand) END AS v,
             CASE WHEN +l.date_dt >= date(db_today(), '-30 days') THEN 0
                  WHEN +l.date_dt >= date(db_today(), '-60 days') THEN 1
                  WHEN +l.date_dt >= date(db_today(), '-90 days') THEN 2 ELSE 3 END AS age
      FROM Stock_Item_T s CROSS JOIN Product_T p ON p.Pdt_ID_VC = s.Pdt_ID_VC
      CROSS JOIN Product_AccountSet_T a ON a.Pdt_Acctset_VC = p.Pdt_Acctset_VC
      CROSS JOIN Stock_Layer_T l ON l.Pdt_ID_VC = s.Pdt_ID_VC
      WHERE l.Qty_Left > 0
      ORDER BY s.Pdt_ID_VC, l.date_dt, l.LayerID LIMIT -1);
