--! procedure check_invariants
--! result Rule TEXT, Detail TEXT
-- One row per broken rule of the books, anywhere in the file; no rows when the books are sound.
-- Tests run it after every scenario; it is also the check to run after a change made by hand.
-- Rule is the number of the rule and a short name; Detail names what breaks it.
WITH
-- Every document line with its numbering, posting number and posting kind.
doc_line (Post_Seq, Post_No, Kind, Src_Table, Src_Row) AS (
  SELECT 'DOC', CAST(Doc_No_VC AS INTEGER), 'JNL', 'Journal_T', Row_ID FROM Journal_T
  UNION ALL
  SELECT CASE upper(doc_type) WHEN 'DO' THEN 'ORD' ELSE 'DOC' END, Doc_No_VC,
         CASE upper(doc_type) WHEN 'DO' THEN 'DO' ELSE 'GRN' END, 'Temp_Stock_T', Row_ID FROM Temp_Stock_T
  UNION ALL
  SELECT CASE upper(doc_type) WHEN 'DO' THEN 'ORD' ELSE 'DOC' END,
         CASE upper(doc_type) WHEN 'DO' THEN inv_no WHEN 'CN' THEN sm_posting_id ELSE do_no END,
         CASE upper(doc_type) WHEN 'DO' THEN 'SI' WHEN 'CN' THEN 'SCN' WHEN 'AR' THEN 'ARA' ELSE 'RC' END,
         'Sales_T', Row_ID FROM Sales_T
  UNION ALL SELECT 'DOC', DocID, 'SJE', 'Sales_Adj_T', Row_ID FROM Sales_Adj_T
  UNION ALL
  SELECT 'DOC', CASE upper(doc_type) WHEN 'GRN' THEN Post_No WHEN 'CN' THEN sm_posting_id ELSE do_no END,
         CASE upper(doc_type) WHEN 'GRN' THEN 'PI' WHEN 'CN' THEN 'PCN' WHEN 'AP' THEN 'APA' ELSE 'PY' END,
         'Purchases_T', Row_ID FROM Purchases_T
  UNION ALL SELECT 'DOC', DocID, 'PJE', 'Purchases_Adj_T', Row_ID FROM Purchases_Adj_T
  UNION ALL SELECT 'DOC', Doc_No_VC, 'BNK', 'Cash_Adj_T', Row_ID FROM Cash_Adj_T
  UNION ALL SELECT 'DOC', DocID, 'STK', 'Stock_Adj_T', Row_ID FROM Stock_Adj_T
  UNION ALL SELECT 'DOC', Post_No, 'VATA', 'Temp_VAT_Control', Row_ID FROM Temp_VAT_Control
  UNION ALL SELECT 'DOC', postingid, 'VATR', 'VAT_Return', Row_ID FROM VAT_Return
  UNION ALL SELECT 'DOC', posting_no, 'RATE', 'Forex_Master_Org_T', Row_ID FROM Forex_Master_Org_T
  UNION ALL SELECT 'DOC', Post_No, 'FXT', 'Forex_Unrealised_T', Row_ID FROM Forex_Unrealised_T
  UNION ALL SELECT 'DOC', Post_No, 'FXTAR', 'Forex_Unrealised_AR_T', Row_ID FROM Forex_Unrealised_AR_T
  UNION ALL SELECT 'DOC', Post_No, 'FXR', 'Forex_Reversal_T', Row_ID FROM Forex_Reversal_T
  UNION ALL SELECT 'DOC', Post_No, 'FXRAR', 'Forex_Reversal_AR_T', Row_ID FROM Forex_Reversal_AR_T),
-- Every header with the kind it was stamped with (an invoice's INV is its lines' SI).
header (Post_Seq, Post_No, Kind) AS (
  SELECT 'DOC', DocID, Doc_Kind FROM Document_T
  UNION ALL SELECT 'ORD', OrderID, CASE Order_Kind WHEN 'INV' THEN 'SI' ELSE Order_Kind END FROM Orders),
doc_kind (Post_Seq, Post_No, Kinds, Kind) AS (
  SELECT Post_Seq, Post_No, COUNT(DISTINCT Kind), MAX(Kind) FROM doc_line GROUP BY Post_Seq, Post_No),
