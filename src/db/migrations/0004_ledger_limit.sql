-- The size of the whole ledger and the limits of a posting line and of the ledger (see
-- schema/093_ledger_limit.sql), filled from the postings already in the book. A book already
-- beyond the ledger's limit opens, and refuses every further leg.
CREATE TABLE Ledger_Size_T (
  k          INTEGER PRIMARY KEY CHECK (k = 1),
  Amount_NU  CURRENCY NOT NULL CHECK (typeof(Amount_NU) = 'integer' AND Amount_NU >= 0));
INSERT INTO Ledger_Size_T (k, Amount_NU)
SELECT 1, CASE WHEN (SELECT TOTAL(abs(Amount_NU)) + TOTAL(abs(COALESCE(Cur_Amount, 0))) FROM Ledger_T) < 9.0e18
               THEN (SELECT COALESCE(SUM(abs(Amount_NU)), 0) + COALESCE(SUM(abs(COALESCE(Cur_Amount, 0))), 0)
                     FROM Ledger_T)
               ELSE 9000000000000000000 END;
-- The limits of a leg and of the ledger's size (Ledger_Size_T). Amounts are compared, never
-- negated, so that no value can overflow the check itself.
CREATE TRIGGER Ledger_T_limit_insert BEFORE INSERT ON Ledger_T BEGIN
  SELECT db_fail('Ledger_T: amount over the limit of 1,000,000,000,000.00 per line')
    WHERE NEW.Amount_NU > 10000000000000000 OR NEW.Amount_NU < -10000000000000000
       OR NEW.Cur_Amount > 10000000000000000 OR NEW.Cur_Amount < -10000000000000000;
  SELECT db_fail('Ledger_T: the books would exceed their limit of 100,000,000,000,000.00 in postings')
    WHERE (SELECT Amount_NU FROM Ledger_Size_T) + abs(NEW.Amount_NU) + abs(COALESCE(NEW.Cur_Amount, 0))
          > 1000000000000000000;
END;

CREATE TRIGGER Ledger_T_limit_update BEFORE UPDATE OF Amount_NU, Cur_Amount ON Ledger_T BEGIN
  SELECT db_fail('Ledger_T: amount over the limit of 1,000,000,000,000.00 per line')
    WHERE NEW.Amount_NU > 10000000000000000 OR NEW.Amount_NU < -10000000000000000
       OR NEW.Cur_Amount > 10000000000000000 OR NEW.Cur_Amount < -10000000000000000;
  SELECT db_fail('Ledger_T: the books would exceed their limit of 100,000,000,000,000.00 in postings')
    WHERE (SELECT Amount_NU FROM Ledger_Size_T) - abs(OLD.Amount_NU) - abs(COALESCE(OLD.Cur_Amount, 0))
          + abs(NEW.Amount_NU) + abs(COALESCE(NEW.Cur_Amount, 0)) > 1000000000000000000;
END;

CREATE TRIGGER Ledger_T_size_insert AFTER INSERT ON Ledger_T BEGIN
  UPDATE Ledger_Size_T SET Amount_NU = Amount_NU + abs(NEW.Amount_NU) + abs(COALESCE(NEW.Cur_Amount, 0));
END;

CREATE TRIGGER Ledger_T_size_update AFTER UPDATE OF Amount_NU, Cur_Amount ON Ledger_T BEGIN
  UPDATE Ledger_Size_T SET Amount_NU = Amount_NU - abs(OLD.Amount_NU) - abs(COALESCE(OLD.Cur_Amount, 0))
                                      + abs(NEW.Amount_NU) + abs(COALESCE(NEW.Cur_Amount, 0));
END;

CREATE TRIGGER Ledger_T_size_delete AFTER DELETE ON Ledger_T BEGIN
  UPDATE Ledger_Size_T SET Amount_NU = Amount_NU - abs(OLD.Amount_NU) - abs(COALESCE(OLD.Cur_Amount, 0));
END;
