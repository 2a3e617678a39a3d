-- The open-item index holds only the legs that name a party: the rest (journal, sales, VAT and stock
-- legs) are never looked up by party, and each of them cost a page of the index at every post.
DROP INDEX IF EXISTS Ledger_Item;
CREATE INDEX Ledger_Item ON Ledger_T (Party_Kind, Party_ID, Inv_No, Leg, Cur_Amount, Amount_NU)
  WHERE Party_Kind IS NOT NULL;
