--! procedure select_creditor_setup
--! param Name TEXT
--! result Address TEXT, City TEXT, Phone TEXT, Country TEXT, PostalCode TEXT, Region TEXT
--! result Credit_Term INTEGER, Credit_Limit INTEGER, Cur_Type TEXT, UnRG INTEGER, UnRL INTEGER, RG INTEGER, RL INTEGER
--! result GL_ID INTEGER, GL_Name_VC TEXT, Forex TEXT, VAT_Reg TEXT
-- The supplier of one name, for the supplier set-up window's pick (names compare without regard to
-- case): its own account as GL_ID with that account's name, the currency type as the word the window
-- shows, and its VAT registration. Texts come back as '' in place of NULL.
SELECT COALESCE(c.Address, '') AS Address, COALESCE(c.City, '') AS City, COALESCE(c.Phone, '') AS Phone,
       COALESCE(c.Country, '') AS Country, COALESCE(c.PostalCode, '') AS PostalCode,
       COALESCE(c.Region, '') AS Region, c.Credit_Term AS Credit_Term, c.Credit_Limit AS Credit_Limit,
       COALESCE(c.Cur_Type, '') AS Cur_Type, c.UnRG AS UnRG, c.UnRL AS UnRL, c.RG AS RG, c.RL AS RL,
       c.CustomerID AS GL_ID, COALESCE(a.GL_Name_VC, '') AS GL_Name_VC,
       CASE WHEN c.Forex = 1 THEN 'FOREIGN' ELSE 'LOCAL' END AS Forex, COALESCE(c.VAT_Reg, '') AS VAT_Reg
FROM Creditors c LEFT JOIN COA_T a ON a.GL_ID = c.CustomerID
WHERE c.CompanyName = :Name;
