-- Net amount (debit +) per account, year, month and closing flag: the sum of Ledger_T.Amount_NU
-- of that key, kept inside the posting's own transaction: commit_checks adds the document's legs,
-- the Ledger_T triggers follow a leg changed or removed. Every report
-- that sums the ledger by account and period reads this table instead of the postings. A row
-- may stay at zero after its legs are gone.
CREATE TABLE Ledger_Balance_T (
  GL_ID      INTEGER NOT NULL,
  Year_SI    INTEGER NOT NULL,
  Period_TI  INTEGER NOT NULL,
  Closing_bt INTEGER NOT NULL,
  Amount_NU  CURRENCY NOT NULL,
  PRIMARY KEY (GL_ID, Year_SI, Period_TI, Closing_bt)) WITHOUT ROWID;
