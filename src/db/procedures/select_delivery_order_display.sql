--! procedure select_delivery_order_display
--! result "Category" TEXT, "Item Code" TEXT, "Description" TEXT, "VAT Code" INTEGER, "VAT Rate" REAL
--! result "Qty In Stock" INTEGER
-- The items a delivery order can take out of stock: those with stock on hand, by category, for
-- the delivery order's stock list. The description is the item's name, the VAT rate a fraction.
SELECT p.Pdt_Category_VC AS "Category", p.Pdt_ID_VC AS "Item Code", p.Pdt_Name_VC AS "Description",
       p.vat_code AS "VAT Code", round(v.VAT_Rate / 100.0, 4) AS "VAT Rate", s.Qty_On_Hand AS "Qty In Stock"
FROM Stock_Item_T s JOIN Product_T p ON p.Pdt_ID_VC = s.Pdt_ID_VC
JOIN VAT_T v ON v.VAT_Code = p.vat_code
WHERE s.Qty_On_Hand > 0
ORDER BY p.Pdt_Category_VC, p.Pdt_ID_VC;
