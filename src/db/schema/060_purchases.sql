-- Purchases: supplier ledger lines and purchase journal entry lines (the suppliers and their
-- requests: parties.sqlt).

-- Supplier ledger lines. By doc_type: GRN (purchase invoice line) inv_no = the supplier's invoice,
-- do_no = the GRN billed; CN cn_no = the credit note, sm_posting_id = DocID; AP, PY do_no = DocID.
CREATE TABLE Purchases_T (
  Row_ID             INTEGER PRIMARY KEY AUTOINCREMENT,
  customerid         INTEGER NOT NULL REFERENCES Creditors(CustomerID)
                     CHECK (customerid IS NULL OR (typeof(customerid) = 'integer' AND customerid BETWEEN -2147483648 AND 2147483647)),
  Pdt_ID_VC          TEXT COLLATE NOCASE
                     CHECK (Pdt_ID_VC IS NULL OR (typeof(Pdt_ID_VC) = 'text' AND length(Pdt_ID_VC) <= 20)),
  Descrip_VC         TEXT COLLATE NOCASE
                     CHECK (Descrip_VC IS NULL OR (typeof(Descrip_VC) = 'text' AND length(Descrip_VC) <= 20)),
  qty_to_bill        INTEGER NOT NULL
                     CHECK (qty_to_bill IS NULL OR (typeof(qty_to_bill) = 'integer' AND qty_to_bill BETWEEN -2147483648 AND 2147483647)),
  unit_price         CURRENCY NOT NULL CHECK (unit_price IS NULL OR (typeof(unit_price) = 'integer')),
  do_no              INTEGER
                     CHECK (do_no IS NULL OR (typeof(do_no) = 'integer' AND do_no BETWEEN -2147483648 AND 2147483647)),
  inv_no             INTEGER NOT NULL
                     CHECK (inv_no IS NULL OR (typeof(inv_no) = 'integer' AND inv_no BETWEEN -2147483648 AND 2147483647)),
  doc_type           TEXT COLLATE NOCASE NOT NULL
                     CHECK (doc_type IS NULL OR (typeof(doc_type) = 'text' AND length(doc_type) <= 3 AND (doc_type = 'GRN' OR doc_type = 'CN' OR doc_type = 'AP' OR doc_type = 'PY'))),
  date_dt            DATE NOT NULL CHECK (date_dt IS NULL OR (date_dt IS date(date_dt, '+0 days'))),
  PO                 TEXT COLLATE NOCASE CHECK (PO IS NULL OR (typeof(PO) = 'text' AND length(PO) <= 10)),
  Cur_Type           TEXT COLLATE NOCASE
                     CHECK (Cur_Type IS NULL OR (typeof(Cur_Type) = 'text' AND length(Cur_Type) <= 10)),
  cur_rate           REAL CHECK (cur_rate IS NULL OR (typeof(cur_rate) IN ('real', 'integer'))),
  vat_code           INTEGER
                     CHECK (vat_code IS NULL OR (typeof(vat_code) = 'integer' AND vat_code BETWEEN -2147483648 AND 2147483647)),
  vat_rate           REAL                                -- per cent; AP and PY rows carry an unused placeholder
                     CHECK (vat_rate IS NULL OR (typeof(vat_rate) IN ('real', 'integer'))),
  cn_no              INTEGER
                     CHECK (cn_no IS NULL OR (typeof(cn_no) = 'integer' AND cn_no BETWEEN -2147483648 AND 2147483647)),
  sm_posting_id      INTEGER
                     CHECK (sm_posting_id IS NULL OR (typeof(sm_posting_id) = 'integer' AND sm_posting_id BETWEEN -2147483648 AND 2147483647)),
  Pymnt_Rate         REAL CHECK (Pymnt_Rate IS NULL OR (typeof(Pymnt_Rate) IN ('real', 'integer'))),
  GL_ID              INTEGER REFERENCES COA_T(GL_ID)
                     CHECK (GL_ID IS NULL OR (typeof(GL_ID) = 'integer' AND GL_ID BETWEEN -2147483648 AND 2147483647)),
  Bank_Code_VC       INTEGER
                     CHECK (Bank_Code_VC IS NULL OR (typeof(Bank_Code_VC) = 'integer' AND Bank_Code_VC BETWEEN -2147483648 AND 2147483647)),
  Post_No            INTEGER                             -- the DocID, from the write's context
                     CHECK (Post_No IS NULL OR (typeof(Post_No) = 'integer' AND Post_No BETWEEN -2147483648 AND 2147483647)),
  Rem_Qty            INTEGER
                     CHECK (Rem_Qty IS NULL OR (typeof(Rem_Qty) = 'integer' AND Rem_Qty BETWEEN -2147483648 AND 2147483647)),
  Rem_N              CURRENCY CHECK (Rem_N IS NULL OR (typeof(Rem_N) = 'integer')),
  Rem_V              CURRENCY CHECK (Rem_V IS NULL OR (typeof(Rem_V) = 'integer')),
  Rem_NL             CURRENCY CHECK (Rem_NL IS NULL OR (typeof(Rem_NL) = 'integer')),
  Rem_VL             CURRENCY CHECK (Rem_VL IS NULL OR (typeof(Rem_VL) = 'integer'))
);
CREATE UNIQUE INDEX Purchases_Invoice_Line ON Purchases_T (customerid, inv_no, do_no, Pdt_ID_VC) WHERE doc_type = 'GRN';

