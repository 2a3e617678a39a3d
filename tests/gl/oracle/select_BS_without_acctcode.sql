--! procedure select_BS_without_acctcode
--! param year INTEGER
--! result "Acct Name" TEXT, "$" CURRENCY
-- The balance sheet's figures, one row per printed name: the sub-category, or the category when
-- the account has none. Names that differ only in case are one row. The result not yet
-- transferred to retained earnings follows on its own line, as on the balance sheet with codes.
WITH bs AS (SELECT l.GL_ID, SUM(l.Amount_NU) AS bal FROM Ledger_T l JOIN COA_T c ON c.GL_ID = l.GL_ID
            WHERE c.Acct_Type = 'BS' AND l.Year_SI <= :year
            GROUP BY l.GL_ID HAVING SUM(l.Amount_NU) <> 0),
     pl AS (SELECT SUM(l.Amount_NU) AS bal FROM Ledger_T l JOIN COA_T c ON c.GL_ID = l.GL_ID
            WHERE c.Acct_Type = 'PL' AND l.Year_SI <= :year),
     r AS (SELECT 0 AS grp, MIN(o.ck) AS ck, MIN(o.sk) AS sk,
                  COALESCE(NULLIF(trim(c.Sub_Category_VC), ''), NULLIF(trim(c.BS_Category_VC), ''), 'Other')
                    COLLATE NOCASE AS name,
                  SUM(bs.bal) AS amt
           FROM bs JOIN COA_T c ON c.GL_ID = bs.GL_ID JOIN v_COA_Order o ON o.GL_ID = c.GL_ID
           GROUP BY name HAVING SUM(bs.bal) <> 0
           UNION ALL
           SELECT 1, 0, 0, '(Profit)/Loss to date', bal FROM pl WHERE bal <> 0)
SELECT name AS "Acct Name", amt AS "$" FROM r ORDER BY grp, ck, sk, name;
