-- The moves of a source line are read for their layers, quantities and values (a delivery line's
-- cost, the layers and the item it took from, a count's line, the movement report's lines): the
-- source index holds those too, so the reads never visit the moves themselves.
DROP INDEX IF EXISTS Stock_Move_Src;
CREATE INDEX Stock_Move_Src   ON Stock_Move_T (Src_Table, Src_Row, LayerID, Qty, Value); -- a line's moves, from the index alone
