-- Cash and bank: banks, their requests, the bank line of each cash document and bank
-- adjustment lines.

CREATE TABLE Bank_T (
  Bank_Code_VC       INTEGER PRIMARY KEY REFERENCES COA_T(GL_ID) -- the bank's account
                     CHECK (Bank_Code_VC IS NULL OR (typeof(Bank_Code_VC) = 'integer' AND Bank_Code_VC BETWEEN -2147483648 AND 2147483647)),
  Bank_name          TEXT COLLATE NOCASE NOT NULL UNIQUE
                     CHECK (Bank_name IS NULL OR (typeof(Bank_name) = 'text' AND length(Bank_name) <= 40)),
  Bank_Add_VC        TEXT COLLATE NOCASE
                     CHECK (Bank_Add_VC IS NULL OR (typeof(Bank_Add_VC) = 'text' AND length(Bank_Add_VC) <= 60)),
  Bank_Contact_VC    TEXT COLLATE NOCASE
                     CHECK (Bank_Contact_VC IS NULL OR (typeof(Bank_Contact_VC) = 'text' AND length(Bank_Contact_VC) <= 15))
);

CREATE TABLE Temp_Bank (
  Req_ID             INTEGER PRIMARY KEY AUTOINCREMENT,
  Bank_Code_VC       INTEGER                             -- create only
                     CHECK (Bank_Code_VC IS NULL OR (typeof(Bank_Code_VC) = 'integer' AND Bank_Code_VC BETWEEN -2147483648 AND 2147483647)),
  Bank_name          TEXT COLLATE NOCASE
                     CHECK (Bank_name IS NULL OR (typeof(Bank_name) = 'text' AND length(Bank_name) <= 40)),
  Bank_Add_VC        TEXT COLLATE NOCASE
                     CHECK (Bank_Add_VC IS NULL OR (typeof(Bank_Add_VC) = 'text' AND length(Bank_Add_VC) <= 60)),
  Bank_Contact_VC    TEXT COLLATE NOCASE
                     CHECK (Bank_Contact_VC IS NULL OR (typeof(Bank_Contact_VC) = 'text' AND length(Bank_Contact_VC) <= 15)),
  Function_type      TEXT COLLATE NOCASE NOT NULL
                     CHECK (Function_type IS NULL OR (typeof(Function_type) = 'text' AND length(Function_type) <= 1 AND Function_type IN ('C', 'U', 'D')))
);

-- The bank line of a receipt, payment or bank adjustment.
CREATE TABLE Cash_T (
  Row_ID             INTEGER PRIMARY KEY AUTOINCREMENT,
  Doc_No             INTEGER NOT NULL UNIQUE             -- the DocID
                     CHECK (Doc_No IS NULL OR (typeof(Doc_No) = 'integer' AND Doc_No BETWEEN -2147483648 AND 2147483647)),
  Bank_Code_VC       INTEGER NOT NULL REFERENCES Bank_T(Bank_Code_VC)
                     CHECK (Bank_Code_VC IS NULL OR (typeof(Bank_Code_VC) = 'integer' AND Bank_Code_VC BETWEEN -2147483648 AND 2147483647)),
  Chq_No_VC          TEXT COLLATE NOCASE NOT NULL UNIQUE -- unique across all cash documents
                     CHECK (Chq_No_VC IS NULL OR (typeof(Chq_No_VC) = 'text' AND length(Chq_No_VC) <= 10)),
  Cash_Category_VC   TEXT COLLATE NOCASE                 -- CH on bank adjustments
                     CHECK (Cash_Category_VC IS NULL OR (typeof(Cash_Category_VC) = 'text' AND length(Cash_Category_VC) <= 2))
);

-- Bank adjustment lines.
CREATE TABLE Cash_Adj_T (
  Row_ID             INTEGER PRIMARY KEY AUTOINCREMENT,
  Doc_No_VC          INTEGER NOT NULL                    -- the DocID
                     CHECK (Doc_No_VC IS NULL OR (typeof(Doc_No_VC) = 'integer' AND Doc_No_VC BETWEEN -2147483648 AND 2147483647)),
  GL_ID              INTEGER NOT NULL REFERENCES COA_T(GL_ID)
                     CHECK (GL_ID IS NULL OR (typeof(GL_ID) = 'integer' AND GL_ID BETWEEN -2147483648 AND 2147483647)),
  Amount_NU          CURRENCY NOT NULL                   -- debit the line's account +
                     CHECK (Amount_NU IS NULL OR (typeof(Amount_NU) = 'integer')),
  Descrip_VC         TEXT COLLATE NOCASE
                     CHECK (Descrip_VC IS NULL OR (typeof(Descrip_VC) = 'text' AND length(Descrip_VC) <= 50)),
  date_dt            DATE NOT NULL CHECK (date_dt IS NULL OR (date_dt IS date(date_dt, '+0 days'))),
  Chq_No_VC          TEXT COLLATE NOCASE                 -- copies Cash_T
                     CHECK (Chq_No_VC IS NULL OR (typeof(Chq_No_VC) = 'text' AND length(Chq_No_VC) <= 10)),
  Bank_Code_VC       INTEGER NOT NULL                    -- copies Cash_T
                     CHECK (Bank_Code_VC IS NULL OR (typeof(Bank_Code_VC) = 'integer' AND Bank_Code_VC BETWEEN -2147483648 AND 2147483647))
);