re (GL_ID) AS (SELECT GL_ID FROM GL_Designated_T WHERE Role_VC = 'RE'),
-- The postings summed by the key of the kept balances.
posted_sum (GL_ID, Year_SI, Period_TI, Closing_bt, Amt) AS (
  SELECT GL_ID, Year_SI, Period_TI, Closing_bt, SUM(Amount_NU) FROM Ledger_T
  GROUP BY GL_ID, Year_SI, Period_TI, Closing_bt),
party (GL_ID, Party_Kind) AS (
  SELECT CustomerID, 'C' FROM Customers UNION ALL SELECT CustomerID, 'S' FROM Creditors),
item (Party_Kind, Party_ID, Inv_No, Cur, Settled, Local) AS (
  SELECT Party_Kind, Party_ID, Inv_No, SUM(Cur_Amount),
         SUM(CASE WHEN Leg = 'SETTLE' THEN Cur_Amount ELSE 0 END), SUM(Amount_NU)
  FROM Ledger_T WHERE Leg IN ('ITEM', 'SETTLE') GROUP BY Party_Kind, Party_ID, Inv_No),
balance (GL_ID, Bal) AS (SELECT GL_ID, SUM(Amount_NU) FROM Ledger_T GROUP BY GL_ID),
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
  FROM ledger_line WHERE doc_type IN ('DO', 'GRN') GROUP BY Src_Table, do_no, Pdt_ID_VC, customerid),
-- Items with their stock, costing method and stock account, beside their layers and moves.
stock (Pdt_ID_VC, Qty, Value, FIFO, Stock_IN, Layer_Qty, Layer_Value, Move_Qty, Move_Value) AS (
  SELECT s.Pdt_ID_VC, s.Qty_On_Hand, s.Value_On_Hand, a.cost_method_VC = 'FIFO', a.Stock_IN,
         COALESCE(y.Qty, 0), COALESCE(y.Value, 0), COALESCE(m.Qty, 0), COALESCE(m.Value, 0)
  FROM Stock_Item_T s LEFT JOIN Product_T p ON p.Pdt_ID_VC = s.Pdt_ID_VC
  LEFT JOIN Product_AccountSet_T a ON a.Pdt_Acctset_VC = p.Pdt_Acctset_VC
  LEFT JOIN (SELECT Pdt_ID_VC, SUM(Qty_Left) AS Qty, SUM(Value_Left) AS Value FROM Stock_Layer_T
             GROUP BY Pdt_ID_VC) y ON y.Pdt_ID_VC = s.Pdt_ID_VC
  LEFT JOIN (SELECT Pdt_ID_VC, SUM(Qty) AS Qty, SUM(Value) AS Value FROM Stock_Move_T
             GROUP BY Pdt_ID_VC) m ON m.Pdt_ID_VC = s.Pdt_ID_VC),
-- The last reconciliation line of each VAT record.
last_recon (VatID, Row_ID) AS (SELECT VatID, MAX(Row_ID) FROM VAT_Return GROUP BY VatID),
-- Every request with the locator that finds its record, and whether that record exists now.
request (Twin, Req_ID, Fn, Locator, Found) AS (
  SELECT 'Temp_COA', Req_ID, upper(Function_type), GL_Name_VC,
         EXISTS (SELECT 1 FROM COA_T m WHERE m.GL_Name_VC = r.GL_Name_VC) FROM Temp_COA r
  UNION ALL SELECT 'Temp_Customers', Req_ID, upper(Function_type), CompanyName,
         EXISTS (SELECT 1 FROM Customers m WHERE m.CompanyName = r.CompanyName) FROM Temp_Customers r
  UNION ALL SELECT 'Temp_Creditors', Req_ID, upper(Function_type), CompanyName,
         EXISTS (SELECT 1 FROM Creditors m WHERE m.CompanyName = r.CompanyName) FROM Temp_Creditors r
  UNION ALL SELECT 'Temp_Shippers', Req_ID, upper(Function_type), CompanyName,
         EXISTS (SELECT 1 FROM Shippers m WHERE m.CompanyName = r.CompanyName) FROM Temp_Shippers r
  UNION ALL SELECT 'Temp_Employees', Req_ID, upper(Function_type), LastName || ', ' || FirstName,
         EXISTS (SELECT 1 FROM Employees m WHERE m.LastName = r.LastName AND m.FirstName = r.FirstName)
    FROM Temp_Employees r
  UNION ALL SELECT 'Temp_VAT', Req_ID, upper(Function_type), vat_name,
         EXISTS (SELECT 1 FROM VAT_T m WHERE m.VAT_Name = r.vat_name) FROM Temp_VAT r
  UNION ALL SELECT 'Temp_Product_Category_T', Req_ID, upper(Function_type), Pdt_Category_VC,
         EXISTS (SELECT 1 FROM Product_Category_T m WHERE m.Pdt_Category_VC = r.Pdt_Category_VC)
    FROM Temp_Product_Category_T r
  UNION ALL SELECT 'Temp_Product_Accountset_T', Req_ID, upper(Function_type), Pdt_Acctset_VC,
         EXISTS (SELECT 1 FROM Product_AccountSet_T m WHERE m.Pdt_Acctset_VC = r.Pdt_Acctset_VC)
    FROM Temp_Product_Accountset_T r
  UNION ALL SELECT 'Temp_Product_T', Req_ID, upper(Function_type), Pdt_ID_VC,
         EXISTS (SELECT 1 FROM Product_T m WHERE m.Pdt_ID_VC = r.Pdt_ID_VC) FROM Temp_Product_T r
  UNION ALL SELECT 'Temp_Bank', Req_ID, upper(Function_type), Bank_name,
         EXISTS (SELECT 1 FROM Bank_T m WHERE m.Bank_name = r.Bank_name) FROM Temp_Bank r)

