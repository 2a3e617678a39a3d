-- The size of the whole ledger: the sum of every leg's local and foreign amount taken without
-- sign, kept by commit_checks and the Ledger_T triggers. The books refuse a leg that would take it beyond
-- 100,000,000,000,000.00, and a line beyond 1,000,000,000,000.00, so that every sum a report
-- or a check makes over any part of the ledger stays far inside 64 bits.
CREATE TABLE Ledger_Size_T (
  k          INTEGER PRIMARY KEY CHECK (k = 1),
  Amount_NU  CURRENCY NOT NULL CHECK (typeof(Amount_NU) = 'integer' AND Amount_NU >= 0));
INSERT INTO Ledger_Size_T (k, Amount_NU) VALUES (1, 0);
