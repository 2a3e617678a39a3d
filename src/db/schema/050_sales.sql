-- Sales documents: the header of delivery orders and sales invoices, customer ledger lines,
-- stock movement lines and sales journal entry lines.

-- Header of delivery orders and sales invoices; OrderID numbers both.
CREATE TABLE Orders (
  OrderID            INTEGER PRIMARY KEY AUTOINCREMENT
                     CHECK (OrderID IS NULL OR (typeof(OrderID) = 'integer' AND OrderID BETWEEN -2147483648 AND 2147483647)),
  customerid         INTEGER NOT NULL REFERENCES Customers(CustomerID)
                     CHECK (customerid IS NULL OR (typeof(customerid) = 'integer' AND customerid BETWEEN -2147483648 AND 2147483647)),
  EmployeeID         INTEGER NOT NULL REFERENCES Employees(EmployeeID)
                     CHECK (EmployeeID IS NULL OR (typeof(EmployeeID) = 'integer')),
  OrderDate          DATE NOT NULL CHECK (OrderDate IS NULL OR (OrderDate IS date(OrderDate, '+0 days'))),
  RequiredDate       DATE CHECK (RequiredDate IS NULL OR (RequiredDate IS date(RequiredDate, '+0 days'))),
  ShipVia            INTEGER REFERENCES Shippers(ShipperID) CHECK (ShipVia IS NULL OR (typeof(ShipVia) = 'integer')),
  Freight            CURRENCY CHECK (Freight IS NULL OR (typeof(Freight) = 'integer')),
  ShipName           TEXT COLLATE NOCASE
                     CHECK (ShipName IS NULL OR (typeof(ShipName) = 'text' AND length(ShipName) <= 40)),
  ShipAddress        TEXT COLLATE NOCASE
                     CHECK (ShipAddress IS NULL OR (typeof(ShipAddress) = 'text' AND length(ShipAddress) <= 60)),
  ShipCity           TEXT COLLATE NOCASE
                     CHECK (ShipCity IS NULL OR (typeof(ShipCity) = 'text' AND length(ShipCity) <= 15)),
  ShipRegion         TEXT COLLATE NOCASE
                     CHECK (ShipRegion IS NULL OR (typeof(ShipRegion) = 'text' AND length(ShipRegion) <= 15)),
  ShipCountry        TEXT COLLATE NOCASE
                     CHECK (ShipCountry IS NULL OR (typeof(ShipCountry) = 'text' AND length(ShipCountry) <= 15)),
  ShipPostalCode     TEXT COLLATE NOCASE
                     CHECK (ShipPostalCode IS NULL OR (typeof(ShipPostalCode) = 'text' AND length(ShipPostalCode) <= 10)),
  Order_Kind         TEXT COLLATE NOCASE                 -- DO or INV, stamped by commit_checks
                     CHECK (Order_Kind IS NULL OR (typeof(Order_Kind) = 'text' AND length(Order_Kind) <= 3))
);

