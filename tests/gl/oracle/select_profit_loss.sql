--! procedure select_profit_loss
--! param year INTEGER
--! result "Acct Code" INTEGER, "Acct Name" TEXT, "$" CURRENCY
-- Profit and loss for the year: each profit-and-loss account's movement in the year, income
-- positive and expenses in parentheses, then the net result on a line without a code (always
-- there). The year-end transfer to retained earnings is left out, so a closed year still shows
-- its result.
WITH p AS (SELECT l.GL_ID, -SUM(l.Amount_NU) AS amt FROM Ledger_T l JOIN COA_T c ON c.GL_ID = l.GL_ID
           WHERE c.Acct_Type = 'PL' AND l.Year_SI = :year AND l.Closing_bt = 0
           GROUP BY l.GL_ID HAVING SUM(l.Amount_NU) <> 0),
     r AS (SELECT 0 AS grp, o.ck, o.sk, c.GL_ID AS code, c.GL_Name_VC AS name, p.amt
           FROM p JOIN COA_T c ON c.GL_ID = p.GL_ID JOIN v_COA_Order o ON o.GL_ID = c.GL_ID
           UNION ALL
           SELECT 1, 0, 0, NULL, 'NET PROFIT / (LOSS)', COALESCE((SELECT SUM(amt) FROM p), 0))
SELECT code AS "Acct Code", name AS "Acct Name", amt AS "$" FROM r ORDER BY grp, ck, sk, code;
