-- Inventory: product categories, account sets, items, their requests and stock adjustment lines.
-- Stock itself (items on hand, layers, moves) is kept in 090_ledger.sql.

CREATE TABLE Product_Category_T (
  Row_ID             INTEGER PRIMARY KEY AUTOINCREMENT,
  Pdt_Category_VC    TEXT COLLATE NOCASE NOT NULL UNIQUE
                     CHECK (Pdt_Category_VC IS NULL OR (typeof(Pdt_Category_VC) = 'text' AND length(Pdt_Category_VC) <= 20)),
  Category_Name_VC   TEXT COLLATE NOCASE NOT NULL UNIQUE
                     CHECK (Category_Name_VC IS NULL OR (typeof(Category_Name_VC) = 'text' AND length(Category_Name_VC) <= 15)),
  Sales_IN           INTEGER NOT NULL REFERENCES COA_T(GL_ID) -- PL
                     CHECK (Sales_IN IS NULL OR (typeof(Sales_IN) = 'integer' AND Sales_IN BETWEEN -2147483648 AND 2147483647)),
  COS_IN             INTEGER NOT NULL REFERENCES COA_T(GL_ID) -- PL
                     CHECK (COS_IN IS NULL OR (typeof(COS_IN) = 'integer' AND COS_IN BETWEEN -2147483648 AND 2147483647))
);

-- Stock_IN, payable_IN (received not billed) and shipment_IN (shipped not billed) are three
-- different BS accounts.
CREATE TABLE Product_AccountSet_T (
  Acctset_ID         INTEGER PRIMARY KEY AUTOINCREMENT
                     CHECK (Acctset_ID IS NULL OR (typeof(Acctset_ID) = 'integer' AND Acctset_ID BETWEEN -2147483648 AND 2147483647)),
  Pdt_Acctset_VC     TEXT COLLATE NOCASE NOT NULL UNIQUE
                     CHECK (Pdt_Acctset_VC IS NULL OR (typeof(Pdt_Acctset_VC) = 'text' AND length(Pdt_Acctset_VC) <= 20)),
  cost_method_VC     TEXT COLLATE NOCASE NOT NULL
                     CHECK (cost_method_VC IS NULL OR (typeof(cost_method_VC) = 'text' AND length(cost_method_VC) <= 5 AND cost_method_VC IN ('FIFO', 'AVEG'))),
  Stock_IN           INTEGER NOT NULL REFERENCES COA_T(GL_ID)
                     CHECK (Stock_IN IS NULL OR (typeof(Stock_IN) = 'integer' AND Stock_IN BETWEEN -2147483648 AND 2147483647)),
  payable_IN         INTEGER NOT NULL REFERENCES COA_T(GL_ID)
                     CHECK (payable_IN IS NULL OR (typeof(payable_IN) = 'integer' AND payable_IN BETWEEN -2147483648 AND 2147483647)),
  shipment_IN        INTEGER NOT NULL REFERENCES COA_T(GL_ID)
                     CHECK (shipment_IN IS NULL OR (typeof(shipment_IN) = 'integer' AND shipment_IN BETWEEN -2147483648 AND 2147483647))
);

