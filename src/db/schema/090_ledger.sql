-- The books' own tables: the ledger, the work tables of a write, stock and VAT records.
-- Every account balance of every report is a sum over Ledger_T. Code columns (Post_Seq, Doc_Kind,
-- Leg, Party_Kind, Src_Table, Doc_Type) are plain TEXT: a code matches only as the triggers write it.

-- One row per posting leg: local amount, debit +, credit -, whole cents. Its month and year are the
-- digits of its date (a real day, YYYY-MM-DD). Legs of amount 0 are not
-- written, except a party leg whose Cur_Amount is not 0. Leg roles: ACCT (the line's account),
-- RE (retained earnings), ITEM / SETTLE (party account: builds / settles an open item), UFX (party
-- account, translation), SALES, COS (category accounts), STOCK, GRNI, SHIP (account set), VAT,
-- BANK, FX (realised gain/loss), UFXPL (unrealised gain/loss).
CREATE TABLE Ledger_T (
  Entry_ID   INTEGER PRIMARY KEY AUTOINCREMENT,
  Post_Seq   TEXT NOT NULL CHECK (Post_Seq IN ('DOC','ORD')),   -- which numbering
  Post_No    INTEGER NOT NULL,                  -- Document_T.DocID or Orders.OrderID
  Doc_Kind   TEXT NOT NULL,                     -- posting kind code
  Src_Table  TEXT NOT NULL,                     -- line table that caused the leg, e.g. 'Sales_T'
  Src_Row    INTEGER NOT NULL,                  -- Row_ID of that line
  Leg        TEXT NOT NULL,                     -- leg role
  GL_ID      INTEGER NOT NULL REFERENCES COA_T(GL_ID),
  Amount_NU  CURRENCY NOT NULL CHECK (typeof(Amount_NU) = 'integer' AND Amount_NU % 100 = 0),
  date_dt    DATE NOT NULL CHECK (date_dt IS date(date_dt, '+0 days')),
  Period_TI  INTEGER GENERATED ALWAYS AS (CAST(substr(date_dt, 6, 2) AS INTEGER)) STORED,
  Year_SI    INTEGER GENERATED ALWAYS AS (CAST(substr(date_dt, 1, 4) AS INTEGER)) STORED,
  Descrip_VC TEXT COLLATE NOCASE CHECK (Descrip_VC IS NULL OR length(Descrip_VC) <= 50),
  Party_Kind TEXT CHECK (Party_Kind IN ('C','S')),            -- customer / supplier
  Party_ID   INTEGER,                           -- CustomerID of Customers or Creditors
  Inv_No     INTEGER,                           -- open item the line names
  Cur_Type   TEXT COLLATE NOCASE,
  Cur_Amount CURRENCY CHECK (Cur_Amount IS NULL OR typeof(Cur_Amount) = 'integer'),
  Cur_Rate   REAL,
  Closing_bt INTEGER NOT NULL DEFAULT 0 CHECK (Closing_bt IN (0,1)),
  CHECK (Amount_NU <> 0 OR COALESCE(Cur_Amount, 0) <> 0));

-- Work tables, empty outside a write transaction. Post_Seq names the numbering: 'DOC' =
-- Document_T.DocID, 'ORD' = Orders.OrderID. The header trigger fills Write_Ctx_T and adds its
-- Touched_Doc_T row with kind ''; every line trigger adds its document with its kind;
-- commit_checks checks the touched documents and empties all three.
CREATE TABLE Write_Ctx_T (          -- the header written in this transaction
  k INTEGER PRIMARY KEY CHECK (k = 1),
  Post_Seq TEXT NOT NULL, Post_No INTEGER NOT NULL, Doc_Date TEXT);
CREATE TABLE Touched_Doc_T (        -- documents touched in this transaction
  Post_Seq TEXT NOT NULL, Post_No INTEGER NOT NULL, Doc_Kind TEXT NOT NULL DEFAULT '',
  PRIMARY KEY (Post_Seq, Post_No, Doc_Kind));
CREATE TABLE Closing_Ctx_T (        -- the closing marker: one row while a year-end closing is written
  k INTEGER PRIMARY KEY CHECK (k = 1));

-- Stock on hand per item: the valuation for both costing methods. Created with the item (0, 0).
CREATE TABLE Stock_Item_T (
  Pdt_ID_VC          TEXT COLLATE NOCASE NOT NULL PRIMARY KEY REFERENCES Product_T(Pdt_ID_VC)
                     CHECK (Pdt_ID_VC IS NULL OR (typeof(Pdt_ID_VC) = 'text' AND length(Pdt_ID_VC) <= 20)),
  Qty_On_Hand        INTEGER NOT NULL
                     CHECK (Qty_On_Hand IS NULL OR (typeof(Qty_On_Hand) = 'integer' AND Qty_On_Hand >= 0)),
  Value_On_Hand      CURRENCY NOT NULL
                     CHECK (Value_On_Hand IS NULL OR (typeof(Value_On_Hand) = 'integer' AND Value_On_Hand >= 0)),
  CHECK (Qty_On_Hand > 0 OR Value_On_Hand = 0)
);

-- One layer per inflow line (goods received, stock adjustment increase). Layer_Ref is the text
-- shown as Doc_ID: <posting number>/<n>, or L<LayerID> should that exceed 10 characters.
-- Value_Left is kept for FIFO items only (NULL for AVEG).
CREATE TABLE Stock_Layer_T (
  LayerID            INTEGER PRIMARY KEY AUTOINCREMENT,
  Pdt_ID_VC          TEXT COLLATE NOCASE NOT NULL
                     CHECK (Pdt_ID_VC IS NULL OR (typeof(Pdt_ID_VC) = 'text' AND length(Pdt_ID_VC) <= 20)),
  Layer_Ref          TEXT COLLATE NOCASE NOT NULL UNIQUE
                     CHECK (Layer_Ref IS NULL OR (typeof(Layer_Ref) = 'text' AND length(Layer_Ref) <= 10)),
  date_dt            DATE NOT NULL CHECK (date_dt IS NULL OR (date_dt IS date(date_dt, '+0 days'))),
  Post_No            INTEGER NOT NULL
                     CHECK (Post_No IS NULL OR (typeof(Post_No) = 'integer' AND Post_No BETWEEN -2147483648 AND 2147483647)),
  Qty_In             INTEGER NOT NULL CHECK (Qty_In IS NULL OR (typeof(Qty_In) = 'integer' AND Qty_In > 0)),
  Qty_Left           INTEGER NOT NULL CHECK (Qty_Left IS NULL OR (typeof(Qty_Left) = 'integer')),
  Value_In           CURRENCY NOT NULL CHECK (Value_In IS NULL OR (typeof(Value_In) = 'integer')),
  Value_Left         CURRENCY CHECK (Value_Left IS NULL OR (typeof(Value_Left) = 'integer' AND Value_Left >= 0)),
  CHECK (Qty_Left BETWEEN 0 AND Qty_In)
);

-- Every stock movement, signed (+ in), one row per layer taken (LayerID NULL on AVEG outflows).
CREATE TABLE Stock_Move_T (
  MoveID             INTEGER PRIMARY KEY AUTOINCREMENT,
  Pdt_ID_VC          TEXT COLLATE NOCASE NOT NULL
                     CHECK (Pdt_ID_VC IS NULL OR (typeof(Pdt_ID_VC) = 'text' AND length(Pdt_ID_VC) <= 20)),
  date_dt            DATE NOT NULL CHECK (date_dt IS NULL OR (date_dt IS date(date_dt, '+0 days'))),
  Doc_Type           TEXT NOT NULL
                     CHECK (Doc_Type IS NULL OR (typeof(Doc_Type) = 'text' AND (Doc_Type = 'GRN' OR Doc_Type = 'DO' OR Doc_Type = 'ADJ'))),
  Post_Seq           TEXT NOT NULL
                     CHECK (Post_Seq IS NULL OR (typeof(Post_Seq) = 'text' AND Post_Seq IN ('DOC', 'ORD'))),
  Post_No            INTEGER NOT NULL
                     CHECK (Post_No IS NULL OR (typeof(Post_No) = 'integer' AND Post_No BETWEEN -2147483648 AND 2147483647)),
  Src_Table          TEXT NOT NULL CHECK (Src_Table IS NULL OR (typeof(Src_Table) = 'text')),
  Src_Row            INTEGER NOT NULL                    -- the source line
                     CHECK (Src_Row IS NULL OR (typeof(Src_Row) = 'integer')),
  LayerID            INTEGER REFERENCES Stock_Layer_T(LayerID)
                     CHECK (LayerID IS NULL OR (typeof(LayerID) = 'integer')),
  Qty                INTEGER NOT NULL CHECK (Qty IS NULL OR (typeof(Qty) = 'integer')),
  Value              CURRENCY NOT NULL                   -- local
                     CHECK (Value IS NULL OR (typeof(Value) = 'integer')),
  Cur_Type           TEXT COLLATE NOCASE
                     CHECK (Cur_Type IS NULL OR (typeof(Cur_Type) = 'text' AND length(Cur_Type) <= 10)),
  cur_rate           REAL CHECK (cur_rate IS NULL OR (typeof(cur_rate) IN ('real', 'integer'))),
  Descrip_VC         TEXT COLLATE NOCASE
                     CHECK (Descrip_VC IS NULL OR (typeof(Descrip_VC) = 'text' AND length(Descrip_VC) <= 30))
);

-- VAT records, one per VAT-bearing line (invoice, credit note and VAT adjustment lines, zero-rated
-- included). Amount equals the VAT leg it belongs to (debit to the VAT control account +), so
-- sales are negative and purchases positive. A record keeps its own rate when its code's changes.
CREATE TABLE VAT_Control (
  VatID              INTEGER PRIMARY KEY AUTOINCREMENT,
  customerid         INTEGER                             -- party of the entry
                     CHECK (customerid IS NULL OR (typeof(customerid) = 'integer' AND customerid BETWEEN -2147483648 AND 2147483647)),
  vat_ref            INTEGER                             -- the invoice number; for an adjustment the reference adjusted
                     CHECK (vat_ref IS NULL OR (typeof(vat_ref) = 'integer' AND vat_ref BETWEEN -2147483648 AND 2147483647)),
  vat_code           INTEGER NOT NULL REFERENCES VAT_T(VAT_Code)
                     CHECK (vat_code IS NULL OR (typeof(vat_code) = 'integer' AND vat_code BETWEEN -2147483648 AND 2147483647)),
  vat_rate           REAL                                -- per cent
                     CHECK (vat_rate IS NULL OR (typeof(vat_rate) IN ('real', 'integer'))),
  vat_type           TEXT COLLATE NOCASE NOT NULL
                     CHECK (vat_type IS NULL OR (typeof(vat_type) = 'text' AND length(vat_type) <= 1 AND (vat_type = 'S' OR vat_type = 'P' OR vat_type = 'A'))),
  vat_status         INTEGER NOT NULL                    -- 0 unmatched, 1 matched
                     CHECK (vat_status IS NULL OR (typeof(vat_status) = 'integer' AND vat_status BETWEEN -32768 AND 32767 AND vat_status IN (0, 1))),
  Descrip_VC         TEXT COLLATE NOCASE
                     CHECK (Descrip_VC IS NULL OR (typeof(Descrip_VC) = 'text' AND length(Descrip_VC) <= 50)),
  Amount             CURRENCY NOT NULL CHECK (Amount IS NULL OR (typeof(Amount) = 'integer')),
  tran_date          DATE NOT NULL CHECK (tran_date IS NULL OR (tran_date IS date(tran_date, '+0 days'))),
  Cur_Type           TEXT COLLATE NOCASE
                     CHECK (Cur_Type IS NULL OR (typeof(Cur_Type) = 'text' AND length(Cur_Type) <= 10)),
  cur_rate           REAL CHECK (cur_rate IS NULL OR (typeof(cur_rate) IN ('real', 'integer'))),
  Post_Seq           TEXT NOT NULL
                     CHECK (Post_Seq IS NULL OR (typeof(Post_Seq) = 'text' AND Post_Seq IN ('DOC', 'ORD'))),
  Post_No            INTEGER NOT NULL
                     CHECK (Post_No IS NULL OR (typeof(Post_No) = 'integer' AND Post_No BETWEEN -2147483648 AND 2147483647)),
  Src_Table          TEXT NOT NULL CHECK (Src_Table IS NULL OR (typeof(Src_Table) = 'text')),
  Src_Row            INTEGER NOT NULL                    -- the source line
                     CHECK (Src_Row IS NULL OR (typeof(Src_Row) = 'integer')),
  Recon_Post_No      INTEGER                             -- last reconciliation
                     CHECK (Recon_Post_No IS NULL OR (typeof(Recon_Post_No) = 'integer' AND Recon_Post_No BETWEEN -2147483648 AND 2147483647)),
  Recon_Date         DATE CHECK (Recon_Date IS NULL OR (Recon_Date IS date(Recon_Date, '+0 days')))
);

-- Ledger lookups: by document in line order (holding what the checks of a post and the balances
-- read of a leg, so that they read the index alone), by account and year in listing order, open
-- items (holding what a party's balance and an item's open amounts sum, so those sums read the
-- index alone).
CREATE INDEX Ledger_Doc  ON Ledger_T (Post_Seq, Post_No, Src_Row, GL_ID, date_dt, Closing_bt, Leg, Amount_NU, Cur_Amount, Party_Kind, Party_ID, Inv_No);
CREATE INDEX Ledger_Acct ON Ledger_T (GL_ID, Year_SI, date_dt, Post_Seq, Post_No);
CREATE INDEX Ledger_Item ON Ledger_T (Party_Kind, Party_ID, Inv_No, Leg, Cur_Amount, Amount_NU)
  WHERE Leg IN ('ITEM','SETTLE');              -- legs that build or settle an open item
-- commit_checks reaches a document's lines through these.
CREATE INDEX Journal_Doc ON Journal_T (Doc_No_VC);
CREATE INDEX VAT_Control_Doc ON VAT_Control (Post_Seq, Post_No);

-- Each lookup a line trigger or request rule makes by value.
CREATE INDEX Stock_Move_Src   ON Stock_Move_T (Src_Table, Src_Row, LayerID, Qty, Value); -- a line's moves, from the index alone
-- item delete rule "stock moves": an item's first move brings stock in, so its inflows tell
CREATE INDEX Stock_Move_Item  ON Stock_Move_T (Pdt_ID_VC) WHERE Qty > 0;
-- FIFO walk, lists and the ageing, from the index alone:
CREATE INDEX Stock_Layer_Open ON Stock_Layer_T (Pdt_ID_VC, date_dt, LayerID, Qty_Left, Value_Left) WHERE Qty_Left > 0;
CREATE INDEX Stock_Layer_Doc  ON Stock_Layer_T (Post_No);                -- numbering a document's layers
CREATE INDEX Stock_Adj_Row    ON Stock_Adj_T (DocID, Doc_ID);            -- a stock row counted on two lines
CREATE INDEX Stock_Move_Date  ON Stock_Move_T (date_dt);                 -- moves of a year or period
CREATE INDEX Purchases_CN_No  ON Purchases_T (customerid, cn_no) WHERE doc_type = 'CN';  -- credit note number used
CREATE INDEX VAT_Control_Ref  ON VAT_Control (customerid, vat_ref, vat_code);            -- VAT adjustment, reconciliation
CREATE INDEX Forex_Open       ON Forex_Unrealised_T (creditorid, inv_no) WHERE Reversed_By IS NULL;
CREATE INDEX Forex_AR_Open    ON Forex_Unrealised_AR_T (creditorid, inv_no) WHERE Reversed_By IS NULL;
CREATE INDEX Temp_Stock_Open  ON Temp_Stock_T (customerid, doc_type) WHERE Open_Qty > 0; -- billing pick lists
CREATE INDEX Orders_Party     ON Orders (customerid);                    -- party delete rules
CREATE INDEX Document_Party   ON Document_T (customerid);
