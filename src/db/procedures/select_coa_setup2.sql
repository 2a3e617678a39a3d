--! procedure select_coa_setup2
--! param Name TEXT
--! result GL_ID INTEGER, GL_Name_VC TEXT, Acct_Type TEXT, BS_Category_VC TEXT, Sub_Category_VC TEXT, Status_bt INTEGER
-- The account of one name, for the chart-of-accounts window's pick (names compare without regard
-- to case). Status_bt comes back as the number 1 or 0.
SELECT GL_ID, GL_Name_VC, Acct_Type, BS_Category_VC, Sub_Category_VC, Status_bt
FROM COA_T WHERE GL_Name_VC = :Name;
