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

-- The limits of a leg and of the ledger's size (Ledger_Size_T). Amounts are compared, never
-- negated, so that no value can overflow the check itself. A leg written is held to them after
-- its insert, which refuses it just the same: a trigger run before each insert costs the posting
-- of every leg more than its rules do. A leg beyond its own limit is refused for that whichever
-- of the two runs first, as the size takes in only legs within it.
CREATE TRIGGER Ledger_T_limit_insert AFTER INSERT ON Ledger_T BEGIN
  SELECT db_fail('Ledger_T: amount over the limit of 1,000,000,000,000.00 per line')
    WHERE NEW.Amount_NU > 10000000000000000 OR NEW.Amount_NU < -10000000000000000
       OR NEW.Cur_Amount > 10000000000000000 OR NEW.Cur_Amount < -10000000000000000;
END;

CREATE TRIGGER Ledger_T_limit_update BEFORE UPDATE OF Amount_NU, Cur_Amount ON Ledger_T BEGIN
  SELECT db_fail('Ledger_T: amount over the limit of 1,000,000,000,000.00 per line')
    WHERE NEW.Amount_NU > 10000000000000000 OR NEW.Amount_NU < -10000000000000000
       OR NEW.Cur_Amount > 10000000000000000 OR NEW.Cur_Amount < -10000000000000000;
  SELECT db_fail('Ledger_T: the books would exceed their limit of 100,000,000,000,000.00 in postings')
    WHERE (SELECT Amount_NU FROM Ledger_Size_T) - abs(OLD.Amount_NU) - abs(COALESCE(OLD.Cur_Amount, 0))
          + abs(NEW.Amount_NU) + abs(COALESCE(NEW.Cur_Amount, 0)) > 1000000000000000000;
END;

CREATE TRIGGER Ledger_T_size_insert AFTER INSERT ON Ledger_T
WHEN NEW.Amount_NU BETWEEN -10000000000000000 AND 10000000000000000
 AND COALESCE(NEW.Cur_Amount, 0) BETWEEN -10000000000000000 AND 10000000000000000 BEGIN
  UPDATE Ledger_Size_T SET Amount_NU = CASE
    WHEN Amount_NU + abs(NEW.Amount_NU) + abs(COALESCE(NEW.Cur_Amount, 0)) > 1000000000000000000
    THEN db_fail('Ledger_T: the books would exceed their limit of 100,000,000,000,000.00 in postings')
    ELSE Amount_NU + abs(NEW.Amount_NU) + abs(COALESCE(NEW.Cur_Amount, 0)) END;
END;

CREATE TRIGGER Ledger_T_size_update AFTER UPDATE OF Amount_NU, Cur_Amount ON Ledger_T BEGIN
  UPDATE Ledger_Size_T SET Amount_NU = Amount_NU - abs(OLD.Amount_NU) - abs(COALESCE(OLD.Cur_Amount, 0))
                                      + abs(NEW.Amount_NU) + abs(COALESCE(NEW.Cur_Amount, 0));
END;

CREATE TRIGGER Ledger_T_size_delete AFTER DELETE ON Ledger_T BEGIN
  UPDATE Ledger_Size_T SET Amount_NU = Amount_NU - abs(OLD.Amount_NU) - abs(COALESCE(OLD.Cur_Amount, 0));
END;