CREATE TABLE Product_T (
  Row_ID             INTEGER PRIMARY KEY AUTOINCREMENT,
  Pdt_ID_VC          TEXT COLLATE NOCASE NOT NULL UNIQUE
                     CHECK (Pdt_ID_VC IS NULL OR (typeof(Pdt_ID_VC) = 'text' AND length(Pdt_ID_VC) <= 20)),
  Pdt_Name_VC        TEXT COLLATE NOCASE NOT NULL        -- two codes may share a name
                     CHECK (Pdt_Name_VC IS NULL OR (typeof(Pdt_Name_VC) = 'text' AND length(Pdt_Name_VC) <= 30)),
  Pdt_Descrip_VC     TEXT COLLATE NOCASE
                     CHECK (Pdt_Descrip_VC IS NULL OR (typeof(Pdt_Descrip_VC) = 'text' AND length(Pdt_Descrip_VC) <= 40)),
  Pdt_Category_VC    TEXT COLLATE NOCASE NOT NULL REFERENCES Product_Category_T(Pdt_Category_VC)
                     CHECK (Pdt_Category_VC IS NULL OR (typeof(Pdt_Category_VC) = 'text' AND length(Pdt_Category_VC) <= 20)),
  vat_code           INTEGER NOT NULL REFERENCES VAT_T(VAT_Code)
                     CHECK (vat_code IS NULL OR (typeof(vat_code) = 'integer' AND vat_code BETWEEN -2147483648 AND 2147483647)),
  Pdt_Acctset_VC     TEXT COLLATE NOCASE NOT NULL REFERENCES Product_AccountSet_T(Pdt_Acctset_VC)
                     CHECK (Pdt_Acctset_VC IS NULL OR (typeof(Pdt_Acctset_VC) = 'text' AND length(Pdt_Acctset_VC) <= 20))
);

CREATE TABLE Temp_Product_Category_T (
  Req_ID             INTEGER PRIMARY KEY AUTOINCREMENT,
  Pdt_Category_VC    TEXT COLLATE NOCASE
                     CHECK (Pdt_Category_VC IS NULL OR (typeof(Pdt_Category_VC) = 'text' AND length(Pdt_Category_VC) <= 20)),
  Category_Name_VC   TEXT COLLATE NOCASE
                     CHECK (Category_Name_VC IS NULL OR (typeof(Category_Name_VC) = 'text' AND length(Category_Name_VC) <= 15)),
  Sales_IN           INTEGER
                     CHECK (Sales_IN IS NULL OR (typeof(Sales_IN) = 'integer' AND Sales_IN BETWEEN -2147483648 AND 2147483647)),
  COS_IN             INTEGER
                     CHECK (COS_IN IS NULL OR (typeof(COS_IN) = 'integer' AND COS_IN BETWEEN -2147483648 AND 2147483647)),
  Function_type      TEXT COLLATE NOCASE NOT NULL
                     CHECK (Function_type IS NULL OR (typeof(Function_type) = 'text' AND length(Function_type) <= 1 AND Function_type IN ('C', 'U', 'D')))
);

CREATE TABLE Temp_Product_Accountset_T (
  Req_ID             INTEGER PRIMARY KEY AUTOINCREMENT,
  Pdt_Acctset_VC     TEXT COLLATE NOCASE
                     CHECK (Pdt_Acctset_VC IS NULL OR (typeof(Pdt_Acctset_VC) = 'text' AND length(Pdt_Acctset_VC) <= 20)),
  cost_method_VC     TEXT COLLATE NOCASE
                     CHECK (cost_method_VC IS NULL OR (typeof(cost_method_VC) = 'text' AND length(cost_method_VC) <= 5)),
  Stock_IN           INTEGER
                     CHECK (Stock_IN IS NULL OR (typeof(Stock_IN) = 'integer' AND Stock_IN BETWEEN -2147483648 AND 2147483647)),
  payable_IN         INTEGER
                     CHECK (payable_IN IS NULL OR (typeof(payable_IN) = 'integer' AND payable_IN BETWEEN -2147483648 AND 2147483647)),
  shipment_IN        INTEGER
                     CHECK (shipment_IN IS NULL OR (typeof(shipment_IN) = 'integer' AND shipment_IN BETWEEN -2147483648 AND 2147483647)),
  Function_type      TEXT COLLATE NOCASE NOT NULL
                     CHECK (Function_type IS NULL OR (typeof(Function_type) = 'text' AND length(Function_type) <= 1 AND Function_type IN ('C', 'U', 'D')))
);

