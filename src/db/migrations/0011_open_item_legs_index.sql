-- The open-item index holds only the legs that build or settle an open item: every look-up by party
-- reads those alone, while a sales or purchase invoice line's other legs (sales, VAT, cost,
-- clearing), which name the party and invoice too, each cost an entry of the index at every post.
DROP INDEX IF EXISTS Ledger_Item;
CREATE INDEX Ledger_Item ON Ledger_T (Party_Kind, Party_ID, Inv_No, Leg, Cur_Amount, Amount_NU)
  WHERE Leg IN ('ITEM','SETTLE');
