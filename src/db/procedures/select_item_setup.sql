--! procedure select_item_setup
--! param Code TEXT
--! result Pdt_ID_VC TEXT, Pdt_Name_VC TEXT, Pdt_Descrip_VC TEXT, Pdt_Category_VC TEXT, vat_code INTEGER
--! result Pdt_Acctset_VC TEXT
-- The item of one code, for the inventory set-up window's pick (codes compare without regard to
-- case). Texts come back as '' in place of NULL.
SELECT COALESCE(Pdt_ID_VC, '') AS Pdt_ID_VC, COALESCE(Pdt_Name_VC, '') AS Pdt_Name_VC,
       COALESCE(Pdt_Descrip_VC, '') AS Pdt_Descrip_VC, COALESCE(Pdt_Category_VC, '') AS Pdt_Category_VC,
       vat_code AS vat_code, COALESCE(Pdt_Acctset_VC, '') AS Pdt_Acctset_VC
FROM Product_T
WHERE Pdt_ID_VC = :Code;
