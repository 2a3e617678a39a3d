--! procedure select_chart_of_acct
--! param year INTEGER
--! result "Acct Code" INTEGER, "Acct Name" TEXT, "Debit Bal" CURRENCY, "Credit Bal" CURRENCY
-- Trial balance: each account's balance at the end of the year, every posting up to then
-- included (closings too), in the debit or the credit column. The ledger nets to zero in every
-- year, so the two columns always add up to the same total. Accounts at zero are left out.
WITH b AS (SELECT GL_ID, SUM(Amount_NU) AS bal FROM Ledger_T WHERE Year_SI <= :year
           GROUP BY GL_ID HAVING SUM(Amount_NU) <> 0)
SELECT c.GL_ID AS "Acct Code", c.GL_Name_VC AS "Acct Name",
       CASE WHEN b.bal > 0 THEN b.bal ELSE 0 END AS "Debit Bal",
       CASE WHEN b.bal < 0 THEN -b.bal ELSE 0 END AS "Credit Bal"
FROM b JOIN COA_T c ON c.GL_ID = b.GL_ID ORDER BY c.GL_ID;