CREATE TABLE Temp_Product_T (
  Req_ID             INTEGER PRIMARY KEY AUTOINCREMENT,
  Pdt_ID_VC          TEXT COLLATE NOCASE
                     CHECK (Pdt_ID_VC IS NULL OR (typeof(Pdt_ID_VC) = 'text' AND length(Pdt_ID_VC) <= 20)),
  Pdt_Name_VC        TEXT COLLATE NOCASE
                     CHECK (Pdt_Name_VC IS NULL OR (typeof(Pdt_Name_VC) = 'text' AND length(Pdt_Name_VC) <= 30)),
  Pdt_Descrip_VC     TEXT COLLATE NOCASE
                     CHECK (Pdt_Descrip_VC IS NULL OR (typeof(Pdt_Descrip_VC) = 'text' AND length(Pdt_Descrip_VC) <= 40)),
  Pdt_Category_VC    TEXT COLLATE NOCASE
                     CHECK (Pdt_Category_VC IS NULL OR (typeof(Pdt_Category_VC) = 'text' AND length(Pdt_Category_VC) <= 20)),
  vat_code           INTEGER
                     CHECK (vat_code IS NULL OR (typeof(vat_code) = 'integer' AND vat_code BETWEEN -2147483648 AND 2147483647)),
  Pdt_Acctset_VC     TEXT COLLATE NOCASE
                     CHECK (Pdt_Acctset_VC IS NULL OR (typeof(Pdt_Acctset_VC) = 'text' AND length(Pdt_Acctset_VC) <= 20)),
  Function_type      TEXT COLLATE NOCASE NOT NULL
                     CHECK (Function_type IS NULL OR (typeof(Function_type) = 'text' AND length(Function_type) <= 1 AND Function_type IN ('C', 'U', 'D')))
);

-- Stock adjustment lines.
CREATE TABLE Stock_Adj_T (
  Row_ID             INTEGER PRIMARY KEY AUTOINCREMENT,
  DocID              INTEGER NOT NULL                    -- copies the header
                     CHECK (DocID IS NULL OR (typeof(DocID) = 'integer' AND DocID BETWEEN -2147483648 AND 2147483647)),
  Doc_ID             TEXT COLLATE NOCASE                 -- the stock row: a layer's Layer_Ref, or N<Row_ID> for an item without stock
                     CHECK (Doc_ID IS NULL OR (typeof(Doc_ID) = 'text' AND length(Doc_ID) <= 10)),
  Pdt_ID_VC          TEXT COLLATE NOCASE NOT NULL REFERENCES Product_T(Pdt_ID_VC)
                     CHECK (Pdt_ID_VC IS NULL OR (typeof(Pdt_ID_VC) = 'text' AND length(Pdt_ID_VC) <= 20)),
  qty_nu             INTEGER NOT NULL                    -- the counted quantity the stock row holds after the line
                     CHECK (qty_nu IS NULL OR (typeof(qty_nu) = 'integer' AND qty_nu BETWEEN -2147483648 AND 2147483647 AND qty_nu >= 0)),
  Unit_Price_TI      CURRENCY CHECK (Unit_Price_TI IS NULL OR (typeof(Unit_Price_TI) = 'integer')),
  Descrip_VC         TEXT COLLATE NOCASE
                     CHECK (Descrip_VC IS NULL OR (typeof(Descrip_VC) = 'text' AND length(Descrip_VC) <= 30)),
  date_dt            DATE NOT NULL                       -- copies the header
                     CHECK (date_dt IS NULL OR (date_dt IS date(date_dt, '+0 days'))),
  GL_ID              INTEGER NOT NULL REFERENCES COA_T(GL_ID)
                     CHECK (GL_ID IS NULL OR (typeof(GL_ID) = 'integer' AND GL_ID BETWEEN -2147483648 AND 2147483647)),
  Stock_IN           INTEGER NOT NULL REFERENCES COA_T(GL_ID)
                     CHECK (Stock_IN IS NULL OR (typeof(Stock_IN) = 'integer' AND Stock_IN BETWEEN -2147483648 AND 2147483647)),
  doc_type           TEXT COLLATE NOCASE NOT NULL
                     CHECK (doc_type IS NULL OR (typeof(doc_type) = 'text' AND length(doc_type) <= 3 AND doc_type = 'ADJ'))
);
