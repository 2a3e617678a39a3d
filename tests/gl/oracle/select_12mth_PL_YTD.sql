--! procedure select_12mth_PL_YTD
--! param year INTEGER
--! result "Acct Code" INTEGER, "Acct Name" TEXT, "Period 01" CURRENCY, "Period 02" CURRENCY, "Period 03" CURRENCY
--! result "Period 04" CURRENCY, "Period 05" CURRENCY, "Period 06" CURRENCY, "Period 07" CURRENCY, "Period 08" CURRENCY
--! result "Period 09" CURRENCY, "Period 10" CURRENCY, "Period 11" CURRENCY, "Period 12" CURRENCY, "Year to Date" CURRENCY
-- The profit and loss for the year split by month, with the year to date, and the net result per
-- month on the last line. An account that moved in some month keeps its line even when its year
-- nets to zero; the year-to-date column and the last line agree with the profit and loss.
WITH m AS (SELECT l.GL_ID, l.Period_TI AS p, -SUM(l.Amount_NU) AS amt
           FROM Ledger_T l JOIN COA_T c ON c.GL_ID = l.GL_ID
           WHERE c.Acct_Type = 'PL' AND l.Year_SI = :year AND l.Closing_bt = 0
           GROUP BY l.GL_ID, l.Period_TI),
     a AS (SELECT GL_ID,
             SUM(CASE p WHEN 1 THEN amt ELSE 0 END) AS p01, SUM(CASE p WHEN 2 THEN amt ELSE 0 END) AS p02,
             SUM(CASE p WHEN 3 THEN amt ELSE 0 END) AS p03, SUM(CASE p WHEN 4 THEN amt ELSE 0 END) AS p04,
             SUM(CASE p WHEN 5 THEN amt ELSE 0 END) AS p05, SUM(CASE p WHEN 6 THEN amt ELSE 0 END) AS p06,
             SUM(CASE p WHEN 7 THEN amt ELSE 0 END) AS p07, SUM(CASE p WHEN 8 THEN amt ELSE 0 END) AS p08,
             SUM(CASE p WHEN 9 THEN amt ELSE 0 END) AS p09, SUM(CASE p WHEN 10 THEN amt ELSE 0 END) AS p10,
             SUM(CASE p WHEN 11 THEN amt ELSE 0 END) AS p11, SUM(CASE p WHEN 12 THEN amt ELSE 0 END) AS p12,
             SUM(amt) AS ytd
           FROM m GROUP BY GL_ID HAVING MAX(amt <> 0) = 1),
     r AS (SELECT 0 AS grp, o.ck, o.sk, c.GL_ID AS code, c.GL_Name_VC AS name,
                  a.p01, a.p02, a.p03, a.p04, a.p05, a.p06, a.p07, a.p08, a.p09, a.p10, a.p11, a.p12, a.ytd
           FROM a JOIN COA_T c ON c.GL_ID = a.GL_ID JOIN v_COA_Order o ON o.GL_ID = c.GL_ID
           UNION ALL
           SELECT 1, 0, 0, NULL, 'NET PROFIT / (LOSS)',
                  COALESCE(SUM(p01),0), COALESCE(SUM(p02),0), COALESCE(SUM(p03),0), COALESCE(SUM(p04),0),
                  COALESCE(SUM(p05),0), COALESCE(SUM(p06),0), COALESCE(SUM(p07),0), COALESCE(SUM(p08),0),
                  COALESCE(SUM(p09),0), COALESCE(SUM(p10),0), COALESCE(SUM(p11),0), COALESCE(SUM(p12),0),
                  COALESCE(SUM(ytd),0) FROM a)
SELECT code AS "Acct Code", name AS "Acct Name", p01 AS "Period 01", p02 AS "Period 02", p03 AS "Period 03",
       p04 AS "Period 04", p05 AS "Period 05", p06 AS "Period 06", p07 AS "Period 07", p08 AS "Period 08",
       p09 AS "Period 09", p10 AS "Period 10", p11 AS "Period 11", p12 AS "Period 12", ytd AS "Year to Date"
FROM r ORDER BY grp, ck, sk, code;
