-- Ledger_Balance_T and Ledger_Size_T take in the legs a posting writes when it is checked
-- (commit_checks), a sum per account and period for the whole document: a trigger run for every
-- leg written cost each leg more than its own insert, and made every insert of legs from a query
-- first copy its rows aside. A leg moved or removed is followed here at once.
CREATE TRIGGER Ledger_T_balance_update AFTER UPDATE OF GL_ID, Amount_NU, date_dt, Closing_bt ON Ledger_T
BEGIN
  UPDATE Ledger_Balance_T SET Amount_NU = Amount_NU - OLD.Amount_NU
  WHERE GL_ID = OLD.GL_ID AND Year_SI = OLD.Year_SI AND Period_TI = OLD.Period_TI AND Closing_bt = OLD.Closing_bt;
  INSERT INTO Ledger_Balance_T (GL_ID, Year_SI, Period_TI, Closing_bt, Amount_NU)
  VALUES (NEW.GL_ID, NEW.Year_SI, NEW.Period_TI, NEW.Closing_bt, NEW.Amount_NU)
  ON CONFLICT (GL_ID, Year_SI, Period_TI, Closing_bt) DO UPDATE SET Amount_NU = Amount_NU + excluded.Amount_NU;
END;

CREATE TRIGGER Ledger_T_balance_delete AFTER DELETE ON Ledger_T
BEGIN
  UPDATE Ledger_Balance_T SET Amount_NU = Amount_NU - OLD.Amount_NU
  WHERE GL_ID = OLD.GL_ID AND Year_SI = OLD.Year_SI AND Period_TI = OLD.Period_TI AND Closing_bt = OLD.Closing_bt;
END;

-- The limits of a leg and of the ledger's size (Ledger_Size_T). Amounts are compared, never
-- negated, so that no value can overflow the check itself. A leg written is held to them by
-- commit_checks; a leg changed, here.
CREATE TRIGGER Ledger_T_limit_update BEFORE UPDATE OF Amount_NU, Cur_Amount ON Ledger_T BEGIN
  SELECT db_fail('Ledger_T: amount over the limit of 1,000,000,000,000.00 per line')
    WHERE NEW.Amount_NU > 10000000000000000 OR NEW.Amount_NU < -10000000000000000
       OR NEW.Cur_Amount > 10000000000000000 OR NEW.Cur_Amount < -10000000000000000;
  SELECT db_fail('Ledger_T: the books would exceed their limit of 100,000,000,000,000.00 in postings')
    WHERE (SELECT Amount_NU FROM Ledger_Size_T) - abs(OLD.Amount_NU) - abs(COALESCE(OLD.Cur_Amount, 0))
          + abs(NEW.Amount_NU) + abs(COALESCE(NEW.Cur_Amount, 0)) > 1000000000000000000;
END;

CREATE TRIGGER Ledger_T_size_update AFTER UPDATE OF Amount_NU, Cur_Amount ON Ledger_T BEGIN
  UPDATE Ledger_Size_T SET Amount_NU = Amount_NU - abs(OLD.Amount_NU) - abs(COALESCE(OLD.Cur_Amount, 0))
                                      + abs(NEW.Amount_NU) + abs(COALESCE(NEW.Cur_Amount, 0));
END;

CREATE TRIGGER Ledger_T_size_delete AFTER DELETE ON Ledger_T BEGIN
  UPDATE Ledger_Size_T SET Amount_NU = Amount_NU - abs(OLD.Amount_NU) - abs(COALESCE(OLD.Cur_Amount, 0));
END;