-- 1. The ledger balances overall, per year and per document; a document lies in one year.
SELECT '1 ledger balance' AS Rule, 'the ledger nets to ' || s AS Detail FROM (SELECT SUM(Amount_NU) AS s FROM Ledger_T) WHERE s <> 0
UNION ALL
SELECT '1 ledger balance', 'year ' || Year_SI || ' nets to ' || SUM(Amount_NU)
FROM Ledger_T GROUP BY Year_SI HAVING SUM(Amount_NU) <> 0
UNION ALL
SELECT '1 ledger balance', Post_Seq || ' ' || Post_No || ' nets to ' || SUM(Amount_NU) || ' over '
       || COUNT(DISTINCT Year_SI) || ' year(s)'
FROM Ledger_T GROUP BY Post_Seq, Post_No HAVING SUM(Amount_NU) <> 0 OR COUNT(DISTINCT Year_SI) > 1

-- 2. Every leg: an existing account, a non-zero whole-cent amount, a header.
UNION ALL
SELECT '2 ledger legs', 'leg ' || l.Entry_ID || ' names no account ' || l.GL_ID
FROM Ledger_T l WHERE NOT EXISTS (SELECT 1 FROM COA_T c WHERE c.GL_ID = l.GL_ID)
UNION ALL
SELECT '2 ledger legs', 'leg ' || Entry_ID || ' amount ' || Amount_NU
FROM Ledger_T WHERE typeof(Amount_NU) <> 'integer' OR Amount_NU % 100 <> 0
   OR (Amount_NU = 0 AND COALESCE(Cur_Amount, 0) = 0)
UNION ALL
SELECT '2 ledger legs', 'leg ' || l.Entry_ID || ' names no header ' || l.Post_Seq || ' ' || l.Post_No
FROM Ledger_T l WHERE CASE l.Post_Seq WHEN 'DOC' THEN NOT EXISTS (SELECT 1 FROM Document_T WHERE DocID = l.Post_No)
                                       ELSE NOT EXISTS (SELECT 1 FROM Orders WHERE OrderID = l.Post_No) END

-- 3. Documents: lines of one kind, the stamped kind, no line without header, empty work tables.
UNION ALL
SELECT '3 documents', h.Post_Seq || ' ' || h.Post_No || ' has no lines'
FROM header h WHERE NOT EXISTS (SELECT 1 FROM doc_kind k WHERE k.Post_Seq = h.Post_Seq AND k.Post_No = h.Post_No)
UNION ALL
SELECT '3 documents', Post_Seq || ' ' || Post_No || ' has lines of ' || Kinds || ' kinds'
FROM doc_kind WHERE Kinds > 1
UNION ALL
SELECT '3 documents', h.Post_Seq || ' ' || h.Post_No || ' stamped ' || COALESCE(h.Kind, 'NULL')
       || ', lines ' || k.Kind
