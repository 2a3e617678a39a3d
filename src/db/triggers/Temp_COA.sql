-- Account requests of the chart-of-accounts window. A create names a new code and a new name; an
-- update or delete finds its account by name. An update changes the type, the categories and the
-- status; the type is frozen once the account has postings or another record refers to it, and the
-- retained-earnings account stays active. An account is deleted only while nothing refers to it:
-- no posting, no journal line, no sub-ledger role, no product category, no gain/loss account of a
-- customer or supplier (the other line tables refuse through their foreign keys). A refused request
-- leaves no row; an accepted one is applied at once and stays as a log.
CREATE TRIGGER Temp_COA_check BEFORE INSERT ON Temp_COA BEGIN
  SELECT db_fail('Temp_COA: request is not C, U or D')
    WHERE NEW.Function_type IS NULL OR upper(NEW.Function_type) NOT IN ('C', 'U', 'D');
  SELECT db_fail('Temp_COA: no account of that name', NEW.GL_Name_VC)
    WHERE upper(NEW.Function_type) IN ('U', 'D')
      AND NOT EXISTS (SELECT 1 FROM COA_T WHERE GL_Name_VC = NEW.GL_Name_VC);
  -- create
  SELECT db_fail('Temp_COA: account code missing')
    WHERE upper(NEW.Function_type) = 'C' AND NEW.GL_ID IS NULL;
  SELECT db_fail('Temp_COA: account code exists', NEW.GL_ID)
    WHERE upper(NEW.Function_type) = 'C' AND EXISTS (SELECT 1 FROM COA_T WHERE GL_ID = NEW.GL_ID);
  SELECT db_fail('Temp_COA: account name blank')
    WHERE upper(NEW.Function_type) = 'C' AND trim(COALESCE(NEW.GL_Name_VC, '')) = '';
  SELECT db_fail('Temp_COA: account name exists', NEW.GL_Name_VC)
    WHERE upper(NEW.Function_type) = 'C' AND EXISTS (SELECT 1 FROM COA_T WHERE GL_Name_VC = NEW.GL_Name_VC);
  -- create and update
  SELECT db_fail('Temp_COA: account type is not BS or PL')
    WHERE upper(NEW.Function_type) IN ('C', 'U') AND upper(COALESCE(NEW.Acct_Type, '')) NOT IN ('BS', 'PL');
  SELECT db_fail('Temp_COA: status is not 1 or 0')
    WHERE upper(NEW.Function_type) IN ('C', 'U') AND (NEW.Status_bt IS NULL OR NEW.Status_bt NOT IN (0, 1));
  -- update
  SELECT db_fail('Temp_COA: account type of an account in use')
    WHERE upper(NEW.Function_type) = 'U' AND EXISTS (
      SELECT 1 FROM COA_T a WHERE a.GL_Name_VC = NEW.GL_Name_VC AND upper(a.Acct_Type) <> upper(NEW.Acct_Type)
        AND (EXISTS (SELECT 1 FROM Ledger_T l WHERE l.GL_ID = a.GL_ID)
          OR EXISTS (SELECT 1 FROM v_Account_Role r WHERE r.GL_ID = a.GL_ID)
          OR EXISTS (SELECT 1 FROM Product_Category_T p WHERE a.GL_ID IN (p.Sales_IN, p.COS_IN))
          OR EXISTS (SELECT 1 FROM Customers c WHERE a.GL_ID IN (c.UnRG, c.UnRL, c.RG, c.RL))
          OR EXISTS (SELECT 1 FROM Creditors s WHERE a.GL_ID IN (s.UnRG, s.UnRL, s.RG, s.RL))));
  SELECT db_fail('Temp_COA: retained earnings account set inactive')
    WHERE upper(NEW.Function_type) = 'U' AND NEW.Status_bt = 0 AND EXISTS (
      SELECT 1 FROM COA_T a JOIN GL_Designated_T d ON d.GL_ID = a.GL_ID
      WHERE a.GL_Name_VC = NEW.GL_Name_VC AND d.Role_VC = 'RE');
  -- delete
  SELECT db_fail('Temp_COA: account has transaction history')
    WHERE upper(NEW.Function_type) = 'D' AND EXISTS (
      SELECT 1 FROM COA_T a WHERE a.GL_Name_VC = NEW.GL_Name_VC
        AND (EXISTS (SELECT 1 FROM Ledger_T l WHERE l.GL_ID = a.GL_ID)
          OR EXISTS (SELECT 1 FROM Journal_T j WHERE j.GL_ID = a.GL_ID)));
  SELECT db_fail('Temp_COA: account referred to by another record')
    WHERE upper(NEW.Function_type) = 'D' AND EXISTS (
      SELECT 1 FROM COA_T a WHERE a.GL_Name_VC = NEW.GL_Name_VC
        AND (EXISTS (SELECT 1 FROM v_Account_Role r WHERE r.GL_ID = a.GL_ID)
          OR EXISTS (SELECT 1 FROM Product_Category_T p WHERE a.GL_ID IN (p.Sales_IN, p.COS_IN))
          OR EXISTS (SELECT 1 FROM Customers c WHERE a.GL_ID IN (c.UnRG, c.UnRL, c.RG, c.RL))
          OR EXISTS (SELECT 1 FROM Creditors s WHERE a.GL_ID IN (s.UnRG, s.UnRL, s.RG, s.RL))));
END;

CREATE TRIGGER Temp_COA_apply AFTER INSERT ON Temp_COA BEGIN
  INSERT INTO COA_T (GL_ID, GL_Name_VC, Acct_Type, BS_Category_VC, Sub_Category_VC, Status_bt)
  SELECT NEW.GL_ID, NEW.GL_Name_VC, upper(NEW.Acct_Type), NEW.BS_Category_VC, NEW.Sub_Category_VC, NEW.Status_bt
  WHERE upper(NEW.Function_type) = 'C';
  UPDATE COA_T SET Acct_Type = upper(NEW.Acct_Type), BS_Category_VC = NEW.BS_Category_VC,
                   Sub_Category_VC = NEW.Sub_Category_VC, Status_bt = NEW.Status_bt
  WHERE upper(NEW.Function_type) = 'U' AND GL_Name_VC = NEW.GL_Name_VC;
  DELETE FROM COA_T WHERE upper(NEW.Function_type) = 'D' AND GL_Name_VC = NEW.GL_Name_VC;
END;
