-- Journal lines (journal and retained-earnings windows, and the transfer line commit_checks adds
-- to a closing). Each line belongs to this write's document, keeps its period and year equal to
-- its date, names an active account that is no sub-ledger account (the retained-earnings account
-- is allowed; a closing may empty an inactive PL account) and is whole cents and within the line limit. A line posts one
-- leg; a line of 0 is stored and posts none. All lines of a document fall in one year, so each
-- year's trial balance stays balanced: every line before is in one year, so a line is held to
-- the year of any one of them. commit_checks checks that the document balances.
CREATE TRIGGER Journal_T_guard BEFORE INSERT ON Journal_T BEGIN
  -- A refusal names the line (its place in the document) and, where it is about one, the account.
  SELECT db_fail('Journal_T: line without its document',
                 (SELECT count(*) FROM Journal_T WHERE Doc_No_VC = NEW.Doc_No_VC) + 1)
    WHERE NOT EXISTS (
      SELECT 1 FROM Write_Ctx_T WHERE Post_Seq = 'DOC' AND CAST(Post_No AS TEXT) = NEW.Doc_No_VC);
  SELECT db_fail('Journal_T: period or year does not match the date',
                 (SELECT count(*) FROM Journal_T WHERE Doc_No_VC = NEW.Doc_No_VC) + 1)
    WHERE NEW.Period_TI IS NOT CAST(strftime('%m', NEW.date_dt) AS INTEGER)
       OR NEW.Year_SI IS NOT CAST(strftime('%Y', NEW.date_dt) AS INTEGER);
  SELECT db_fail('Journal_T: unknown or inactive account',
                 (SELECT count(*) FROM Journal_T WHERE Doc_No_VC = NEW.Doc_No_VC) + 1, NEW.GL_ID)
    WHERE NOT EXISTS (
      SELECT 1 FROM COA_T WHERE GL_ID = NEW.GL_ID
        AND (Status_bt = 1 OR (Acct_Type = 'PL' AND EXISTS (SELECT 1 FROM Closing_Ctx_T))));
  SELECT db_fail('Journal_T: sub-ledger account',
                 (SELECT count(*) FROM Journal_T WHERE Doc_No_VC = NEW.Doc_No_VC) + 1, NEW.GL_ID)
    WHERE EXISTS (SELECT 1 FROM v_Account_Role WHERE GL_ID = NEW.GL_ID AND Role <> 'RE');
  SELECT db_fail('Journal_T: amount over the limit of 1,000,000,000,000.00 per line',
                 (SELECT count(*) FROM Journal_T WHERE Doc_No_VC = NEW.Doc_No_VC) + 1)
    WHERE NEW.Amount_NU > 10000000000000000 OR NEW.Amount_NU < -10000000000000000;
  SELECT db_fail('Journal_T: amount not in whole cents',
                 (SELECT count(*) FROM Journal_T WHERE Doc_No_VC = NEW.Doc_No_VC) + 1)
    WHERE NEW.Amount_NU % 100 <> 0;
  SELECT db_fail('Journal_T: document spans two years',
                 (SELECT count(*) FROM Journal_T WHERE Doc_No_VC = NEW.Doc_No_VC) + 1)
    WHERE (SELECT Year_SI FROM Journal_T WHERE Doc_No_VC = NEW.Doc_No_VC LIMIT 1) <> NEW.Year_SI;
END;

CREATE TRIGGER Journal_T_post AFTER INSERT ON Journal_T BEGIN
  INSERT OR IGNORE INTO Touched_Doc_T VALUES ('DOC', CAST(NEW.Doc_No_VC AS INTEGER), 'JNL');
  -- A closing's legs are closing legs (commit_checks refuses a write with the marker that is not one).
  INSERT INTO Ledger_T (Post_Seq, Post_No, Doc_Kind, Src_Table, Src_Row, Leg, GL_ID, Amount_NU, date_dt, Descrip_VC,
                        Closing_bt)
  SELECT 'DOC', CAST(NEW.Doc_No_VC AS INTEGER), 'JNL', 'Journal_T', NEW.Row_ID,
         CASE WHEN EXISTS (SELECT 1 FROM GL_Designated_T WHERE Role_VC = 'RE' AND GL_ID = NEW.GL_ID) THEN 'RE'
              ELSE 'ACCT' END,
         NEW.GL_ID, NEW.Amount_NU, NEW.date_dt, NEW.Descrip_VC, EXISTS (SELECT 1 FROM Closing_Ctx_T)
  WHERE NEW.Amount_NU <> 0;
END;
