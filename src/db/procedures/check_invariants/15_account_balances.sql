-- 15. Every kept balance equals the sum of its postings, and every non-zero sum has its balance.
WITH
-- The postings summed by the key of the kept balances.
posted_sum (GL_ID, Year_SI, Period_TI, Closing_bt, Amt) AS (
  SELECT GL_ID, Year_SI, Period_TI, Closing_bt, SUM(Amount_NU) FROM Ledger_T
  GROUP BY GL_ID, Year_SI, Period_TI, Closing_bt)
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