-- Customer ledger lines. By doc_type: DO (invoice line) inv_no = OrderID, do_no = the delivery
-- order billed; CN sm_posting_id = DocID, inv_no/do_no = the line credited; AR, RC do_no = DocID,
-- inv_no = the open item. Rem_* hold what credit notes may still take off an invoice line.
CREATE TABLE Sales_T (
  Row_ID             INTEGER PRIMARY KEY AUTOINCREMENT,
  customerid         INTEGER NOT NULL REFERENCES Customers(CustomerID)
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
  Credit_Term        INTEGER
                     CHECK (Credit_Term IS NULL OR (typeof(Credit_Term) = 'integer' AND Credit_Term BETWEEN -2147483648 AND 2147483647)),
  Credit_Limit       INTEGER
                     CHECK (Credit_Limit IS NULL OR (typeof(Credit_Limit) = 'integer' AND Credit_Limit BETWEEN -2147483648 AND 2147483647)),
  doc_type           TEXT COLLATE NOCASE NOT NULL
                     CHECK (doc_type IS NULL OR (typeof(doc_type) = 'text' AND length(doc_type) <= 2 AND (doc_type = 'DO' OR doc_type = 'CN' OR doc_type = 'AR' OR doc_type = 'RC'))),
  date_dt            DATE NOT NULL CHECK (date_dt IS NULL OR (date_dt IS date(date_dt, '+0 days'))),
  PO                 TEXT COLLATE NOCASE CHECK (PO IS NULL OR (typeof(PO) = 'text' AND length(PO) <= 10)),
  Cur_Type           TEXT COLLATE NOCASE
                     CHECK (Cur_Type IS NULL OR (typeof(Cur_Type) = 'text' AND length(Cur_Type) <= 10)),
  cur_rate           REAL CHECK (cur_rate IS NULL OR (typeof(cur_rate) IN ('real', 'integer'))),
  vat_code           INTEGER
                     CHECK (vat_code IS NULL OR (typeof(vat_code) = 'integer' AND vat_code BETWEEN -2147483648 AND 2147483647)),
  vat_rate           REAL                                -- per cent; RC rows carry an unused placeholder
                     CHECK (vat_rate IS NULL OR (typeof(vat_rate) IN ('real', 'integer'))),
  sm_posting_id      INTEGER
                     CHECK (sm_posting_id IS NULL OR (typeof(sm_posting_id) = 'integer' AND sm_posting_id BETWEEN -2147483648 AND 2147483647)),
  Pymnt_Rate         REAL CHECK (Pymnt_Rate IS NULL OR (typeof(Pymnt_Rate) IN ('real', 'integer'))),
  GL_ID              INTEGER REFERENCES COA_T(GL_ID)
                     CHECK (GL_ID IS NULL OR (typeof(GL_ID) = 'integer' AND GL_ID BETWEEN -2147483648 AND 2147483647)),
  Bank_Code_VC       INTEGER
                     CHECK (Bank_Code_VC IS NULL OR (typeof(Bank_Code_VC) = 'integer' AND Bank_Code_VC BETWEEN -2147483648 AND 2147483647)),
  Post_Seq           TEXT COLLATE NOCASE
                     CHECK (Post_Seq IS NULL OR (typeof(Post_Seq) = 'text' AND length(Post_Seq) <= 3)),
  Post_No            INTEGER
                     CHECK (Post_No IS NULL OR (typeof(Post_No) = 'integer' AND Post_No BETWEEN -2147483648 AND 2147483647)),
  Rem_Qty            INTEGER
                     CHECK (Rem_Qty IS NULL OR (typeof(Rem_Qty) = 'integer' AND Rem_Qty BETWEEN -2147483648 AND 2147483647)),
  Rem_N              CURRENCY                            -- party currency
                     CHECK (Rem_N IS NULL OR (typeof(Rem_N) = 'integer')),
  Rem_V              CURRENCY CHECK (Rem_V IS NULL OR (typeof(Rem_V) = 'integer')),
  Rem_NL             CURRENCY                            -- local
                     CHECK (Rem_NL IS NULL OR (typeof(Rem_NL) = 'integer')),
  Rem_VL             CURRENCY CHECK (Rem_VL IS NULL OR (typeof(Rem_VL) = 'integer'))
);
CREATE UNIQUE INDEX Sales_Invoice_Line ON Sales_T (inv_no, do_no, Pdt_ID_VC) WHERE doc_type = 'DO';

