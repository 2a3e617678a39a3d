-- Foreign exchange: countries, closing rates, translations of open foreign-currency items and
-- their reversals.

CREATE TABLE Country_T (
  Row_ID             INTEGER PRIMARY KEY AUTOINCREMENT,
  Country            TEXT COLLATE NOCASE NOT NULL UNIQUE
                     CHECK (Country IS NULL OR (typeof(Country) = 'text' AND length(Country) <= 25)),
  Name               TEXT COLLATE NOCASE CHECK (Name IS NULL OR (typeof(Name) = 'text' AND length(Name) <= 30)),
  Cur_Type           TEXT COLLATE NOCASE                 -- the country's currency; NULL when not recorded
                     CHECK (Cur_Type IS NULL OR (typeof(Cur_Type) = 'text' AND length(Cur_Type) <= 10))
);

-- Closing rates on record, one per (year, period, currency): local units per unit of currency.
-- The currencies the books know are the distinct Cur_Type of this table.
CREATE TABLE Forex_Master_T (
  Row_ID             INTEGER PRIMARY KEY AUTOINCREMENT,
  Year_TI            INTEGER NOT NULL
                     CHECK (Year_TI IS NULL OR (typeof(Year_TI) = 'integer' AND Year_TI BETWEEN -32768 AND 32767)),
  Period_SI          INTEGER NOT NULL
                     CHECK (Period_SI IS NULL OR (typeof(Period_SI) = 'integer' AND Period_SI BETWEEN 1 AND 12)),
  Country            TEXT COLLATE NOCASE
                     CHECK (Country IS NULL OR (typeof(Country) = 'text' AND length(Country) <= 25)),
  Cur_Type           TEXT COLLATE NOCASE NOT NULL
                     CHECK (Cur_Type IS NULL OR (typeof(Cur_Type) = 'text' AND length(Cur_Type) <= 10)),
  Clsg_Rate          REAL NOT NULL
                     CHECK (Clsg_Rate IS NULL OR (typeof(Clsg_Rate) IN ('real', 'integer') AND Clsg_Rate > 0)),
  date_dt            DATE CHECK (date_dt IS NULL OR (date_dt IS date(date_dt, '+0 days'))),
  posting_no         INTEGER
                     CHECK (posting_no IS NULL OR (typeof(posting_no) = 'integer' AND posting_no BETWEEN -2147483648 AND 2147483647)),
  UNIQUE (Year_TI, Period_SI, Cur_Type)
);

-- Closing rates as entered, one row per line of a rate document.
CREATE TABLE Forex_Master_Org_T (
  Row_ID             INTEGER PRIMARY KEY AUTOINCREMENT,
  Year_TI            INTEGER NOT NULL
                     CHECK (Year_TI IS NULL OR (typeof(Year_TI) = 'integer' AND Year_TI BETWEEN -32768 AND 32767)),
  Period_SI          INTEGER NOT NULL
                     CHECK (Period_SI IS NULL OR (typeof(Period_SI) = 'integer' AND Period_SI BETWEEN -32768 AND 32767)),
  Country            TEXT COLLATE NOCASE
                     CHECK (Country IS NULL OR (typeof(Country) = 'text' AND length(Country) <= 25)),
  Cur_Type           TEXT COLLATE NOCASE NOT NULL
                     CHECK (Cur_Type IS NULL OR (typeof(Cur_Type) = 'text' AND length(Cur_Type) <= 10)),
  Clsg_Rate          REAL NOT NULL CHECK (Clsg_Rate IS NULL OR (typeof(Clsg_Rate) IN ('real', 'integer'))),
  date_dt            DATE CHECK (date_dt IS NULL OR (date_dt IS date(date_dt, '+0 days'))),
  posting_no         INTEGER NOT NULL                    -- the DocID
                     CHECK (posting_no IS NULL OR (typeof(posting_no) = 'integer' AND posting_no BETWEEN -2147483648 AND 2147483647))
);