FROM header h JOIN doc_kind k ON k.Post_Seq = h.Post_Seq AND k.Post_No = h.Post_No
WHERE k.Kinds = 1 AND h.Kind IS NOT k.Kind
UNION ALL
SELECT '3 documents', 'leg ' || Entry_ID || ' of kind ' || Doc_Kind || ' in ' || Post_Seq || ' ' || Post_No
       || ' stamped ' || Stamped
FROM (SELECT l.Entry_ID, l.Doc_Kind, l.Post_Seq, l.Post_No,
             CASE l.Post_Seq WHEN 'DOC' THEN (SELECT Doc_Kind FROM Document_T WHERE DocID = l.Post_No)
               ELSE (SELECT CASE Order_Kind WHEN 'INV' THEN 'SI' ELSE Order_Kind END FROM Orders
                     WHERE OrderID = l.Post_No) END AS Stamped
      FROM Ledger_T l)
WHERE Stamped IS NOT NULL AND Doc_Kind <> Stamped
UNION ALL
SELECT '3 documents', d.Src_Table || ' row ' || d.Src_Row || ' names no header ' || d.Post_Seq || ' '
       || COALESCE(d.Post_No, 'NULL')
FROM doc_line d WHERE CASE d.Post_Seq WHEN 'DOC' THEN NOT EXISTS (SELECT 1 FROM Document_T WHERE DocID = d.Post_No)
                                        ELSE NOT EXISTS (SELECT 1 FROM Orders WHERE OrderID = d.Post_No) END
UNION ALL
SELECT '3 documents', 'Cash_T row ' || Row_ID || ' names no header ' || Doc_No
FROM Cash_T c WHERE NOT EXISTS (SELECT 1 FROM Document_T h WHERE h.DocID = c.Doc_No)
UNION ALL
SELECT '3 documents', 'work table ' || t || ' holds ' || n || ' row(s)'
FROM (SELECT 'Write_Ctx_T' AS t, COUNT(*) AS n FROM Write_Ctx_T
      UNION ALL SELECT 'Touched_Doc_T', COUNT(*) FROM Touched_Doc_T
      UNION ALL SELECT 'Closing_Ctx_T', COUNT(*) FROM Closing_Ctx_T) WHERE n > 0

-- 4. Journals balance; their non-zero lines and JNL legs match one to one; closing legs.
UNION ALL
SELECT '4 journals', 'journal ' || Doc_No_VC || ' nets to ' || SUM(Amount_NU)
FROM Journal_T GROUP BY Doc_No_VC HAVING SUM(Amount_NU) <> 0
UNION ALL
SELECT '4 journals', 'Journal_T row ' || j.Row_ID || ' has ' || COUNT(l.Entry_ID) || ' matching leg(s)'
FROM Journal_T j LEFT JOIN Ledger_T l ON l.Src_Table = 'Journal_T' AND l.Src_Row = j.Row_ID
  AND l.Doc_Kind = 'JNL' AND l.Post_Seq = 'DOC' AND l.Post_No = CAST(j.Doc_No_VC AS INTEGER)
  AND l.GL_ID = j.GL_ID AND l.Amount_NU = j.Amount_NU
GROUP BY j.Row_ID HAVING COUNT(l.Entry_ID) <> (MAX(j.Amount_NU) <> 0)
UNION ALL
SELECT '4 journals', 'JNL leg ' || l.Entry_ID || ' has no journal line'
FROM Ledger_T l WHERE (l.Doc_Kind = 'JNL' OR l.Src_Table = 'Journal_T') AND NOT EXISTS (
  SELECT 1 FROM Journal_T j WHERE l.Src_Table = 'Journal_T' AND j.Row_ID = l.Src_Row)
UNION ALL
SELECT '4 journals', 'closing leg ' || l.Entry_ID || ' on account ' || l.GL_ID
FROM Ledger_T l JOIN COA_T c ON c.GL_ID = l.GL_ID
WHERE l.Closing_bt = 1 AND c.Acct_Type <> 'PL' AND l.GL_ID NOT IN (SELECT GL_ID FROM re)
UNION ALL
SELECT '4 journals', 'closing ' || Post_Seq || ' ' || Post_No || ' nets to ' || SUM(Amount_NU)
FROM Ledger_T WHERE Closing_bt = 1 GROUP BY Post_Seq, Post_No HAVING SUM(Amount_NU) <> 0

-- 5. Open items never negative, never over-allocated, closed at zero in both currencies.
UNION ALL
SELECT '5 open items', Party_Kind || ' ' || Party_ID || ' item ' || Inv_No || ': open ' || sg * Cur
       || ', allocated ' || -sg * Settled || ', local ' || sg * Local
