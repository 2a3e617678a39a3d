--! procedure select_balance_sheet_YTD
--! param year INTEGER
--! result "Acct Code" INTEGER, "Acct Name" TEXT, "$" CURRENCY
-- Balance sheet at the end of the year: each balance-sheet account with its balance (debit
-- positive, so liabilities and equity print in parentheses), retained earnings included, in the
-- order of the categories and sub-categories. The profit-and-loss postings not yet transferred to
-- retained earnings follow on one line without a code; the column then nets to zero.
WITH bs AS (SELECT l.GL_ID, SUM(l.Amount_NU) AS bal FROM Ledger_T l JOIN COA_T c ON c.GL_ID = l.GL_ID
            WHERE c.Acct_Type = 'BS' AND l.Year_SI <= :year
            GROUP BY l.GL_ID HAVING SUM(l.Amount_NU) <> 0),
     pl AS (SELECT SUM(l.Amount_NU) AS bal FROM Ledger_T l JOIN COA_T c ON c.GL_ID = l.GL_ID
            WHERE c.Acct_Type = 'PL' AND l.Year_SI <= :year),
     r AS (SELECT 0 AS grp, o.ck, o.sk, c.GL_ID AS code, c.GL_Name_VC AS name, bs.bal AS amt
           FROM bs JOIN COA_T c ON c.GL_ID = bs.GL_ID JOIN v_COA_Order o ON o.GL_ID = c.GL_ID
           UNION ALL
           SELECT 1, 0, 0, NULL, '(Profit)/Loss to date', bal FROM pl WHERE bal <> 0)
SELECT code AS "Acct Code", name AS "Acct Name", amt AS "$" FROM r ORDER BY grp, ck, sk, code;
