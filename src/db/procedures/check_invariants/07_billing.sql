-- 7. Billing never exceeds delivery or receipt; credit notes never exceed the invoice line.
WITH
-- The party, sales, VAT and purchase-cost legs of each sales and purchase line.
line_leg (Src_Table, Src_Row, Item_Cur, Sales, VAT, Cost) AS (
  SELECT Src_Table, Src_Row, SUM(CASE WHEN Leg = 'ITEM' THEN Cur_Amount ELSE 0 END),
         SUM(CASE WHEN Leg = 'SALES' THEN Amount_NU ELSE 0 END), SUM(CASE WHEN Leg = 'VAT' THEN Amount_NU ELSE 0 END),
         SUM(CASE WHEN Leg IN ('GRNI', 'COS') THEN Amount_NU ELSE 0 END)
  FROM Ledger_T WHERE Src_Table IN ('Sales_T', 'Purchases_T') GROUP BY Src_Table, Src_Row),
-- Sales and purchase lines with their legs; credit notes summed per invoice line they credit.
ledger_line (Src_Table, Row_ID, doc_type, customerid, inv_no, do_no, Pdt_ID_VC, Qty, Item_Cur, Sales, VAT, Cost) AS (
  SELECT 'Sales_T', s.Row_ID, upper(s.doc_type), s.customerid, s.inv_no, s.do_no, s.Pdt_ID_VC, s.qty_to_bill,
         COALESCE(g.Item_Cur, 0), COALESCE(g.Sales, 0), COALESCE(g.VAT, 0), COALESCE(g.Cost, 0)
  FROM Sales_T s LEFT JOIN line_leg g ON g.Src_Table = 'Sales_T' AND g.Src_Row = s.Row_ID
  WHERE upper(s.doc_type) IN ('DO', 'CN')
  UNION ALL
  SELECT 'Purchases_T', p.Row_ID, upper(p.doc_type), p.customerid, p.inv_no, p.do_no, p.Pdt_ID_VC, p.qty_to_bill,
         COALESCE(g.Item_Cur, 0), COALESCE(g.Sales, 0), COALESCE(g.VAT, 0), COALESCE(g.Cost, 0)
  FROM Purchases_T p LEFT JOIN line_leg g ON g.Src_Table = 'Purchases_T' AND g.Src_Row = p.Row_ID
  WHERE upper(p.doc_type) IN ('GRN', 'CN')),
credit (Src_Table, customerid, inv_no, do_no, Pdt_ID_VC, Qty, Item_Cur, Sales, VAT, Cost) AS (
  SELECT Src_Table, customerid, inv_no, do_no, Pdt_ID_VC, SUM(Qty), SUM(Item_Cur), SUM(Sales), SUM(VAT), SUM(Cost)
  FROM ledger_line WHERE doc_type = 'CN' GROUP BY Src_Table, customerid, inv_no, do_no, Pdt_ID_VC),
-- Invoice lines: what is left of each, as recorded (Rem_*) and as its postings and credit notes
-- leave it. Remaining gross G = N + V in the party's currency; NL and VL local.
inv_line (Src_Table, Row_ID, Qty, Rem_Qty, Rem_G, Rem_NL, Rem_VL, Left_Qty, Left_G, Left_NL, Left_VL) AS (
  SELECT b.Src_Table, b.Row_ID, b.Qty, x.Rem_Qty, x.Rem_N + x.Rem_V, x.Rem_NL, x.Rem_VL,
         b.Qty + COALESCE(c.Qty, 0),
         CASE b.Src_Table WHEN 'Sales_T' THEN 1 ELSE -1 END * (b.Item_Cur + COALESCE(c.Item_Cur, 0)),
         CASE b.Src_Table WHEN 'Sales_T' THEN -(b.Sales + COALESCE(c.Sales, 0)) ELSE b.Cost + COALESCE(c.Cost, 0) END,
         CASE b.Src_Table WHEN 'Sales_T' THEN -1 ELSE 1 END * (b.VAT + COALESCE(c.VAT, 0))
  FROM ledger_line b
  JOIN (SELECT 'Sales_T' AS Src_Table, Row_ID, Rem_Qty, Rem_N, Rem_V, Rem_NL, Rem_VL FROM Sales_T
        UNION ALL SELECT 'Purchases_T', Row_ID, Rem_Qty, Rem_N, Rem_V, Rem_NL, Rem_VL FROM Purchases_T) x
    ON x.Src_Table = b.Src_Table AND x.Row_ID = b.Row_ID
  LEFT JOIN credit c ON c.Src_Table = b.Src_Table AND c.customerid = b.customerid AND c.inv_no = b.inv_no
    AND c.do_no IS b.do_no AND c.Pdt_ID_VC IS b.Pdt_ID_VC
  WHERE b.doc_type IN ('DO', 'GRN')),
-- Quantities billed per delivery (DO) and goods received (GRN) line.
billed (doc_type, Doc_No, Pdt_ID_VC, customerid, Qty) AS (
  SELECT CASE Src_Table WHEN 'Sales_T' THEN 'DO' ELSE 'GRN' END, do_no, Pdt_ID_VC, customerid, SUM(Qty)
  FROM ledger_line WHERE doc_type IN ('DO', 'GRN') GROUP BY Src_Table, do_no, Pdt_ID_VC, customerid)
SELECT '7 billing', 'Temp_Stock_T row ' || t.Row_ID || ': quantity ' || t.qty_nu || ', open '
       || COALESCE(t.Open_Qty, 'NULL') || ', billed ' || t.billed
FROM (SELECT s.*, COALESCE(b.Qty, 0) AS billed FROM Temp_Stock_T s
      LEFT JOIN billed b ON b.doc_type = upper(s.doc_type) AND b.Doc_No = s.Doc_No_VC
        AND b.Pdt_ID_VC = s.Pdt_ID_VC AND b.customerid = s.customerid) t
WHERE t.Open_Qty IS NULL OR t.Open_Qty < 0 OR t.Open_Qty > t.qty_nu OR t.qty_nu - t.Open_Qty <> t.billed
UNION ALL
SELECT '7 billing', Src_Table || ' invoice line ' || Row_ID || ': remaining ' || COALESCE(Rem_Qty, 'NULL')
       || ' of ' || Qty || ', credit notes leave ' || Left_Qty
FROM inv_line WHERE Rem_Qty IS NULL OR Rem_Qty < 0 OR Rem_Qty <> Left_Qty
UNION ALL
SELECT '7 billing', Src_Table || ' invoice line ' || Row_ID || ': remaining amounts '
       || COALESCE(Rem_G, 'NULL') || '/' || COALESCE(Rem_NL, 'NULL') || '/' || COALESCE(Rem_VL, 'NULL')
       || ', postings leave ' || Left_G || '/' || Left_NL || '/' || Left_VL
FROM inv_line
WHERE Rem_G IS NOT Left_G OR Rem_NL IS NOT Left_NL OR Rem_VL IS NOT Left_VL
   OR (Rem_Qty = 0 AND (Rem_G <> 0 OR Rem_NL <> 0 OR Rem_VL <> 0))