-- Stock movement lines: deliveries (DO, Doc_No_VC = OrderID) and goods received (GRN, = DocID).
-- Open_Qty and Open_Value are what invoices have not yet billed; Clear_GL the clearing account used.
CREATE TABLE Temp_Stock_T (
  Row_ID             INTEGER PRIMARY KEY AUTOINCREMENT,
  Doc_No_VC          INTEGER NOT NULL
                     CHECK (Doc_No_VC IS NULL OR (typeof(Doc_No_VC) = 'integer' AND Doc_No_VC BETWEEN -2147483648 AND 2147483647)),
  date_dt            DATE NOT NULL CHECK (date_dt IS NULL OR (date_dt IS date(date_dt, '+0 days'))),
  Pdt_ID_VC          TEXT COLLATE NOCASE NOT NULL REFERENCES Product_T(Pdt_ID_VC)
                     CHECK (Pdt_ID_VC IS NULL OR (typeof(Pdt_ID_VC) = 'text' AND length(Pdt_ID_VC) <= 20)),
  qty_nu             INTEGER NOT NULL
                     CHECK (qty_nu IS NULL OR (typeof(qty_nu) = 'integer' AND qty_nu BETWEEN -2147483648 AND 2147483647)),
  Descrip_VC         TEXT COLLATE NOCASE
                     CHECK (Descrip_VC IS NULL OR (typeof(Descrip_VC) = 'text' AND length(Descrip_VC) <= 30)),
  doc_type           TEXT COLLATE NOCASE NOT NULL
                     CHECK (doc_type IS NULL OR (typeof(doc_type) = 'text' AND length(doc_type) <= 5 AND doc_type IN ('DO', 'GRN'))),
  Sell_Price         CURRENCY CHECK (Sell_Price IS NULL OR (typeof(Sell_Price) = 'integer')),
  Unit_Price_TI      CURRENCY CHECK (Unit_Price_TI IS NULL OR (typeof(Unit_Price_TI) = 'integer')),
  Order_Type         TEXT COLLATE NOCASE
                     CHECK (Order_Type IS NULL OR (typeof(Order_Type) = 'text' AND length(Order_Type) <= 4 AND Order_Type IN ('SO', 'PO'))),
  Order_No           INTEGER
                     CHECK (Order_No IS NULL OR (typeof(Order_No) = 'integer' AND Order_No BETWEEN -2147483648 AND 2147483647)),
  customerid         INTEGER NOT NULL                    -- customer for DO, supplier for GRN
                     CHECK (customerid IS NULL OR (typeof(customerid) = 'integer' AND customerid BETWEEN -2147483648 AND 2147483647)),
  PO                 TEXT COLLATE NOCASE CHECK (PO IS NULL OR (typeof(PO) = 'text' AND length(PO) <= 10)),
  Cur_Type           TEXT COLLATE NOCASE
                     CHECK (Cur_Type IS NULL OR (typeof(Cur_Type) = 'text' AND length(Cur_Type) <= 10)),
  cur_rate           REAL CHECK (cur_rate IS NULL OR (typeof(cur_rate) IN ('real', 'integer'))),
  vat_code           INTEGER
                     CHECK (vat_code IS NULL OR (typeof(vat_code) = 'integer' AND vat_code BETWEEN -2147483648 AND 2147483647)),
  vat_rate           REAL                                -- a fraction
                     CHECK (vat_rate IS NULL OR (typeof(vat_rate) IN ('real', 'integer'))),
  Line_Value         CURRENCY CHECK (Line_Value IS NULL OR (typeof(Line_Value) = 'integer')),
  Open_Qty           INTEGER
                     CHECK (Open_Qty IS NULL OR (typeof(Open_Qty) = 'integer' AND Open_Qty BETWEEN -2147483648 AND 2147483647)),
  Open_Value         CURRENCY CHECK (Open_Value IS NULL OR (typeof(Open_Value) = 'integer')),
  Clear_GL           INTEGER
                     CHECK (Clear_GL IS NULL OR (typeof(Clear_GL) = 'integer' AND Clear_GL BETWEEN -2147483648 AND 2147483647)),
  UNIQUE (doc_type, Doc_No_VC, Pdt_ID_VC)
);

-- Sales journal entry lines; the header values are copies.
CREATE TABLE Sales_Adj_T (
  Row_ID             INTEGER PRIMARY KEY AUTOINCREMENT,
  customerid         INTEGER NOT NULL REFERENCES Customers(CustomerID)
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
  cur_rate           REAL NOT NULL CHECK (cur_rate IS NULL OR (typeof(cur_rate) IN ('real', 'integer')))
);
