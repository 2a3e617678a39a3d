-- Account balances kept by the postings, filled from the postings already in the book; the
-- account index of the postings now serves the transaction listing in its order.
CREATE TABLE Ledger_Balance_T (
  GL_ID      INTEGER NOT NULL,
  Year_SI    INTEGER NOT NULL,
  Period_TI  INTEGER NOT NULL,
  Closing_bt INTEGER NOT NULL,
  Amount_NU  CURRENCY NOT NULL,
  PRIMARY KEY (GL_ID, Year_SI, Period_TI, Closing_bt)) WITHOUT ROWID;

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

-- Each posting is added into its balance row as the triggers do: a few thousand rows stay in the
-- cache, where grouping the postings would first sort all of them (seven times slower).
INSERT INTO Ledger_Balance_T (GL_ID, Year_SI, Period_TI, Closing_bt, Amount_NU)
SELECT GL_ID, Year_SI, Period_TI, Closing_bt, Amount_NU FROM Ledger_T WHERE true
ON CONFLICT (GL_ID, Year_SI, Period_TI, Closing_bt) DO UPDATE SET Amount_NU = Amount_NU + excluded.Amount_NU;

DROP INDEX Ledger_Acct;
CREATE INDEX Ledger_Acct ON Ledger_T (GL_ID, Year_SI, date_dt, Post_Seq, Post_No);

-- The closing's "left at zero" test reads the balances.
DROP VIEW v_Closing_Doc;
CREATE VIEW v_Closing_Doc AS
SELECT t.Post_No AS DocID, SUM(j.Amount_NU) AS Residual, MAX(j.date_dt) AS Last_Date
FROM Closing_Ctx_T x
CROSS JOIN Touched_Doc_T t
CROSS JOIN Journal_T j ON j.Doc_No_VC = CAST(t.Post_No AS TEXT)
JOIN COA_T c ON c.GL_ID = j.GL_ID
JOIN GL_Designated_T d ON d.Role_VC = 'RE'
WHERE t.Post_Seq = 'DOC' AND t.Doc_Kind = 'JNL'
GROUP BY t.Post_No
HAVING COUNT(DISTINCT j.Year_SI) = 1                          -- one year
   AND SUM(c.Acct_Type = 'PL') > 0                             -- at least one PL line
   AND SUM(c.Acct_Type <> 'PL' AND j.GL_ID <> d.GL_ID) = 0     -- only PL lines and RE lines
   AND NOT EXISTS (                                            -- every PL account named ends the year at zero
     SELECT 1 FROM Journal_T j2 JOIN COA_T c2 ON c2.GL_ID = j2.GL_ID
     WHERE j2.Doc_No_VC = CAST(t.Post_No AS TEXT) AND c2.Acct_Type = 'PL'
       AND (SELECT SUM(l.Amount_NU) FROM Ledger_Balance_T l
            WHERE l.GL_ID = j2.GL_ID AND l.Year_SI = j2.Year_SI) <> 0);
