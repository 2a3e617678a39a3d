--! procedure select_retained_earnings
--! param Year TEXT
--! result GL_ID INTEGER, GL_Name_VC TEXT, Amount CURRENCY, Balance CURRENCY
-- The year-end transfer: every profit-and-loss account with a balance in the year (closing entries
-- included, so a closed year offers nothing), with the amount that empties it (debit positive) and
-- the balance itself. The year is the window's four-digit text; anything else lists nothing.
WITH b AS (
  SELECT l.GL_ID, SUM(l.Amount_NU) AS bal
  FROM Ledger_T l JOIN COA_T c ON c.GL_ID = l.GL_ID
  WHERE c.Acct_Type = 'PL'
    AND l.Year_SI = CASE WHEN trim(:Year) GLOB '[0-9][0-9][0-9][0-9]' THEN CAST(trim(:Year) AS INTEGER) END
  GROUP BY l.GL_ID HAVING SUM(l.Amount_NU) <> 0)
SELECT c.GL_ID, c.GL_Name_VC, -b.bal AS Amount, b.bal AS Balance
FROM b JOIN COA_T c ON c.GL_ID = b.GL_ID ORDER BY c.GL_ID;
