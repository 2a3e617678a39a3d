-- The stock lookups of the line rules and reports, for a book made before them: a document's
-- layers by its number, a stock adjustment's stock rows, and the moves by date.
CREATE INDEX IF NOT EXISTS Stock_Layer_Doc  ON Stock_Layer_T (Post_No);
CREATE INDEX IF NOT EXISTS Stock_Adj_Row    ON Stock_Adj_T (DocID, Doc_ID);
CREATE INDEX IF NOT EXISTS Stock_Move_Date  ON Stock_Move_T (date_dt);
