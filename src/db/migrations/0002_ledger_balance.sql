-- Account balances kept by the postings, filled from the postings already in the book; the
-- account index of the postings now serves the transaction listing in its order. The triggers
-- that keep the balances and the views that read them come with the book's rules, made again
-- from the program's own files when the book opens.
CREATE TABLE Ledger_Balance_T (
  GL_ID      INTEGER NOT NULL,
  Year_SI    INTEGER NOT NULL,
  Period_TI  INTEGER NOT NULL,
  Closing_bt INTEGER NOT NULL,
  Amount_NU  CURRENCY NOT NULL,
  PRIMARY KEY (GL_ID, Year_SI, Period_TI, Closing_bt)) WITHOUT ROWID;

-- Each posting is added into its balance row as the triggers do: a few thousand rows stay in the
-- cache, where grouping the postings would first sort all of them (seven times slower).
INSERT INTO Ledger_Balance_T (GL_ID, Year_SI, Period_TI, Closing_bt, Amount_NU)
SELECT GL_ID, Year_SI, Period_TI, Closing_bt, Amount_NU FROM Ledger_T WHERE true
ON CONFLICT (GL_ID, Year_SI, Period_TI, Closing_bt) DO UPDATE SET Amount_NU = Amount_NU + excluded.Amount_NU;

DROP INDEX Ledger_Acct;
CREATE INDEX Ledger_Acct ON Ledger_T (GL_ID, Year_SI, date_dt, Post_Seq, Post_No);
