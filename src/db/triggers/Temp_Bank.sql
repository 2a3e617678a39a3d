-- Bank requests of the bank set-up window. A create names a new bank on its own account: an active
-- balance-sheet account of the chart that holds no role yet (no party, bank, VAT, stock or designated
-- account) and has no postings. An update or delete finds its bank by name; an update changes only
-- the address and the contact. A delete is refused while a cash document names the bank or its
-- account has postings. A refused request leaves no row; an accepted one is applied at once and stays
-- as a log.
CREATE TRIGGER Temp_Bank_check BEFORE INSERT ON Temp_Bank BEGIN
  -- @use Request_Rules
  --   ${Masters} = Bank_T
  --   ${Key} = Bank_name
  --   ${missing} = bank of that name
  --   ${named} = bank name
  -- create: the bank's account
  SELECT db_fail('Temp_Bank: bank code missing')
    WHERE upper(NEW.Function_type) = 'C' AND NEW.Bank_Code_VC IS NULL;
  SELECT db_fail('Temp_Bank: bank code is not an active balance sheet account of the chart', NEW.Bank_Code_VC)
    WHERE upper(NEW.Function_type) = 'C' AND NEW.Bank_Code_VC IS NOT NULL
      AND NOT EXISTS (SELECT 1 FROM COA_T WHERE GL_ID = NEW.Bank_Code_VC AND Acct_Type = 'BS' AND Status_bt = 1);
  SELECT db_fail('Temp_Bank: bank code is the account of another record', NEW.Bank_Code_VC)
    WHERE upper(NEW.Function_type) = 'C' AND EXISTS (SELECT 1 FROM v_Account_Role WHERE GL_ID = NEW.Bank_Code_VC);
  SELECT db_fail('Temp_Bank: bank code has postings', NEW.Bank_Code_VC)
    WHERE upper(NEW.Function_type) = 'C' AND EXISTS (SELECT 1 FROM Ledger_T WHERE GL_ID = NEW.Bank_Code_VC);
  -- delete
  SELECT db_fail('Temp_Bank: bank has transaction history')
    WHERE upper(NEW.Function_type) = 'D' AND EXISTS (
      SELECT 1 FROM Bank_T b WHERE b.Bank_name = NEW.Bank_name
        AND (EXISTS (SELECT 1 FROM Cash_T WHERE Bank_Code_VC = b.Bank_Code_VC)
          OR EXISTS (SELECT 1 FROM Ledger_T WHERE GL_ID = b.Bank_Code_VC)));
END;

CREATE TRIGGER Temp_Bank_apply AFTER INSERT ON Temp_Bank BEGIN
  INSERT INTO Bank_T (Bank_Code_VC, Bank_name, Bank_Add_VC, Bank_Contact_VC)
  SELECT NEW.Bank_Code_VC, NEW.Bank_name, NEW.Bank_Add_VC, NEW.Bank_Contact_VC
  WHERE upper(NEW.Function_type) = 'C';
  UPDATE Bank_T SET Bank_Add_VC = COALESCE(NEW.Bank_Add_VC, Bank_Add_VC),
                    Bank_Contact_VC = COALESCE(NEW.Bank_Contact_VC, Bank_Contact_VC)
  WHERE upper(NEW.Function_type) = 'U' AND Bank_name = NEW.Bank_name;
  DELETE FROM Bank_T WHERE upper(NEW.Function_type) = 'D' AND Bank_name = NEW.Bank_name;
END;
