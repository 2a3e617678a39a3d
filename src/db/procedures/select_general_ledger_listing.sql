--! procedure select_general_ledger_listing
--! param year INTEGER
--! param acctcode1 INTEGER
--! param acctcode2 INTEGER
--! result GL_ID INTEGER, "Date" DATE, GL_Name_VC TEXT, Descrip_VC TEXT, "Period Dr" CURRENCY, "Period Cr" CURRENCY
-- Transaction listing: every posting of the year on the accounts from acctcode1 to acctcode2
-- (none when the first code is the greater), by account, date and posting, the amount in the
-- debit or the credit column. No brought-forward line: an account's sums are the year's movement.
SELECT l.GL_ID AS GL_ID, l.date_dt AS "Date", c.GL_Name_VC AS GL_Name_VC, l.Descrip_VC AS Descrip_VC,
       CASE WHEN l.Amount_NU > 0 THEN l.Amount_NU ELSE 0 END AS "Period Dr",
       CASE WHEN l.Amount_NU < 0 THEN -l.Amount_NU ELSE 0 END AS "Period Cr"
FROM Ledger_T l JOIN COA_T c ON c.GL_ID = l.GL_ID
WHERE l.Year_SI = :year AND l.GL_ID BETWEEN :acctcode1 AND :acctcode2
ORDER BY l.GL_ID, l.date_dt, l.Post_Seq, l.Post_No, l.Entry_ID;