FROM (SELECT *, CASE Party_Kind WHEN 'C' THEN 1 ELSE -1 END AS sg FROM item)
WHERE sg * Cur < 0 OR -sg * Settled < 0 OR (Cur = 0 AND Local <> 0) OR Cur IS NULL

-- 6. A party account carries only ITEM, SETTLE and UFX legs of its own party, and those legs lie
--    on their party's account.
UNION ALL
SELECT '6 party accounts', 'leg ' || l.Entry_ID || ' (' || l.Leg || ') on party account ' || l.GL_ID
FROM Ledger_T l JOIN party p ON p.GL_ID = l.GL_ID
WHERE l.Leg NOT IN ('ITEM', 'SETTLE', 'UFX') OR l.Party_Kind IS NOT p.Party_Kind OR l.Party_ID IS NOT l.GL_ID
UNION ALL
SELECT '6 party accounts', 'leg ' || l.Entry_ID || ' (' || l.Leg || ') not on its party''s account'
FROM Ledger_T l WHERE l.Leg IN ('ITEM', 'SETTLE', 'UFX') AND NOT EXISTS (
  SELECT 1 FROM party p WHERE p.GL_ID = l.GL_ID AND p.Party_Kind = l.Party_Kind AND l.Party_ID = l.GL_ID)

-- 7. Billing never exceeds delivery or receipt; credit notes never exceed the invoice line.
UNION ALL
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

-- 8. Clearing accounts equal what their delivery and goods received lines have not yet billed.
UNION ALL
SELECT '8 clearing', 'Temp_Stock_T row ' || Row_ID || ' open value ' || Open_Value || ' with nothing open'
FROM Temp_Stock_T WHERE Open_Qty = 0 AND Open_Value IS NOT 0
UNION ALL
SELECT '8 clearing', 'account ' || a.GL_ID || ' balance ' || COALESCE(b.Bal, 0) || ', open lines '
       || a.Open_Value
FROM (SELECT x.GL_ID, COALESCE((SELECT SUM(CASE upper(s.doc_type) WHEN 'GRN' THEN -s.Open_Value ELSE s.Open_Value END)
                               FROM Temp_Stock_T s WHERE s.Clear_GL = x.GL_ID), 0) AS Open_Value
      FROM (SELECT payable_IN AS GL_ID FROM Product_AccountSet_T
            UNION SELECT shipment_IN FROM Product_AccountSet_T
            UNION SELECT Clear_GL FROM Temp_Stock_T WHERE Clear_GL IS NOT NULL) x) a
LEFT JOIN balance b ON b.GL_ID = a.GL_ID
WHERE COALESCE(b.Bal, 0) <> a.Open_Value

-- 9. Stock: quantities and values agree with the layers and moves and with the stock accounts.
UNION ALL
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

-- 10. VAT records equal the VAT postings per document and per control account; reconciliations.
UNION ALL
SELECT '10 VAT', Post_Seq || ' ' || Post_No || ': records ' || SUM(Rec) || ', VAT legs ' || SUM(Leg)
FROM (SELECT Post_Seq, Post_No, Amount AS Rec, 0 AS Leg FROM VAT_Control
      UNION ALL SELECT Post_Seq, Post_No, 0, Amount_NU FROM Ledger_T WHERE Leg = 'VAT')
GROUP BY Post_Seq, Post_No HAVING SUM(Rec) <> SUM(Leg)
UNION ALL
SELECT '10 VAT', 'account ' || a.GL_ID || ' balance ' || COALESCE(b.Bal, 0) || ', records ' || a.Amount
FROM (SELECT x.GL_ID, COALESCE((SELECT SUM(v.Amount) FROM VAT_Control v JOIN VAT_T t ON t.VAT_Code = v.vat_code
                               WHERE t.VAT_Control = x.GL_ID), 0) AS Amount
      FROM (SELECT DISTINCT VAT_Control AS GL_ID FROM VAT_T) x) a
LEFT JOIN balance b ON b.GL_ID = a.GL_ID
WHERE COALESCE(b.Bal, 0) <> a.Amount
UNION ALL
SELECT '10 VAT', 'record ' || v.VatID || ' status ' || v.vat_status || ', last reconciled by '
       || COALESCE(v.Recon_Post_No, 'none') || ', last reconciliation line '
       || COALESCE(r.postingid || ' to status ' || r.vat_status, 'none')
