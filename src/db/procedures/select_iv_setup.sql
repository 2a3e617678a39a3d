--! procedure select_iv_setup
--! param Name TEXT
--! result Pdt_Category_VC TEXT, Category_Name_VC TEXT, Sales_IN INTEGER, COS_IN INTEGER
-- The product category of one name, for the inventory set-up window's pick (names compare without
-- regard to case). Texts come back as '' in place of NULL.
SELECT COALESCE(Pdt_Category_VC, '') AS Pdt_Category_VC, COALESCE(Category_Name_VC, '') AS Category_Name_VC,
       Sales_IN AS Sales_IN, COS_IN AS COS_IN
FROM Product_Category_T
WHERE Category_Name_VC = :Name;
