--! procedure select_VAT_setup
--! param Name TEXT
--! result VAT_Descrip TEXT, VAT_Reg TEXT, VAT_Code INTEGER, VAT_Rate REAL, GL_ID INTEGER, GL_Name_VC TEXT
-- The VAT code of one name, for the VAT set-up window's pick (names compare without regard to case):
-- its description, registration number, code number and rate in per cent, and its control account as
-- GL_ID with that account's name. Texts come back as '' in place of NULL.
SELECT COALESCE(v.VAT_Descrip, '') AS VAT_Descrip, COALESCE(v.VAT_Reg, '') AS VAT_Reg, v.VAT_Code AS VAT_Code,
       round(v.VAT_Rate, 4) AS VAT_Rate, v.VAT_Control AS GL_ID, COALESCE(a.GL_Name_VC, '') AS GL_Name_VC
FROM VAT_T v LEFT JOIN COA_T a ON a.GL_ID = v.VAT_Control
WHERE v.VAT_Name = :Name;
