-- 4. Journals balance; their non-zero lines and JNL legs match one to one; closing legs.
WITH
re (GL_ID) AS (SELECT GL_ID FROM GL_Designated_T WHERE Role_VC = 'RE')
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
