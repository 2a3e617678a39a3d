--! procedure select_cash_setup
--! param Name TEXT
--! result Bank_Add_VC TEXT, Bank_Contact_VC TEXT, GL_ID INTEGER, GL_Name_VC TEXT
-- The bank of one name, for the bank set-up window's pick: its address and contact, and its account
-- as GL_ID with that account's name. Texts come back as '' in place of NULL.
SELECT COALESCE(b.Bank_Add_VC, '') AS Bank_Add_VC, COALESCE(b.Bank_Contact_VC, '') AS Bank_Contact_VC,
       b.Bank_Code_VC AS GL_ID, COALESCE(a.GL_Name_VC, '') AS GL_Name_VC
FROM Bank_T b LEFT JOIN COA_T a ON a.GL_ID = b.Bank_Code_VC
WHERE b.Bank_name = :Name;
