-- A stock move's layer is never deleted nor renumbered, so nothing looks up the moves of a layer:
-- the index by layer only cost a FIFO issue an entry for every layer it took.
DROP INDEX IF EXISTS Stock_Move_T_LayerID;
