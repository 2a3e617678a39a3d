-- 12. Bank movements come from receipts, payments and bank adjustments, each with one bank line.
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
