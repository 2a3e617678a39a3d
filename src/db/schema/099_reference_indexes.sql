-- Every reference to a master row is indexed, so deleting or renaming a master and each
-- history probe of the staging rules ("has this code been used?") search instead of
-- reading whole line tables. A new referencing column gets its index here too. A stock move's
-- layer is no master: no statement deletes or renumbers a layer, so nothing ever looks up the
-- moves of one, and a FIFO issue would pay an entry for every layer it takes.
CREATE INDEX Cash_Adj_T_GL_ID ON Cash_Adj_T (GL_ID);
CREATE INDEX Cash_T_Bank_Code_VC ON Cash_T (Bank_Code_VC);
CREATE INDEX Document_T_EmployeeID ON Document_T (EmployeeID);
CREATE INDEX Forex_Master_T_Cur_Type ON Forex_Master_T (Cur_Type);
CREATE INDEX Forex_Unrealised_AR_T_creditorid ON Forex_Unrealised_AR_T (creditorid);
CREATE INDEX Forex_Unrealised_T_creditorid ON Forex_Unrealised_T (creditorid);
CREATE INDEX GL_Designated_T_GL_ID ON GL_Designated_T (GL_ID);
CREATE INDEX Journal_T_GL_ID ON Journal_T (GL_ID);
CREATE INDEX Orders_EmployeeID ON Orders (EmployeeID);
CREATE INDEX Orders_ShipVia ON Orders (ShipVia);
CREATE INDEX Product_AccountSet_T_Stock_IN ON Product_AccountSet_T (Stock_IN);
CREATE INDEX Product_AccountSet_T_payable_IN ON Product_AccountSet_T (payable_IN);
CREATE INDEX Product_AccountSet_T_shipment_IN ON Product_AccountSet_T (shipment_IN);
CREATE INDEX Product_Category_T_COS_IN ON Product_Category_T (COS_IN);
CREATE INDEX Product_Category_T_Sales_IN ON Product_Category_T (Sales_IN);
CREATE INDEX Product_T_Pdt_Acctset_VC ON Product_T (Pdt_Acctset_VC);
CREATE INDEX Product_T_Pdt_Category_VC ON Product_T (Pdt_Category_VC);
CREATE INDEX Product_T_vat_code ON Product_T (vat_code);
CREATE INDEX Purchases_Adj_T_GL_ID ON Purchases_Adj_T (GL_ID);
CREATE INDEX Purchases_Adj_T_customerid ON Purchases_Adj_T (customerid);
CREATE INDEX Purchases_T_GL_ID ON Purchases_T (GL_ID) WHERE GL_ID IS NOT NULL;  -- payments name one
CREATE INDEX Purchases_T_customerid ON Purchases_T (customerid);
CREATE INDEX Purchases_T_vat_code ON Purchases_T (vat_code);
CREATE INDEX Sales_Adj_T_GL_ID ON Sales_Adj_T (GL_ID);
CREATE INDEX Sales_Adj_T_customerid ON Sales_Adj_T (customerid);
CREATE INDEX Sales_T_GL_ID ON Sales_T (GL_ID) WHERE GL_ID IS NOT NULL;        -- receipts name one
CREATE INDEX Sales_T_customerid ON Sales_T (customerid);
CREATE INDEX Sales_T_vat_code ON Sales_T (vat_code);
CREATE INDEX Stock_Adj_T_GL_ID ON Stock_Adj_T (GL_ID);
CREATE INDEX Stock_Adj_T_Pdt_ID_VC ON Stock_Adj_T (Pdt_ID_VC);
CREATE INDEX Stock_Adj_T_Stock_IN ON Stock_Adj_T (Stock_IN);
CREATE INDEX Temp_Stock_T_Pdt_ID_VC ON Temp_Stock_T (Pdt_ID_VC);
CREATE INDEX Temp_Stock_T_vat_code ON Temp_Stock_T (vat_code);
CREATE INDEX Temp_VAT_Control_GL_ID ON Temp_VAT_Control (GL_ID);
CREATE INDEX Temp_VAT_Control_vat_code ON Temp_VAT_Control (vat_code);
CREATE INDEX VAT_Control_vat_code ON VAT_Control (vat_code);
CREATE INDEX VAT_T_VAT_Control ON VAT_T (VAT_Control);
