-- 2. Every leg: an existing account, a non-zero whole-cent amount, a header.
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
