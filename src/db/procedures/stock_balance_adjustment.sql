--! procedure stock_balance_adjustment
--! param Acctset_ID INTEGER
--! param After TEXT
--! param Items INTEGER
--! result Doc_ID TEXT, Pdt_ID_VC TEXT, Qty INTEGER, Unit_Price CURRENCY, Pdt_Name_VC TEXT
-- The stock rows the stock adjustment offers for one account set: each open layer of the set's
-- items with what it holds and its unit cost (FIFO the layer's own, AVEG the item's average), and
-- for each item without an open layer its N<Row_ID> row holding nothing, so stock can be brought in.
-- A long list is read a page at a time: the rows of the Items items that follow the item After
-- (without After, from the first item; without Items, every item). Item by item in code order,
-- each item's open layers in date order from their index, so a page reads only its own rows.
SELECT COALESCE(l.Layer_Ref, 'N' || p.Row_ID) AS Doc_ID, p.Pdt_ID_VC AS Pdt_ID_VC, COALESCE(l.Qty_Left, 0) AS Qty,
       CASE WHEN l.LayerID IS NULL THEN 0
            WHEN (SELECT cost_method_VC FROM Product_AccountSet_T WHERE Acctset_ID = :Acctset_ID) = 'FIFO'
              THEN money_unit(l.Value_Left, l.Qty_Left)
            ELSE (SELECT money_unit(s.Value_On_Hand, s.Qty_On_Hand) FROM Stock_Item_T s
                  WHERE s.Pdt_ID_VC = p.Pdt_ID_VC) END AS Unit_Price,
       p.Pdt_Name_VC AS Pdt_Name_VC
FROM Product_T p
LEFT JOIN Stock_Layer_T l ON l.Pdt_ID_VC = p.Pdt_ID_VC AND l.Qty_Left > 0
WHERE +p.Pdt_Acctset_VC = (SELECT Pdt_Acctset_VC FROM Product_AccountSet_T WHERE Acctset_ID = :Acctset_ID)
  AND p.Pdt_ID_VC > COALESCE(:After, '')
  AND (:Items IS NULL
       OR p.Pdt_ID_VC <= COALESCE((SELECT q.Pdt_ID_VC FROM Product_T q
                                   WHERE +q.Pdt_Acctset_VC = (SELECT Pdt_Acctset_VC FROM Product_AccountSet_T
                                                              WHERE Acctset_ID = :Acctset_ID)
                                     AND q.Pdt_ID_VC > COALESCE(:After, '')
                                   ORDER BY q.Pdt_ID_VC LIMIT 1 OFFSET :Items - 1), p.Pdt_ID_VC))
ORDER BY p.Pdt_ID_VC, l.date_dt, l.LayerID;
