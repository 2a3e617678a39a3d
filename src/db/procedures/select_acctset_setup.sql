--! procedure select_acctset_setup
--! param Name TEXT
--! result Acctset_ID INTEGER, Pdt_Acctset_VC TEXT, cost_method_VC TEXT, Stock_IN INTEGER, payable_IN INTEGER
--! result shipment_IN INTEGER
-- The account set of one name, for the inventory set-up window's pick (names compare without regard
-- to case). Texts come back as '' in place of NULL.
SELECT Acctset_ID AS Acctset_ID, COALESCE(Pdt_Acctset_VC, '') AS Pdt_Acctset_VC,
       COALESCE(cost_method_VC, '') AS cost_method_VC, Stock_IN AS Stock_IN, payable_IN AS payable_IN,
       shipment_IN AS shipment_IN
FROM Product_AccountSet_T
WHERE Pdt_Acctset_VC = :Name;
