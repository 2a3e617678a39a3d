--! procedure select_stock_bal_display
--! result "Category" TEXT, "Item Code" TEXT, "Description" TEXT, "VAT Code" INTEGER, "VAT Rate" REAL
--! result "Qty In Stock" INTEGER
-- Every item, with its stock on hand (none included), for the goods received note's stock list:
-- the description is the item's name, the VAT rate a fraction.
SELECT p.Pdt_Category_VC AS "Category", p.Pdt_ID_VC AS "Item Code", p.Pdt_Name_VC AS "Description",
       p.vat_code AS "VAT Code", round(v.VAT_Rate / 100.0, 4) AS "VAT Rate",
       COALESCE(s.Qty_On_Hand, 0) AS "Qty In Stock"
FROM Product_T p JOIN VAT_T v ON v.VAT_Code = p.vat_code
LEFT JOIN Stock_Item_T s ON s.Pdt_ID_VC = p.Pdt_ID_VC
ORDER BY p.Pdt_Category_VC, p.Pdt_ID_VC;
