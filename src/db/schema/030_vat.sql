-- Value added tax: the codes, their requests, VAT adjustment lines and reconciliation lines.
-- The VAT records themselves are VAT_Control (090_ledger.sql).

CREATE TABLE VAT_T (
  VAT_Code           INTEGER PRIMARY KEY
                     CHECK (VAT_Code IS NULL OR (typeof(VAT_Code) = 'integer' AND VAT_Code BETWEEN -2147483648 AND 2147483647)),
  VAT_Name           TEXT COLLATE NOCASE NOT NULL UNIQUE
                     CHECK (VAT_Name IS NULL OR (typeof(VAT_Name) = 'text' AND length(VAT_Name) <= 30)),
  VAT_Descrip        TEXT COLLATE NOCASE
                     CHECK (VAT_Descrip IS NULL OR (typeof(VAT_Descrip) = 'text' AND length(VAT_Descrip) <= 60)),
  VAT_Reg            TEXT COLLATE NOCASE
                     CHECK (VAT_Reg IS NULL OR (typeof(VAT_Reg) = 'text' AND length(VAT_Reg) <= 30)),
  VAT_Rate           REAL NOT NULL                       -- per cent
                     CHECK (VAT_Rate IS NULL OR (typeof(VAT_Rate) IN ('real', 'integer') AND VAT_Rate BETWEEN 0 AND 100)),
  VAT_Control        INTEGER NOT NULL REFERENCES COA_T(GL_ID) -- the code's VAT control account
                     CHECK (VAT_Control IS NULL OR (typeof(VAT_Control) = 'integer' AND VAT_Control BETWEEN -2147483648 AND 2147483647))
);

CREATE TABLE Temp_VAT (
  Req_ID             INTEGER PRIMARY KEY AUTOINCREMENT,
  VAT_Control        INTEGER
                     CHECK (VAT_Control IS NULL OR (typeof(VAT_Control) = 'integer' AND VAT_Control BETWEEN -2147483648 AND 2147483647)),
  vat_name           TEXT COLLATE NOCASE
                     CHECK (vat_name IS NULL OR (typeof(vat_name) = 'text' AND length(vat_name) <= 30)),
  VAT_Descrip        TEXT COLLATE NOCASE
                     CHECK (VAT_Descrip IS NULL OR (typeof(VAT_Descrip) = 'text' AND length(VAT_Descrip) <= 60)),
  VAT_Reg            TEXT COLLATE NOCASE
                     CHECK (VAT_Reg IS NULL OR (typeof(VAT_Reg) = 'text' AND length(VAT_Reg) <= 30)),
  vat_code           INTEGER
                     CHECK (vat_code IS NULL OR (typeof(vat_code) = 'integer' AND vat_code BETWEEN -2147483648 AND 2147483647)),
  vat_rate           REAL CHECK (vat_rate IS NULL OR (typeof(vat_rate) IN ('real', 'integer'))),
  Function_type      TEXT COLLATE NOCASE NOT NULL
                     CHECK (Function_type IS NULL OR (typeof(Function_type) = 'text' AND length(Function_type) <= 1 AND Function_type IN ('C', 'U', 'D')))
);