-- Translation lines of payables (Forex_Unrealised_T) and receivables (Forex_Unrealised_AR_T).
CREATE TABLE Forex_Unrealised_T (
  Row_ID             INTEGER PRIMARY KEY AUTOINCREMENT,
  creditorid         INTEGER NOT NULL                    -- the supplier
                     CHECK (creditorid IS NULL OR (typeof(creditorid) = 'integer' AND creditorid BETWEEN -2147483648 AND 2147483647)),
  inv_no             INTEGER NOT NULL
                     CHECK (inv_no IS NULL OR (typeof(inv_no) = 'integer' AND inv_no BETWEEN -2147483648 AND 2147483647)),
  Payable            CURRENCY NOT NULL CHECK (Payable IS NULL OR (typeof(Payable) = 'integer')),
  allocated          CURRENCY NOT NULL CHECK (allocated IS NULL OR (typeof(allocated) = 'integer')),
  Cur_Type           TEXT COLLATE NOCASE NOT NULL
                     CHECK (Cur_Type IS NULL OR (typeof(Cur_Type) = 'text' AND length(Cur_Type) <= 10)),
  cur_rate           REAL NOT NULL CHECK (cur_rate IS NULL OR (typeof(cur_rate) IN ('real', 'integer'))),
  Clsg_Rate          REAL NOT NULL CHECK (Clsg_Rate IS NULL OR (typeof(Clsg_Rate) IN ('real', 'integer'))),
  Year_SI            INTEGER NOT NULL
                     CHECK (Year_SI IS NULL OR (typeof(Year_SI) = 'integer' AND Year_SI BETWEEN -32768 AND 32767)),
  Period_TI          INTEGER NOT NULL
                     CHECK (Period_TI IS NULL OR (typeof(Period_TI) = 'integer' AND Period_TI BETWEEN 1 AND 12)),
  vat_rate           REAL                                -- unused placeholder
                     CHECK (vat_rate IS NULL OR (typeof(vat_rate) IN ('real', 'integer'))),
  Post_No            INTEGER
                     CHECK (Post_No IS NULL OR (typeof(Post_No) = 'integer' AND Post_No BETWEEN -2147483648 AND 2147483647)),
  Amount             CURRENCY                            -- the translation amount, local
                     CHECK (Amount IS NULL OR (typeof(Amount) = 'integer')),
  Trans_Date         DATE                                -- last day of Year_SI, Period_TI
                     CHECK (Trans_Date IS NULL OR (Trans_Date IS date(Trans_Date, '+0 days'))),
  Reversed_By        INTEGER                             -- DocID of the reversal; NULL while outstanding
                     CHECK (Reversed_By IS NULL OR (typeof(Reversed_By) = 'integer' AND Reversed_By BETWEEN -2147483648 AND 2147483647))
);

CREATE TABLE Forex_Unrealised_AR_T (
  Row_ID             INTEGER PRIMARY KEY AUTOINCREMENT,
  creditorid         INTEGER NOT NULL                    -- the customer
                     CHECK (creditorid IS NULL OR (typeof(creditorid) = 'integer' AND creditorid BETWEEN -2147483648 AND 2147483647)),
  inv_no             INTEGER NOT NULL
                     CHECK (inv_no IS NULL OR (typeof(inv_no) = 'integer' AND inv_no BETWEEN -2147483648 AND 2147483647)),
  Payable            CURRENCY NOT NULL CHECK (Payable IS NULL OR (typeof(Payable) = 'integer')),
  allocated          CURRENCY NOT NULL CHECK (allocated IS NULL OR (typeof(allocated) = 'integer')),
  Cur_Type           TEXT COLLATE NOCASE NOT NULL
                     CHECK (Cur_Type IS NULL OR (typeof(Cur_Type) = 'text' AND length(Cur_Type) <= 10)),
  cur_rate           REAL NOT NULL CHECK (cur_rate IS NULL OR (typeof(cur_rate) IN ('real', 'integer'))),
  Clsg_Rate          REAL NOT NULL CHECK (Clsg_Rate IS NULL OR (typeof(Clsg_Rate) IN ('real', 'integer'))),
  Year_SI            INTEGER NOT NULL
                     CHECK (Year_SI IS NULL OR (typeof(Year_SI) = 'integer' AND Year_SI BETWEEN -32768 AND 32767)),
  Period_TI          INTEGER NOT NULL
                     CHECK (Period_TI IS NULL OR (typeof(Period_TI) = 'integer' AND Period_TI BETWEEN 1 AND 12)),
  vat_rate           REAL CHECK (vat_rate IS NULL OR (typeof(vat_rate) IN ('real', 'integer'))),
  Post_No            INTEGER
                     CHECK (Post_No IS NULL OR (typeof(Post_No) = 'integer' AND Post_No BETWEEN -2147483648 AND 2147483647)),
  Amount             CURRENCY CHECK (Amount IS NULL OR (typeof(Amount) = 'integer')),
  Trans_Date         DATE CHECK (Trans_Date IS NULL OR (Trans_Date IS date(Trans_Date, '+0 days'))),
  Reversed_By        INTEGER
                     CHECK (Reversed_By IS NULL OR (typeof(Reversed_By) = 'integer' AND Reversed_By BETWEEN -2147483648 AND 2147483647))
);

