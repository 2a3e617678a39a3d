-- A party's balance and its items' open amounts are summed from the open-item index alone: the
-- index holds each leg's role and amounts beside its party and item.
DROP INDEX IF EXISTS Ledger_Item;
CREATE INDEX Ledger_Item ON Ledger_T (Party_Kind, Party_ID, Inv_No, Leg, Cur_Amount, Amount_NU);