FROM VAT_Control v
LEFT JOIN last_recon x ON x.VatID = v.VatID LEFT JOIN VAT_Return r ON r.Row_ID = x.Row_ID
WHERE v.Recon_Post_No IS NOT r.postingid OR (r.Row_ID IS NOT NULL AND v.vat_status IS NOT r.vat_status)
UNION ALL
SELECT '10 VAT', 'VAT_Return row ' || Row_ID || ' names no record'
FROM VAT_Return r WHERE NOT EXISTS (SELECT 1 FROM VAT_Control v WHERE v.VatID = r.VatID)

-- 11. Translations: one outstanding per item; reversals negate them exactly and name each other.
UNION ALL
SELECT '11 translations', side || ' item ' || creditorid || '/' || inv_no || ' has ' || COUNT(*)
       || ' outstanding translations'
FROM (SELECT 'payable' AS side, creditorid, inv_no FROM Forex_Unrealised_T WHERE Reversed_By IS NULL
      UNION ALL SELECT 'receivable', creditorid, inv_no FROM Forex_Unrealised_AR_T WHERE Reversed_By IS NULL)
GROUP BY side, creditorid, inv_no HAVING COUNT(*) > 1
UNION ALL
SELECT '11 translations', p.Rev_Table || ' row ' || p.Rev_Row || ' reverses ' || COALESCE(p.Trans_Row, 'nothing')
       || ' (' || p.Problem || ')'
FROM (SELECT r.Rev_Table, r.Row_ID AS Rev_Row, r.Reverses_Row AS Trans_Row,
             CASE WHEN t.Row_ID IS NULL THEN 'no such translation'
                  WHEN t.Reversed_By IS NOT r.Post_No THEN 'translation reversed by ' || COALESCE(t.Reversed_By, 'none')
                  WHEN EXISTS (SELECT 1 FROM Ledger_T l
                               WHERE (l.Src_Table = r.Trans_Table AND l.Src_Row = t.Row_ID)
                                  OR (l.Src_Table = r.Rev_Table AND l.Src_Row = r.Row_ID)
                               GROUP BY l.GL_ID, l.Leg
                               HAVING SUM(l.Amount_NU) <> 0
                                   OR SUM(l.Src_Table = r.Rev_Table) <> SUM(l.Src_Table = r.Trans_Table))
                    THEN 'legs not negated' END AS Problem
      FROM (SELECT 'Forex_Reversal_T' AS Rev_Table, 'Forex_Unrealised_T' AS Trans_Table, Row_ID, Reverses_Row, Post_No
            FROM Forex_Reversal_T
            UNION ALL SELECT 'Forex_Reversal_AR_T', 'Forex_Unrealised_AR_T', Row_ID, Reverses_Row, Post_No
            FROM Forex_Reversal_AR_T) r
      LEFT JOIN (SELECT 'Forex_Unrealised_T' AS Trans_Table, Row_ID, Reversed_By FROM Forex_Unrealised_T
                 UNION ALL SELECT 'Forex_Unrealised_AR_T', Row_ID, Reversed_By FROM Forex_Unrealised_AR_T) t
        ON t.Trans_Table = r.Trans_Table AND t.Row_ID = r.Reverses_Row) p
WHERE p.Problem IS NOT NULL
UNION ALL
SELECT '11 translations', t.Trans_Table || ' row ' || t.Row_ID || ' reversed by ' || t.Reversed_By
       || ', which does not reverse it'
FROM (SELECT 'Forex_Unrealised_T' AS Trans_Table, Row_ID, Reversed_By FROM Forex_Unrealised_T
      UNION ALL SELECT 'Forex_Unrealised_AR_T', Row_ID, Reversed_By FROM Forex_Unrealised_AR_T) t
WHERE t.Reversed_By IS NOT NULL AND NOT EXISTS (
  SELECT 1 FROM Forex_Reversal_T r WHERE t.Trans_Table = 'Forex_Unrealised_T'
    AND r.Reverses_Row = t.Row_ID AND r.Post_No = t.Reversed_By
  UNION ALL
  SELECT 1 FROM Forex_Reversal_AR_T r WHERE t.Trans_Table = 'Forex_Unrealised_AR_T'
    AND r.Reverses_Row = t.Row_ID AND r.Post_No = t.Reversed_By)

