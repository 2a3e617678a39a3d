--! procedure select_coa
--! result GL_ID INTEGER, GL_Name_VC TEXT, Acct_Type TEXT, BS_Category_VC TEXT, Sub_Category_VC TEXT
-- The accounts a journal or adjustment line may name: the active accounts, by code. Callers read
-- positions 0 to 2 (code, name, type); the categories are only shown.
SELECT GL_ID, GL_Name_VC, Acct_Type, BS_Category_VC, Sub_Category_VC
FROM COA_T WHERE Status_bt = 1 ORDER BY GL_ID;
