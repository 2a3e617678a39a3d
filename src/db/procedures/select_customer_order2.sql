--! procedure select_customer_order2
--! param Name TEXT
--! result "Item Code" TEXT, "Qty Delivered" INTEGER, "Qty Billed" INTEGER, "DO No" INTEGER, "PO" TEXT
--! result "Unit Price" CURRENCY, "VAT Code" INTEGER, "VAT Rate" REAL
-- The delivery lines of one customer that invoices have not yet wholly billed, for the sales
-- invoice's pick list: billed is what earlier invoices took, the price the delivery's selling
-- price and the VAT rate the delivery line's own fraction. In delivery order, then line order.
SELECT t.Pdt_ID_VC AS "Item Code", t.qty_nu AS "Qty Delivered", t.qty_nu - t.Open_Qty AS "Qty Billed",
       t.Doc_No_VC AS "DO No", t.PO AS "PO", t.Sell_Price AS "Unit Price", t.vat_code AS "VAT Code",
       round(t.vat_rate, 4) AS "VAT Rate"
FROM Customers c JOIN Temp_Stock_T t ON t.customerid = c.CustomerID AND t.doc_type = 'DO' AND t.Open_Qty > 0
WHERE c.CompanyName = :Name
ORDER BY t.Doc_No_VC, t.Row_ID;
