-- A move out of stock needs stock on hand, which only a move in brings: an item has moves once it
-- has had a move in. The item index so holds the moves in alone, and a delivery's or a count's
-- moves out, one for each layer taken, no longer each cost an entry at the item's place in it.
DROP INDEX IF EXISTS Stock_Move_Item;
CREATE INDEX Stock_Move_Item  ON Stock_Move_T (Pdt_ID_VC) WHERE Qty > 0;
