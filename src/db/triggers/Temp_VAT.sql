-- VAT code requests of the VAT set-up window. A create names a new code: a name not yet used, a code
-- number from 1 up that no other code has, a rate from 0 to 100 per cent and a control account, an
-- active balance-sheet account of the chart that holds no role but VAT (several codes may share one
-- control account) and has no postings other than VAT postings. An update or delete finds its code by
-- name. An update changes the description, the registration number, the code number, the rate and the
-- control account (a missing value keeps the old one); the rate may always change, since each VAT record
-- keeps its own, but the code number and the control account are frozen once the code has transaction
-- history (VAT records or document lines with its code), and the code number also while items carry it.
-- A delete is refused while VAT records, document lines or items carry the code. A refused request leaves
-- no row; an accepted one is applied at once and stays as a log.
CREATE TRIGGER Temp_VAT_check BEFORE INSERT ON Temp_VAT BEGIN
  -- @use Request_Rules
  --   ${Masters} = VAT_T
  --   ${Key} = VAT_Name
  --   ${missing} = VAT code of that name
  --   ${named} = VAT name
  -- create: a code number, a rate and a control account
  SELECT db_fail('Temp_VAT: VAT code missing')
    WHERE upper(NEW.Function_type) = 'C' AND NEW.vat_code IS NULL;
  SELECT db_fail('Temp_VAT: VAT rate missing')
    WHERE upper(NEW.Function_type) = 'C' AND NEW.vat_rate IS NULL;
  SELECT db_fail('Temp_VAT: VAT control account missing')
    WHERE upper(NEW.Function_type) = 'C' AND NEW.VAT_Control IS NULL;
  -- the values of a create or an update
  SELECT db_fail('Temp_VAT: VAT code is not 1 or more')
    WHERE upper(NEW.Function_type) IN ('C', 'U') AND NEW.vat_code <= 0;
  SELECT db_fail('Temp_VAT: VAT code exists', NEW.vat_code)
    WHERE upper(NEW.Function_type) IN ('C', 'U')
      AND EXISTS (SELECT 1 FROM VAT_T WHERE VAT_Code = NEW.vat_code AND VAT_Name IS NOT NEW.vat_name);
  SELECT db_fail('Temp_VAT: VAT rate outside 0 to 100')
    WHERE upper(NEW.Function_type) IN ('C', 'U') AND NEW.vat_rate NOT BETWEEN 0 AND 100;
  -- the control account of a create, or the new control account of an update (the code's own never fails)
  SELECT db_fail('Temp_VAT: VAT control account is not an active balance sheet account of the chart', NEW.VAT_Control)
    WHERE NEW.VAT_Control IS NOT NULL AND (upper(NEW.Function_type) = 'C'
      OR (upper(NEW.Function_type) = 'U' AND NOT EXISTS (
        SELECT 1 FROM VAT_T WHERE VAT_Name = NEW.vat_name AND VAT_Control = NEW.VAT_Control)))
      AND NOT EXISTS (SELECT 1 FROM COA_T WHERE GL_ID = NEW.VAT_Control AND Acct_Type = 'BS' AND Status_bt = 1);
  SELECT db_fail('Temp_VAT: VAT control account is the account of another record', NEW.VAT_Control)
    WHERE NEW.VAT_Control IS NOT NULL AND (upper(NEW.Function_type) = 'C'
      OR (upper(NEW.Function_type) = 'U' AND NOT EXISTS (
        SELECT 1 FROM VAT_T WHERE VAT_Name = NEW.vat_name AND VAT_Control = NEW.VAT_Control)))
      AND EXISTS (SELECT 1 FROM v_Account_Role WHERE GL_ID = NEW.VAT_Control AND Role <> 'VAT');
  SELECT db_fail('Temp_VAT: VAT control account has postings other than VAT', NEW.VAT_Control)
    WHERE NEW.VAT_Control IS NOT NULL AND (upper(NEW.Function_type) = 'C'
      OR (upper(NEW.Function_type) = 'U' AND NOT EXISTS (
        SELECT 1 FROM VAT_T WHERE VAT_Name = NEW.vat_name AND VAT_Control = NEW.VAT_Control)))
      AND EXISTS (SELECT 1 FROM Ledger_T WHERE GL_ID = NEW.VAT_Control AND Leg <> 'VAT');
  -- key fields of a code in use
  SELECT db_fail('Temp_VAT: VAT code or control account of a code with transaction history')
    WHERE upper(NEW.Function_type) = 'U' AND EXISTS (
      SELECT 1 FROM VAT_T v WHERE v.VAT_Name = NEW.vat_name
        AND ((NEW.vat_code IS NOT NULL AND NEW.vat_code <> v.VAT_Code)
          OR (NEW.VAT_Control IS NOT NULL AND NEW.VAT_Control <> v.VAT_Control))
        AND (EXISTS (SELECT 1 FROM VAT_Control WHERE vat_code = v.VAT_Code)
          OR EXISTS (SELECT 1 FROM Temp_VAT_Control WHERE vat_code = v.VAT_Code)
          OR EXISTS (SELECT 1 FROM Sales_T WHERE vat_code = v.VAT_Code)
          OR EXISTS (SELECT 1 FROM Purchases_T WHERE vat_code = v.VAT_Code)
          OR EXISTS (SELECT 1 FROM Temp_Stock_T WHERE vat_code = v.VAT_Code)));
  SELECT db_fail('Temp_VAT: VAT code carried by items')
    WHERE upper(NEW.Function_type) = 'U' AND EXISTS (
      SELECT 1 FROM VAT_T v WHERE v.VAT_Name = NEW.vat_name
        AND NEW.vat_code IS NOT NULL AND NEW.vat_code <> v.VAT_Code
        AND EXISTS (SELECT 1 FROM Product_T WHERE vat_code = v.VAT_Code));
  -- delete
  SELECT db_fail('Temp_VAT: VAT code has transaction history')
    WHERE upper(NEW.Function_type) = 'D' AND EXISTS (
      SELECT 1 FROM VAT_T v WHERE v.VAT_Name = NEW.vat_name
        AND (EXISTS (SELECT 1 FROM VAT_Control WHERE vat_code = v.VAT_Code)
          OR EXISTS (SELECT 1 FROM Temp_VAT_Control WHERE vat_code = v.VAT_Code)
          OR EXISTS (SELECT 1 FROM Sales_T WHERE vat_code = v.VAT_Code)
          OR EXISTS (SELECT 1 FROM Purchases_T WHERE vat_code = v.VAT_Code)
          OR EXISTS (SELECT 1 FROM Temp_Stock_T WHERE vat_code = v.VAT_Code)));
  SELECT db_fail('Temp_VAT: VAT code carried by items')
    WHERE upper(NEW.Function_type) = 'D' AND EXISTS (
      SELECT 1 FROM VAT_T v WHERE v.VAT_Name = NEW.vat_name
        AND EXISTS (SELECT 1 FROM Product_T WHERE vat_code = v.VAT_Code));
END;

CREATE TRIGGER Temp_VAT_apply AFTER INSERT ON Temp_VAT BEGIN
  INSERT INTO VAT_T (VAT_Code, VAT_Name, VAT_Descrip, VAT_Reg, VAT_Rate, VAT_Control)
  SELECT NEW.vat_code, NEW.vat_name, NEW.VAT_Descrip, NEW.VAT_Reg, NEW.vat_rate, NEW.VAT_Control
  WHERE upper(NEW.Function_type) = 'C';
  UPDATE VAT_T SET VAT_Descrip = COALESCE(NEW.VAT_Descrip, VAT_Descrip), VAT_Reg = COALESCE(NEW.VAT_Reg, VAT_Reg),
                   VAT_Code = COALESCE(NEW.vat_code, VAT_Code), VAT_Rate = COALESCE(NEW.vat_rate, VAT_Rate),
                   VAT_Control = COALESCE(NEW.VAT_Control, VAT_Control)
  WHERE upper(NEW.Function_type) = 'U' AND VAT_Name = NEW.vat_name;
  DELETE FROM VAT_T WHERE upper(NEW.Function_type) = 'D' AND VAT_Name = NEW.vat_name;
END;
