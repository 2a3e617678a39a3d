-- 14. Every request present was applied: its record exists unless a later request undid it.
WITH
-- Every request with the locator that finds its record, and whether that record exists now.
request (Twin, Req_ID, Fn, Locator, Found) AS (
  SELECT 'Temp_COA', Req_ID, upper(Function_type), GL_Name_VC,
         EXISTS (SELECT 1 FROM COA_T m WHERE m.GL_Name_VC = r.GL_Name_VC) FROM Temp_COA r
  UNION ALL SELECT 'Temp_Customers', Req_ID, upper(Function_type), CompanyName,
         EXISTS (SELECT 1 FROM Customers m WHERE m.CompanyName = r.CompanyName) FROM Temp_Customers r
  UNION ALL SELECT 'Temp_Creditors', Req_ID, upper(Function_type), CompanyName,
         EXISTS (SELECT 1 FROM Creditors m WHERE m.CompanyName = r.CompanyName) FROM Temp_Creditors r
  UNION ALL SELECT 'Temp_Shippers', Req_ID, upper(Function_type), CompanyName,
         EXISTS (SELECT 1 FROM Shippers m WHERE m.CompanyName = r.CompanyName) FROM Temp_Shippers r
  UNION ALL SELECT 'Temp_Employees', Req_ID, upper(Function_type), LastName || ', ' || FirstName,
         EXISTS (SELECT 1 FROM Employees m WHERE m.LastName = r.LastName AND m.FirstName = r.FirstName)
    FROM Temp_Employees r
  UNION ALL SELECT 'Temp_VAT', Req_ID, upper(Function_type), vat_name,
         EXISTS (SELECT 1 FROM VAT_T m WHERE m.VAT_Name = r.vat_name) FROM Temp_VAT r
  UNION ALL SELECT 'Temp_Product_Category_T', Req_ID, upper(Function_type), Pdt_Category_VC,
         EXISTS (SELECT 1 FROM Product_Category_T m WHERE m.Pdt_Category_VC = r.Pdt_Category_VC)
    FROM Temp_Product_Category_T r
  UNION ALL SELECT 'Temp_Product_Accountset_T', Req_ID, upper(Function_type), Pdt_Acctset_VC,
         EXISTS (SELECT 1 FROM Product_AccountSet_T m WHERE m.Pdt_Acctset_VC = r.Pdt_Acctset_VC)
    FROM Temp_Product_Accountset_T r
  UNION ALL SELECT 'Temp_Product_T', Req_ID, upper(Function_type), Pdt_ID_VC,
         EXISTS (SELECT 1 FROM Product_T m WHERE m.Pdt_ID_VC = r.Pdt_ID_VC) FROM Temp_Product_T r
  UNION ALL SELECT 'Temp_Bank', Req_ID, upper(Function_type), Bank_name,
         EXISTS (SELECT 1 FROM Bank_T m WHERE m.Bank_name = r.Bank_name) FROM Temp_Bank r)
SELECT '14 requests', r.Twin || ' request ' || r.Req_ID || ' (' || r.Fn || ' ' || COALESCE(r.Locator, 'NULL')
       || ') not applied'
FROM request r
WHERE CASE WHEN r.Fn IN ('C', 'U') THEN NOT r.Found AND NOT EXISTS (
             SELECT 1 FROM request d WHERE d.Twin = r.Twin AND d.Req_ID > r.Req_ID AND d.Fn = 'D'
               AND d.Locator = r.Locator COLLATE NOCASE)
           WHEN r.Fn = 'D' THEN r.Found AND NOT EXISTS (
             SELECT 1 FROM request c WHERE c.Twin = r.Twin AND c.Req_ID > r.Req_ID AND c.Fn = 'C'
               AND c.Locator = r.Locator COLLATE NOCASE)
           ELSE 1 END
