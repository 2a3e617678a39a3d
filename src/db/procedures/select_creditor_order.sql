--! procedure select_creditor_order
--! param Name TEXT
--! result "Item Code" TEXT, "Qty Received" INTEGER, "Qty Billed" INTEGER, "GRN No" INTEGER, "PO" TEXT
--! result "Cur Type" TEXT, "Cur Rate" REAL, "Unit Price" CURRENCY, "VAT Code" INTEGER, "VAT Rate" REAL
-- The goods received lines of the supplier named that its invoice may still bill (some quantity
-- not yet billed), for the purchase invoice's pick list: billed = received less what is open; the
-- price is the received unit cost, the VAT rate the line's fraction.
SELECT t.Pdt_ID_VC AS "Item Code", t.qty_nu AS "Qty Received", t.qty_nu - t.Open_Qty AS "Qty Billed",
       t.Doc_No_VC AS "GRN No", t.PO AS "PO", t.Cur_Type AS "Cur Type", round(t.cur_rate, 4) AS "Cur Rate",
       t.Unit_Price_TI AS "Unit Price", t.vat_code AS "VAT Code", round(t.vat_rate, 4) AS "VAT Rate"
-- The open lines' own index: ordered by note, the unique index would walk every received line.
FROM Creditors c JOIN Temp_Stock_T t INDEXED BY Temp_Stock_Open ON t.customerid = c.CustomerID AND t.doc_type = 'GRN' AND t.Open_Qty > 0
WHERE c.CompanyName = :Name
ORDER BY t.Doc_No_VC, t.Row_ID;