-- VAT adjustment lines.
CREATE TABLE Temp_VAT_Control (
  Row_ID             INTEGER PRIMARY KEY AUTOINCREMENT,
  customerid         INTEGER
                     CHECK (customerid IS NULL OR (typeof(customerid) = 'integer' AND customerid BETWEEN -2147483648 AND 2147483647)),
  vat_code           INTEGER NOT NULL
                     CHECK (vat_code IS NULL OR (typeof(vat_code) = 'integer' AND vat_code BETWEEN -2147483648 AND 2147483647)),
  vat_rate           REAL                                -- a fraction
                     CHECK (vat_rate IS NULL OR (typeof(vat_rate) IN ('real', 'integer'))),
  Descrip_VC         TEXT COLLATE NOCASE
                     CHECK (Descrip_VC IS NULL OR (typeof(Descrip_VC) = 'text' AND length(Descrip_VC) <= 20)),
  qty_to_bill        INTEGER
                     CHECK (qty_to_bill IS NULL OR (typeof(qty_to_bill) = 'integer' AND qty_to_bill BETWEEN -32768 AND 32767)),
  unit_price         CURRENCY NOT NULL CHECK (unit_price IS NULL OR (typeof(unit_price) = 'integer')),
  vat_ref            INTEGER
                     CHECK (vat_ref IS NULL OR (typeof(vat_ref) = 'integer' AND vat_ref BETWEEN -2147483648 AND 2147483647)),
  vat_type           TEXT COLLATE NOCASE
                     CHECK (vat_type IS NULL OR (typeof(vat_type) = 'text' AND length(vat_type) <= 1)),
  vat_status         INTEGER
                     CHECK (vat_status IS NULL OR (typeof(vat_status) = 'integer' AND vat_status BETWEEN -32768 AND 32767)),
  tran_date          DATE NOT NULL CHECK (tran_date IS NULL OR (tran_date IS date(tran_date, '+0 days'))),
  GL_ID              INTEGER NOT NULL REFERENCES COA_T(GL_ID)
                     CHECK (GL_ID IS NULL OR (typeof(GL_ID) = 'integer' AND GL_ID BETWEEN -2147483648 AND 2147483647)),
  Post_No            INTEGER                             -- the DocID, from the write's context
                     CHECK (Post_No IS NULL OR (typeof(Post_No) = 'integer' AND Post_No BETWEEN -2147483648 AND 2147483647))
);

-- Reconciliation lines: each changes the status of one VAT record.
CREATE TABLE VAT_Return (
  Row_ID             INTEGER PRIMARY KEY AUTOINCREMENT,
  postingid          INTEGER NOT NULL                    -- the DocID
                     CHECK (postingid IS NULL OR (typeof(postingid) = 'integer' AND postingid BETWEEN -2147483648 AND 2147483647)),
  customerid         INTEGER
                     CHECK (customerid IS NULL OR (typeof(customerid) = 'integer' AND customerid BETWEEN -2147483648 AND 2147483647)),
  vat_ref            INTEGER
                     CHECK (vat_ref IS NULL OR (typeof(vat_ref) = 'integer' AND vat_ref BETWEEN -2147483648 AND 2147483647)),
  vat_code           INTEGER
                     CHECK (vat_code IS NULL OR (typeof(vat_code) = 'integer' AND vat_code BETWEEN -2147483648 AND 2147483647)),
  vat_rate           REAL CHECK (vat_rate IS NULL OR (typeof(vat_rate) IN ('real', 'integer'))),
  vat_status         INTEGER NOT NULL                    -- the status the record takes
                     CHECK (vat_status IS NULL OR (typeof(vat_status) = 'integer' AND vat_status BETWEEN -32768 AND 32767 AND vat_status IN (0, 1))),
  vat_type           TEXT COLLATE NOCASE
                     CHECK (vat_type IS NULL OR (typeof(vat_type) = 'text' AND length(vat_type) <= 1)),
  vat_date           DATE CHECK (vat_date IS NULL OR (vat_date IS date(vat_date, '+0 days'))),
  Descrip_VC         TEXT COLLATE NOCASE
                     CHECK (Descrip_VC IS NULL OR (typeof(Descrip_VC) = 'text' AND length(Descrip_VC) <= 50)),
  qty_to_bill        INTEGER
                     CHECK (qty_to_bill IS NULL OR (typeof(qty_to_bill) = 'integer' AND qty_to_bill BETWEEN -32768 AND 32767)),
  unit_price         CURRENCY CHECK (unit_price IS NULL OR (typeof(unit_price) = 'integer')),
  VatID              INTEGER                             -- the record it changed
                     CHECK (VatID IS NULL OR (typeof(VatID) = 'integer' AND VatID BETWEEN -2147483648 AND 2147483647))
);
