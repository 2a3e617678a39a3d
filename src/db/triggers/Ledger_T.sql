-- Ledger_Balance_T follows every leg written, moved or removed.
CREATE TRIGGER Ledger_T_balance_insert AFTER INSERT ON Ledger_T
BEGIN
  INSERT INTO Ledger_Balance_T (GL_ID, Year_SI, Period_TI, Closing_bt, Amount_NU)
  VALUES (NEW.GL_ID, NEW.Year_SI, NEW.Period_TI, NEW.Closing_bt, NEW.Amount_NU)
  ON CONFLICT (GL_ID, Year_SI, Period_TI, Closing_bt) DO UPDATE SET Amount_NU = Amount_NU + excluded.Amount_NU;
END;

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
