-- General ledger: the chart of accounts, its categories, the accounts and settings the books
-- need, and the header that numbers every posted document except delivery orders and invoices.
-- Column checks follow one pattern: every check lets NULL pass, NOT NULL says when a value is due.

-- Chart of accounts; changed only by applying Temp_COA requests.
CREATE TABLE COA_T (
  GL_ID              INTEGER PRIMARY KEY
                     CHECK (GL_ID IS NULL OR (typeof(GL_ID) = 'integer' AND GL_ID BETWEEN -2147483648 AND 2147483647)),
  GL_Name_VC         TEXT COLLATE NOCASE NOT NULL UNIQUE
                     CHECK (GL_Name_VC IS NULL OR (typeof(GL_Name_VC) = 'text' AND length(GL_Name_VC) <= 20)),
  Acct_Type          TEXT COLLATE NOCASE NOT NULL
                     CHECK (Acct_Type IS NULL OR (typeof(Acct_Type) = 'text' AND length(Acct_Type) <= 10 AND Acct_Type IN ('BS', 'PL'))),
  BS_Category_VC     TEXT COLLATE NOCASE                 -- free text, normally a Category_T name
                     CHECK (BS_Category_VC IS NULL OR (typeof(BS_Category_VC) = 'text' AND length(BS_Category_VC) <= 20)),
  Sub_Category_VC    TEXT COLLATE NOCASE                 -- free text, normally a Sub_Category_T name
                     CHECK (Sub_Category_VC IS NULL OR (typeof(Sub_Category_VC) = 'text' AND length(Sub_Category_VC) <= 20)),
  Status_bt          INTEGER NOT NULL DEFAULT 1          -- 1 active, 0 inactive
                     CHECK (Status_bt IS NULL OR (Status_bt IN (0, 1)))
);

-- Account requests: one row per create, update or delete.
CREATE TABLE Temp_COA (
  Req_ID             INTEGER PRIMARY KEY AUTOINCREMENT,
  GL_ID              INTEGER                             -- create only
                     CHECK (GL_ID IS NULL OR (typeof(GL_ID) = 'integer' AND GL_ID BETWEEN -2147483648 AND 2147483647)),
  GL_Name_VC         TEXT COLLATE NOCASE                 -- finds the account of an update or delete
                     CHECK (GL_Name_VC IS NULL OR (typeof(GL_Name_VC) = 'text' AND length(GL_Name_VC) <= 20)),
  Acct_Type          TEXT COLLATE NOCASE
                     CHECK (Acct_Type IS NULL OR (typeof(Acct_Type) = 'text' AND length(Acct_Type) <= 10)),
  BS_Category_VC     TEXT COLLATE NOCASE
                     CHECK (BS_Category_VC IS NULL OR (typeof(BS_Category_VC) = 'text' AND length(BS_Category_VC) <= 20)),
  Sub_Category_VC    TEXT COLLATE NOCASE
                     CHECK (Sub_Category_VC IS NULL OR (typeof(Sub_Category_VC) = 'text' AND length(Sub_Category_VC) <= 20)),
  Status_bt          INTEGER CHECK (Status_bt IS NULL OR (typeof(Status_bt) = 'integer')),
  Function_type      TEXT COLLATE NOCASE NOT NULL
                     CHECK (Function_type IS NULL OR (typeof(Function_type) = 'text' AND length(Function_type) <= 1 AND Function_type IN ('C', 'U', 'D')))
);

-- The row order of the two category tables is the order of the balance sheet and P&L.
CREATE TABLE Category_T (
  Row_ID             INTEGER PRIMARY KEY AUTOINCREMENT,
  Category_VC        TEXT COLLATE NOCASE NOT NULL UNIQUE
                     CHECK (Category_VC IS NULL OR (typeof(Category_VC) = 'text' AND length(Category_VC) <= 20))
);

CREATE TABLE Sub_Category_T (
  Row_ID             INTEGER PRIMARY KEY AUTOINCREMENT,
  Sub_Category_VC    TEXT COLLATE NOCASE NOT NULL UNIQUE
                     CHECK (Sub_Category_VC IS NULL OR (typeof(Sub_Category_VC) = 'text' AND length(Sub_Category_VC) <= 20))
);