-- 12. Bank movements come from receipts, payments and bank adjustments, each with one bank line.
UNION ALL
SELECT '12 bank', 'leg ' || l.Entry_ID || ' (' || l.Doc_Kind || ') on bank account ' || l.GL_ID
FROM Ledger_T l JOIN Bank_T b ON b.Bank_Code_VC = l.GL_ID WHERE l.Doc_Kind NOT IN ('RC', 'PY', 'BNK')
UNION ALL
SELECT '12 bank', 'BANK leg ' || l.Entry_ID || ' on account ' || l.GL_ID || ', which is no bank'
FROM Ledger_T l WHERE l.Leg = 'BANK' AND NOT EXISTS (SELECT 1 FROM Bank_T b WHERE b.Bank_Code_VC = l.GL_ID)
UNION ALL
SELECT '12 bank', 'DOC ' || k.Post_No || ' (' || k.Kind || ') has ' || COUNT(c.Row_ID) || ' bank line(s)'
FROM doc_kind k LEFT JOIN Cash_T c ON c.Doc_No = k.Post_No
WHERE k.Post_Seq = 'DOC' AND k.Kind IN ('RC', 'PY', 'BNK')
GROUP BY k.Post_No HAVING COUNT(c.Row_ID) <> 1
UNION ALL
SELECT '12 bank', 'Cash_T row ' || c.Row_ID || ' belongs to DOC ' || c.Doc_No || ' of kind ' || COALESCE(k.Kind, 'none')
FROM Cash_T c LEFT JOIN doc_kind k ON k.Post_Seq = 'DOC' AND k.Post_No = c.Doc_No
WHERE k.Kind IS NULL OR k.Kind NOT IN ('RC', 'PY', 'BNK')
UNION ALL
SELECT '12 bank', 'cheque ' || Chq_No_VC || ' used ' || COUNT(*) || ' times'
FROM Cash_T GROUP BY Chq_No_VC HAVING COUNT(*) > 1

-- 13. Masters: references hold, one role per account, account types, home currency, stock rows.
UNION ALL
SELECT '13 masters', 'foreign key: ' || "table" || ' row ' || COALESCE(rowid, 'NULL') || ' -> ' || parent
FROM pragma_foreign_key_check
UNION ALL
SELECT '13 masters', 'account ' || GL_ID || ' holds roles ' || group_concat(DISTINCT Role)
FROM v_Account_Role GROUP BY GL_ID HAVING COUNT(DISTINCT Role) > 1
UNION ALL
SELECT '13 masters', 'account ' || GL_ID || ' serves ' || COUNT(*) || ' ' || Role || ' records'
FROM v_Account_Role WHERE Role IN ('PARTY', 'BANK') GROUP BY GL_ID, Role HAVING COUNT(*) > 1
UNION ALL
SELECT '13 masters', r.Role || ' account ' || r.GL_ID || ' is ' || COALESCE(c.Acct_Type, 'missing')
FROM v_Account_Role r LEFT JOIN COA_T c ON c.GL_ID = r.GL_ID
WHERE r.Role IN ('PARTY', 'BANK', 'VAT', 'STOCK', 'GRNI', 'SHIP') AND c.Acct_Type IS NOT 'BS'
UNION ALL
SELECT '13 masters', x.What || ' account ' || x.GL_ID || ' is ' || COALESCE(c.Acct_Type, 'missing')
FROM (SELECT 'category ' || Pdt_Category_VC || ' sales' AS What, Sales_IN AS GL_ID, 0 AS Local FROM Product_Category_T
      UNION ALL SELECT 'category ' || Pdt_Category_VC || ' cost of sales', COS_IN, 0 FROM Product_Category_T
      UNION ALL SELECT 'party ' || CustomerID || ' ' || g.n, g.GL_ID, Forex = 0
        FROM (SELECT CustomerID, Forex, 'UnRG' AS n, UnRG AS GL_ID FROM Customers
              UNION ALL SELECT CustomerID, Forex, 'UnRL', UnRL FROM Customers
              UNION ALL SELECT CustomerID, Forex, 'RG', RG FROM Customers
              UNION ALL SELECT CustomerID, Forex, 'RL', RL FROM Customers
              UNION ALL SELECT CustomerID, Forex, 'UnRG', UnRG FROM Creditors
              UNION ALL SELECT CustomerID, Forex, 'UnRL', UnRL FROM Creditors
              UNION ALL SELECT CustomerID, Forex, 'RG', RG FROM Creditors
              UNION ALL SELECT CustomerID, Forex, 'RL', RL FROM Creditors) g) x
