-- Nothing looks a leg up by its source line at a post, and the checks of a post read a document's
-- legs by its number: the source index goes, and the document index holds what those checks and
-- the balances read of a leg (its date standing for its year and month), so that they read the
-- index alone instead of every leg's row. Its legs follow their source lines, so that a posting's
-- legs are added at the end of its own.
DROP INDEX IF EXISTS Ledger_Src;
DROP INDEX IF EXISTS Ledger_Doc;
CREATE INDEX Ledger_Doc  ON Ledger_T (Post_Seq, Post_No, Src_Row, GL_ID, date_dt, Closing_bt, Leg, Amount_NU, Cur_Amount, Party_Kind, Party_ID, Inv_No);