-- Accounts the books need that no master names. RE: retained earnings.
CREATE TABLE GL_Designated_T (
  Role_VC            TEXT COLLATE NOCASE NOT NULL PRIMARY KEY
                     CHECK (Role_VC IS NULL OR (typeof(Role_VC) = 'text' AND length(Role_VC) <= 20)),
  GL_ID              INTEGER NOT NULL REFERENCES COA_T(GL_ID)
                     CHECK (GL_ID IS NULL OR (typeof(GL_ID) = 'integer' AND GL_ID BETWEEN -2147483648 AND 2147483647))
);

-- One row: the books' own currency.
CREATE TABLE Settings_T (
  k                  INTEGER PRIMARY KEY CHECK (k IS NULL OR (typeof(k) = 'integer' AND k = 1)),
  Home_Cur_Type      TEXT COLLATE NOCASE NOT NULL
                     CHECK (Home_Cur_Type IS NULL OR (typeof(Home_Cur_Type) = 'text' AND length(Home_Cur_Type) <= 10))
);

-- Header of every posted document but delivery orders and sales invoices.
CREATE TABLE Document_T (
  DocID              INTEGER PRIMARY KEY AUTOINCREMENT   -- the posting number
                     CHECK (DocID IS NULL OR (typeof(DocID) = 'integer' AND DocID BETWEEN -2147483648 AND 2147483647)),
  EmployeeID         INTEGER NOT NULL REFERENCES Employees(EmployeeID)
                     CHECK (EmployeeID IS NULL OR (typeof(EmployeeID) = 'integer')),
  customerid         INTEGER                             -- a Customers or Creditors key (checked by Document_T_ctx)
                     CHECK (customerid IS NULL OR (typeof(customerid) = 'integer' AND customerid BETWEEN -2147483648 AND 2147483647)),
  inv_no             INTEGER
                     CHECK (inv_no IS NULL OR (typeof(inv_no) = 'integer' AND inv_no BETWEEN -2147483648 AND 2147483647)),
  date_dt            DATE                                -- NULL when the window writes none
                     CHECK (date_dt IS NULL OR (date_dt IS date(date_dt, '+0 days'))),
  Doc_Kind           TEXT COLLATE NOCASE                 -- posting kind of its lines, stamped by commit_checks
                     CHECK (Doc_Kind IS NULL OR (typeof(Doc_Kind) = 'text' AND length(Doc_Kind) <= 5)),
  Closing_bt         INTEGER NOT NULL DEFAULT 0          -- 1 on a year-end closing journal
                     CHECK (Closing_bt IS NULL OR (Closing_bt IN (0, 1)))
);

-- Journal and retained-earnings lines.
CREATE TABLE Journal_T (
  Row_ID             INTEGER PRIMARY KEY AUTOINCREMENT,
  Doc_No_VC          TEXT COLLATE NOCASE NOT NULL        -- the DocID as decimal text
                     CHECK (Doc_No_VC IS NULL OR (typeof(Doc_No_VC) = 'text' AND length(Doc_No_VC) <= 10)),
  GL_ID              INTEGER NOT NULL REFERENCES COA_T(GL_ID)
                     CHECK (GL_ID IS NULL OR (typeof(GL_ID) = 'integer' AND GL_ID BETWEEN -2147483648 AND 2147483647)),
  Amount_NU          CURRENCY NOT NULL                   -- debit +, credit -; 0 is stored and posts no leg
                     CHECK (Amount_NU IS NULL OR (typeof(Amount_NU) = 'integer')),
  Descrip_VC         TEXT COLLATE NOCASE
                     CHECK (Descrip_VC IS NULL OR (typeof(Descrip_VC) = 'text' AND length(Descrip_VC) <= 50)),
  date_dt            DATE NOT NULL CHECK (date_dt IS NULL OR (date_dt IS date(date_dt, '+0 days'))),
  Period_TI          INTEGER NOT NULL
                     CHECK (Period_TI IS NULL OR (typeof(Period_TI) = 'integer' AND Period_TI BETWEEN 1 AND 12)),
  Year_SI            INTEGER NOT NULL
                     CHECK (Year_SI IS NULL OR (typeof(Year_SI) = 'integer' AND Year_SI BETWEEN -32768 AND 32767))
);