LEFT JOIN COA_T c ON c.GL_ID = x.GL_ID
WHERE c.Acct_Type IS NOT 'PL' AND NOT (x.Local AND x.GL_ID = 1)
UNION ALL
SELECT '13 masters', 'party ' || p.CustomerID || ' is ' || CASE p.Forex WHEN 1 THEN 'FOREIGN' ELSE 'LOCAL' END
       || ' in ' || p.Cur_Type
FROM (SELECT CustomerID, Forex, Cur_Type FROM Customers UNION ALL SELECT CustomerID, Forex, Cur_Type FROM Creditors) p
CROSS JOIN Settings_T s
WHERE (p.Forex = 0) <> (p.Cur_Type = s.Home_Cur_Type COLLATE NOCASE)
UNION ALL
SELECT '13 masters', 'item ' || Pdt_ID_VC || ' has no stock row'
FROM Product_T p WHERE NOT EXISTS (SELECT 1 FROM Stock_Item_T s WHERE s.Pdt_ID_VC = p.Pdt_ID_VC)

-- 14. Every request present was applied: its record exists unless a later request undid it.
UNION ALL
SELECT '14 requests', r.Twin || ' request ' || r.Req_ID || ' (' || r.Fn || ' ' || COALESCE(r.Locator, 'NULL')
       || ') not applied'
FROM request r
WHERE CASE WHEN r.Fn IN ('C', 'U') THEN NOT r.Found AND NOT EXISTS (
             SELECT 1 FROM request d WHERE d.Twin = r.Twin AND d.Req_ID > r.Req_ID AND d.Fn = 'D'
               AND d.Locator = r.Locator COLLATE NOCASE)
           WHEN r.Fn = 'D' THEN r.Found AND NOT EXISTS (
             SELECT 1 FROM request c WHERE c.Twin = r.Twin AND c.Req_ID > r.Req_ID AND c.Fn = 'C'
               AND c.Locator = r.Locator COLLATE NOCASE)
           ELSE 1 END

-- 15. Every kept balance equals the sum of its postings, and every non-zero sum has its balance.
UNION ALL
SELECT '15 account balances', 'account ' || b.GL_ID || ' ' || b.Year_SI || '/' || b.Period_TI
       || CASE b.Closing_bt WHEN 1 THEN ' closing' ELSE '' END || ' holds ' || quote(b.Amount_NU)
       || ' but its postings sum to ' || COALESCE(p.Amt, 0)
FROM Ledger_Balance_T b LEFT JOIN posted_sum p
  ON p.GL_ID = b.GL_ID AND p.Year_SI = b.Year_SI AND p.Period_TI = b.Period_TI AND p.Closing_bt = b.Closing_bt
WHERE b.Amount_NU IS NOT COALESCE(p.Amt, 0)
UNION ALL
SELECT '15 account balances', 'account ' || p.GL_ID || ' ' || p.Year_SI || '/' || p.Period_TI
       || CASE p.Closing_bt WHEN 1 THEN ' closing' ELSE '' END || ' has postings summing to ' || p.Amt
       || ' but no balance'
FROM posted_sum p
WHERE p.Amt <> 0 AND NOT EXISTS (
  SELECT 1 FROM Ledger_Balance_T b WHERE b.GL_ID = p.GL_ID AND b.Year_SI = p.Year_SI
    AND b.Period_TI = p.Period_TI AND b.Closing_bt = p.Closing_bt)

-- 16. The kept size of the ledger is the sum of its legs' sizes and within the books' limit.
UNION ALL
SELECT '16 ledger size', 'the ledger size holds ' || quote(z.Amount_NU) || ' but its legs sum to '
       || (SELECT COALESCE(SUM(abs(Amount_NU) + abs(COALESCE(Cur_Amount, 0))), 0) FROM Ledger_T)
FROM Ledger_Size_T z
WHERE z.Amount_NU IS NOT (SELECT COALESCE(SUM(abs(Amount_NU) + abs(COALESCE(Cur_Amount, 0))), 0) FROM Ledger_T)
   OR z.Amount_NU > 1000000000000000000;
