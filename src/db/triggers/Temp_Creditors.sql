-- Supplier requests of the supplier set-up window, under the rules of the customers: a create names a
-- new supplier on its own account, an active balance-sheet account of the chart that is no party's,
-- bank's or other record's account yet and has no postings. A LOCAL supplier trades in the books' own
-- currency, a FOREIGN one never does; a foreign supplier's four gain and loss accounts are profit and
-- loss accounts, a local one's the placeholder 1 or profit and loss accounts. An update or delete finds
-- its supplier by name. An update changes the account, the address, the credit terms, the currency,
-- the gain and loss accounts and the VAT registration (a missing value keeps the old one), never the
-- currency type; the account and the currency are frozen once the supplier has transaction history.
-- A delete is refused while the supplier has transaction history: postings, goods received, purchase
-- lines or adjustments, documents, VAT records or translations naming it. A refused request leaves no
-- row; an accepted one is applied at once and stays as a log.
CREATE TRIGGER Temp_Creditors_check BEFORE INSERT ON Temp_Creditors BEGIN
  SELECT db_fail('Temp_Creditors: request is not C, U or D')
    WHERE NEW.Function_type IS NULL OR upper(NEW.Function_type) NOT IN ('C', 'U', 'D');
  SELECT db_fail('Temp_Creditors: no supplier of that name')
    WHERE upper(NEW.Function_type) IN ('U', 'D')
      AND NOT EXISTS (SELECT 1 FROM Creditors WHERE CompanyName = NEW.CompanyName);
  -- create: a new name
  SELECT db_fail('Temp_Creditors: supplier name blank')
    WHERE upper(NEW.Function_type) = 'C' AND trim(COALESCE(NEW.CompanyName, '')) = '';
  SELECT db_fail('Temp_Creditors: supplier name exists')
    WHERE upper(NEW.Function_type) = 'C' AND EXISTS (SELECT 1 FROM Creditors WHERE CompanyName = NEW.CompanyName);
  SELECT db_fail('Temp_Creditors: supplier code missing')
    WHERE upper(NEW.Function_type) = 'C' AND NEW.customerid IS NULL;
  -- the account of a create, or the new account of an update (the supplier's own never fails)
  SELECT db_fail('Temp_Creditors: supplier code outside 1 to 99999999', NEW.customerid)
    WHERE NEW.customerid NOT BETWEEN 1 AND 99999999 AND (upper(NEW.Function_type) = 'C'
      OR (upper(NEW.Function_type) = 'U' AND NOT EXISTS (
        SELECT 1 FROM Creditors WHERE CompanyName = NEW.CompanyName AND CustomerID = NEW.customerid)));
  SELECT db_fail('Temp_Creditors: supplier code is not an active balance sheet account of the chart',
                 NEW.customerid)
    WHERE NEW.customerid IS NOT NULL AND (upper(NEW.Function_type) = 'C'
      OR (upper(NEW.Function_type) = 'U' AND NOT EXISTS (
        SELECT 1 FROM Creditors WHERE CompanyName = NEW.CompanyName AND CustomerID = NEW.customerid)))
      AND NOT EXISTS (SELECT 1 FROM COA_T WHERE GL_ID = NEW.customerid AND Acct_Type = 'BS' AND Status_bt = 1);
  SELECT db_fail('Temp_Creditors: supplier code is already a supplier''s', NEW.customerid)
    WHERE NEW.customerid IS NOT NULL AND upper(NEW.Function_type) IN ('C', 'U')
      AND EXISTS (SELECT 1 FROM Creditors WHERE CustomerID = NEW.customerid AND CompanyName IS NOT NEW.CompanyName);
  SELECT db_fail('Temp_Creditors: supplier code is the account of another record', NEW.customerid)
    WHERE NEW.customerid IS NOT NULL AND (upper(NEW.Function_type) = 'C'
      OR (upper(NEW.Function_type) = 'U' AND NOT EXISTS (
        SELECT 1 FROM Creditors WHERE CompanyName = NEW.CompanyName AND CustomerID = NEW.customerid)))
      AND EXISTS (SELECT 1 FROM v_Account_Role WHERE GL_ID = NEW.customerid);
  SELECT db_fail('Temp_Creditors: supplier code has postings', NEW.customerid)
    WHERE NEW.customerid IS NOT NULL AND (upper(NEW.Function_type) = 'C'
      OR (upper(NEW.Function_type) = 'U' AND NOT EXISTS (
        SELECT 1 FROM Creditors WHERE CompanyName = NEW.CompanyName AND CustomerID = NEW.customerid)))
      AND EXISTS (SELECT 1 FROM Ledger_T WHERE GL_ID = NEW.customerid);
  -- currency and currency type
  SELECT db_fail('Temp_Creditors: currency unknown', NEW.Cur_Type)
    WHERE (upper(NEW.Function_type) = 'C' OR (upper(NEW.Function_type) = 'U' AND NEW.Cur_Type IS NOT NULL))
      AND NOT EXISTS (SELECT 1 FROM Forex_Master_T WHERE Cur_Type = NEW.Cur_Type);
  SELECT db_fail('Temp_Creditors: currency type is not 0 or 1')
    WHERE upper(NEW.Function_type) = 'C' AND (NEW.Forex IS NULL OR NEW.Forex NOT IN (0, 1));
  SELECT db_fail('Temp_Creditors: a LOCAL supplier trades in the home currency, a FOREIGN one never does',
                 (SELECT Home_Cur_Type FROM Settings_T))
    WHERE upper(NEW.Function_type) IN ('C', 'U') AND NEW.Cur_Type IS NOT NULL
      AND ((CASE WHEN upper(NEW.Function_type) = 'C' THEN NEW.Forex
            ELSE (SELECT Forex FROM Creditors WHERE CompanyName = NEW.CompanyName) END) = 0)
          <> (NEW.Cur_Type = (SELECT Home_Cur_Type FROM Settings_T) COLLATE NOCASE);
  SELECT db_fail('Temp_Creditors: gain or loss account is not a profit and loss account')
    WHERE upper(NEW.Function_type) IN ('C', 'U') AND EXISTS (
      SELECT 1 FROM (SELECT NEW.UnRG AS a UNION ALL SELECT NEW.UnRL UNION ALL SELECT NEW.RG
                     UNION ALL SELECT NEW.RL) g
      WHERE NOT (g.a IS NULL AND upper(NEW.Function_type) = 'U')
        AND NOT EXISTS (SELECT 1 FROM COA_T WHERE GL_ID = g.a AND Acct_Type = 'PL')
        AND NOT (g.a IS 1 AND (CASE WHEN upper(NEW.Function_type) = 'C' THEN NEW.Forex
                              ELSE (SELECT Forex FROM Creditors WHERE CompanyName = NEW.CompanyName) END) = 0));
  -- key fields of a supplier with history
  SELECT db_fail('Temp_Creditors: supplier code or currency of a supplier with transaction history')
    WHERE upper(NEW.Function_type) = 'U' AND EXISTS (
      SELECT 1 FROM Creditors c WHERE c.CompanyName = NEW.CompanyName
        AND ((NEW.customerid IS NOT NULL AND NEW.customerid <> c.CustomerID)
          OR (NEW.Cur_Type IS NOT NULL AND NEW.Cur_Type <> c.Cur_Type COLLATE NOCASE))
        AND (EXISTS (SELECT 1 FROM Ledger_T WHERE Party_Kind = 'S' AND Party_ID = c.CustomerID)
          OR EXISTS (SELECT 1 FROM Temp_Stock_T WHERE upper(doc_type) = 'GRN' AND customerid = c.CustomerID)
          OR EXISTS (SELECT 1 FROM Purchases_T WHERE customerid = c.CustomerID)
          OR EXISTS (SELECT 1 FROM Purchases_Adj_T WHERE customerid = c.CustomerID)
          OR EXISTS (SELECT 1 FROM Document_T WHERE customerid = c.CustomerID)
          OR EXISTS (SELECT 1 FROM VAT_Control WHERE customerid = c.CustomerID)
          OR EXISTS (SELECT 1 FROM Forex_Unrealised_T WHERE creditorid = c.CustomerID)));
  -- delete
  SELECT db_fail('Temp_Creditors: supplier has transaction history')
    WHERE upper(NEW.Function_type) = 'D' AND EXISTS (
      SELECT 1 FROM Creditors c WHERE c.CompanyName = NEW.CompanyName
        AND (EXISTS (SELECT 1 FROM Ledger_T WHERE Party_Kind = 'S' AND Party_ID = c.CustomerID)
          OR EXISTS (SELECT 1 FROM Temp_Stock_T WHERE upper(doc_type) = 'GRN' AND customerid = c.CustomerID)
          OR EXISTS (SELECT 1 FROM Purchases_T WHERE customerid = c.CustomerID)
          OR EXISTS (SELECT 1 FROM Purchases_Adj_T WHERE customerid = c.CustomerID)
          OR EXISTS (SELECT 1 FROM Document_T WHERE customerid = c.CustomerID)
          OR EXISTS (SELECT 1 FROM VAT_Control WHERE customerid = c.CustomerID)
          OR EXISTS (SELECT 1 FROM Forex_Unrealised_T WHERE creditorid = c.CustomerID)));
END;

CREATE TRIGGER Temp_Creditors_apply AFTER INSERT ON Temp_Creditors BEGIN
  INSERT INTO Creditors (CustomerID, CompanyName, Address, City, Region, PostalCode, Country, Phone, Credit_Term,
                         Credit_Limit, Cur_Type, Forex, UnRG, UnRL, RG, RL, VAT_Reg)
  SELECT NEW.customerid, NEW.CompanyName, NEW.Address, NEW.City, NEW.Region, NEW.PostalCode, NEW.Country,
         NEW.Phone, NEW.Credit_Term, NEW.Credit_Limit, NEW.Cur_Type, NEW.Forex, NEW.UnRG, NEW.UnRL, NEW.RG, NEW.RL,
         NEW.VAT_Reg
  WHERE upper(NEW.Function_type) = 'C';
  UPDATE Creditors SET CustomerID = COALESCE(NEW.customerid, CustomerID), Address = COALESCE(NEW.Address, Address),
                       City = COALESCE(NEW.City, City), Region = COALESCE(NEW.Region, Region),
                       PostalCode = COALESCE(NEW.PostalCode, PostalCode), Country = COALESCE(NEW.Country, Country),
                       Phone = COALESCE(NEW.Phone, Phone), Credit_Term = COALESCE(NEW.Credit_Term, Credit_Term),
                       Credit_Limit = COALESCE(NEW.Credit_Limit, Credit_Limit),
                       Cur_Type = COALESCE(NEW.Cur_Type, Cur_Type), UnRG = COALESCE(NEW.UnRG, UnRG),
                       UnRL = COALESCE(NEW.UnRL, UnRL), RG = COALESCE(NEW.RG, RG), RL = COALESCE(NEW.RL, RL),
                       VAT_Reg = COALESCE(NEW.VAT_Reg, VAT_Reg)
  WHERE upper(NEW.Function_type) = 'U' AND CompanyName = NEW.CompanyName;
  DELETE FROM Creditors WHERE upper(NEW.Function_type) = 'D' AND CompanyName = NEW.CompanyName;
END;
