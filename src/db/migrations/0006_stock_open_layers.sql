-- The open layers' index also holds what a layer has left, so the ageing and the lists read an
-- item's open layers from the index alone.
DROP INDEX IF EXISTS Stock_Layer_Open;
CREATE INDEX Stock_Layer_Open ON Stock_Layer_T (Pdt_ID_VC, date_dt, LayerID, Qty_Left, Value_Left) WHERE Qty_Left > 0;