-- Reversal lines; Reverses_Row is the Row_ID of the translation line reversed.
CREATE TABLE Forex_Reversal_T (
  Row_ID             INTEGER PRIMARY KEY AUTOINCREMENT,
  creditorid         INTEGER NOT NULL
                     CHECK (creditorid IS NULL OR (typeof(creditorid) = 'integer' AND creditorid BETWEEN -2147483648 AND 2147483647)),
  inv_no             INTEGER NOT NULL
                     CHECK (inv_no IS NULL OR (typeof(inv_no) = 'integer' AND inv_no BETWEEN -2147483648 AND 2147483647)),
  Payable            CURRENCY NOT NULL CHECK (Payable IS NULL OR (typeof(Payable) = 'integer')),
  allocated          CURRENCY NOT NULL CHECK (allocated IS NULL OR (typeof(allocated) = 'integer')),
  Cur_Type           TEXT COLLATE NOCASE NOT NULL
                     CHECK (Cur_Type IS NULL OR (typeof(Cur_Type) = 'text' AND length(Cur_Type) <= 10)),
  cur_rate           REAL NOT NULL CHECK (cur_rate IS NULL OR (typeof(cur_rate) IN ('real', 'integer'))),
  Clsg_Rate          REAL NOT NULL CHECK (Clsg_Rate IS NULL OR (typeof(Clsg_Rate) IN ('real', 'integer'))),
  Year_SI            INTEGER NOT NULL
                     CHECK (Year_SI IS NULL OR (typeof(Year_SI) = 'integer' AND Year_SI BETWEEN -32768 AND 32767)),
  Period_TI          INTEGER NOT NULL
                     CHECK (Period_TI IS NULL OR (typeof(Period_TI) = 'integer' AND Period_TI BETWEEN 1 AND 12)),
  vat_rate           REAL CHECK (vat_rate IS NULL OR (typeof(vat_rate) IN ('real', 'integer'))),
  Post_No            INTEGER
                     CHECK (Post_No IS NULL OR (typeof(Post_No) = 'integer' AND Post_No BETWEEN -2147483648 AND 2147483647)),
  Reverses_Row       INTEGER
                     CHECK (Reverses_Row IS NULL OR (typeof(Reverses_Row) = 'integer' AND Reverses_Row BETWEEN -2147483648 AND 2147483647))
);

CREATE TABLE Forex_Reversal_AR_T (
  Row_ID             INTEGER PRIMARY KEY AUTOINCREMENT,
  creditorid         INTEGER NOT NULL
                     CHECK (creditorid IS NULL OR (typeof(creditorid) = 'integer' AND creditorid BETWEEN -2147483648 AND 2147483647)),
  inv_no             INTEGER NOT NULL
                     CHECK (inv_no IS NULL OR (typeof(inv_no) = 'integer' AND inv_no BETWEEN -2147483648 AND 2147483647)),
  Payable            CURRENCY NOT NULL CHECK (Payable IS NULL OR (typeof(Payable) = 'integer')),
  allocated          CURRENCY NOT NULL CHECK (allocated IS NULL OR (typeof(allocated) = 'integer')),
  Cur_Type           TEXT COLLATE NOCASE NOT NULL
                     CHECK (Cur_Type IS NULL OR (typeof(Cur_Type) = 'text' AND length(Cur_Type) <= 10)),
  cur_rate           REAL NOT NULL CHECK (cur_rate IS NULL OR (typeof(cur_rate) IN ('real', 'integer'))),
  Clsg_Rate          REAL NOT NULL CHECK (Clsg_Rate IS NULL OR (typeof(Clsg_Rate) IN ('real', 'integer'))),
  Year_SI            INTEGER NOT NULL
                     CHECK (Year_SI IS NULL OR (typeof(Year_SI) = 'integer' AND Year_SI BETWEEN -32768 AND 32767)),
  Period_TI          INTEGER NOT NULL
                     CHECK (Period_TI IS NULL OR (typeof(Period_TI) = 'integer' AND Period_TI BETWEEN 1 AND 12)),
  vat_rate           REAL CHECK (vat_rate IS NULL OR (typeof(vat_rate) IN ('real', 'integer'))),
  Post_No            INTEGER
                     CHECK (Post_No IS NULL OR (typeof(Post_No) = 'integer' AND Post_No BETWEEN -2147483648 AND 2147483647)),
  Reverses_Row       INTEGER
                     CHECK (Reverses_Row IS NULL OR (typeof(Reverses_Row) = 'integer' AND Reverses_Row BETWEEN -2147483648 AND 2147483647))
);
