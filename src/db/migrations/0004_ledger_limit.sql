-- The size of the whole ledger and the limits of a posting line and of the ledger (see
-- schema/093_ledger_limit.sql), filled from the postings already in the book. A book already
-- beyond the ledger's limit opens, and refuses every further leg (the ledger's triggers, made
-- again from the program's own files when the book opens, keep the size and its limits).
CREATE TABLE Ledger_Size_T (
  k          INTEGER PRIMARY KEY CHECK (k = 1),
  Amount_NU  CURRENCY NOT NULL CHECK (typeof(Amount_NU) = 'integer' AND Amount_NU >= 0));
INSERT INTO Ledger_Size_T (k, Amount_NU)
SELECT 1, CASE WHEN (SELECT TOTAL(abs(Amount_NU)) + TOTAL(abs(COALESCE(Cur_Amount, 0))) FROM Ledger_T) < 9.0e18
               THEN (SELECT COALESCE(SUM(abs(Amount_NU)), 0) + COALESCE(SUM(abs(COALESCE(Cur_Amount, 0))), 0)
                     FROM Ledger_T)
               ELSE 9000000000000000000 END;
