--! procedure check_invariants
--! result Rule TEXT, Detail TEXT
-- One row per broken rule of the books, anywhere in the file; no rows when the books are sound.
-- Tests run it after every scenario; it is also the check to run after a change made by hand.
-- Rule is the number of the rule and a short name; Detail names what breaks it.
-- Each rule is a file of check_invariants/ (a query, its own helper tables first); the catalog
-- joins their rows in file-name order. Below: the helper tables several rules read.
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
party (GL_ID, Party_Kind) AS (
  SELECT CustomerID, 'C' FROM Customers UNION ALL SELECT CustomerID, 'S' FROM Creditors),
balance (GL_ID, Bal) AS (SELECT GL_ID, SUM(Amount_NU) FROM Ledger_T GROUP BY GL_ID)