-- Purchase journal entry lines; the header values are copies.
CREATE TABLE Purchases_Adj_T (
  Row_ID             INTEGER PRIMARY KEY AUTOINCREMENT,
  customerid         INTEGER NOT NULL REFERENCES Creditors(CustomerID)
                     CHECK (customerid IS NULL OR (typeof(customerid) = 'integer' AND customerid BETWEEN -2147483648 AND 2147483647)),
  EmployeeID         INTEGER NOT NULL CHECK (EmployeeID IS NULL OR (typeof(EmployeeID) = 'integer')),
  Descrip_VC         TEXT COLLATE NOCASE
                     CHECK (Descrip_VC IS NULL OR (typeof(Descrip_VC) = 'text' AND length(Descrip_VC) <= 30)),
  qty_to_bill        INTEGER NOT NULL
                     CHECK (qty_to_bill IS NULL OR (typeof(qty_to_bill) = 'integer' AND qty_to_bill BETWEEN -2147483648 AND 2147483647)),
  unit_price         CURRENCY NOT NULL CHECK (unit_price IS NULL OR (typeof(unit_price) = 'integer')),
  inv_no             INTEGER NOT NULL
                     CHECK (inv_no IS NULL OR (typeof(inv_no) = 'integer' AND inv_no BETWEEN -2147483648 AND 2147483647)),
  doc_type           TEXT COLLATE NOCASE NOT NULL
                     CHECK (doc_type IS NULL OR (typeof(doc_type) = 'text' AND length(doc_type) <= 3 AND doc_type = 'ADJ')),
  date_dt            DATE NOT NULL CHECK (date_dt IS NULL OR (date_dt IS date(date_dt, '+0 days'))),
  GL_ID              INTEGER NOT NULL REFERENCES COA_T(GL_ID)
                     CHECK (GL_ID IS NULL OR (typeof(GL_ID) = 'integer' AND GL_ID BETWEEN -2147483648 AND 2147483647)),
  GL_Name_VC         TEXT COLLATE NOCASE
                     CHECK (GL_Name_VC IS NULL OR (typeof(GL_Name_VC) = 'text' AND length(GL_Name_VC) <= 20)),
  DocID              INTEGER NOT NULL
                     CHECK (DocID IS NULL OR (typeof(DocID) = 'integer' AND DocID BETWEEN -2147483648 AND 2147483647)),
  Cur_Type           TEXT COLLATE NOCASE
                     CHECK (Cur_Type IS NULL OR (typeof(Cur_Type) = 'text' AND length(Cur_Type) <= 10)),
  cur_rate           REAL NOT NULL CHECK (cur_rate IS NULL OR (typeof(cur_rate) IN ('real', 'integer'))),
  vat_rate           REAL                                -- unused placeholder
                     CHECK (vat_rate IS NULL OR (typeof(vat_rate) IN ('real', 'integer')))
);
