-- Customers, shippers and employees, with their request tables. A request table carries only the
-- type checks: names, keys and references are master rules that its check trigger applies.

-- One row per customer; changed only by applying Temp_Customers requests.
CREATE TABLE Customers (
  CustomerID         INTEGER PRIMARY KEY REFERENCES COA_T(GL_ID) -- the customer's own account
                     CHECK (CustomerID IS NULL OR (typeof(CustomerID) = 'integer' AND CustomerID BETWEEN 1 AND 99999999)),
  CompanyName        TEXT COLLATE NOCASE NOT NULL UNIQUE
                     CHECK (CompanyName IS NULL OR (typeof(CompanyName) = 'text' AND length(CompanyName) <= 40)),
  Address            TEXT COLLATE NOCASE
                     CHECK (Address IS NULL OR (typeof(Address) = 'text' AND length(Address) <= 60)),
  City               TEXT COLLATE NOCASE CHECK (City IS NULL OR (typeof(City) = 'text' AND length(City) <= 15)),
  Region             TEXT COLLATE NOCASE
                     CHECK (Region IS NULL OR (typeof(Region) = 'text' AND length(Region) <= 15)),
  PostalCode         TEXT COLLATE NOCASE
                     CHECK (PostalCode IS NULL OR (typeof(PostalCode) = 'text' AND length(PostalCode) <= 10)),
  Country            TEXT COLLATE NOCASE
                     CHECK (Country IS NULL OR (typeof(Country) = 'text' AND length(Country) <= 15)),
  Phone              TEXT COLLATE NOCASE CHECK (Phone IS NULL OR (typeof(Phone) = 'text' AND length(Phone) <= 24)),
  Credit_Term        INTEGER                             -- days
                     CHECK (Credit_Term IS NULL OR (typeof(Credit_Term) = 'integer' AND Credit_Term BETWEEN -2147483648 AND 2147483647)),
  Credit_Limit       INTEGER                             -- in the customer's currency
                     CHECK (Credit_Limit IS NULL OR (typeof(Credit_Limit) = 'integer' AND Credit_Limit BETWEEN -2147483648 AND 2147483647)),
  Cur_Type           TEXT COLLATE NOCASE NOT NULL
                     CHECK (Cur_Type IS NULL OR (typeof(Cur_Type) = 'text' AND length(Cur_Type) <= 10)),
  Forex              INTEGER NOT NULL                    -- 1 foreign
                     CHECK (Forex IS NULL OR (typeof(Forex) = 'integer' AND Forex BETWEEN -2147483648 AND 2147483647 AND Forex IN (0, 1))),
  UnRG               INTEGER                             -- unrealised gain account (1 = none, local customer)
                     CHECK (UnRG IS NULL OR (typeof(UnRG) = 'integer' AND UnRG BETWEEN -2147483648 AND 2147483647)),
  UnRL               INTEGER                             -- unrealised loss account
                     CHECK (UnRL IS NULL OR (typeof(UnRL) = 'integer' AND UnRL BETWEEN -2147483648 AND 2147483647)),
  RG                 INTEGER                             -- realised gain account
                     CHECK (RG IS NULL OR (typeof(RG) = 'integer' AND RG BETWEEN -2147483648 AND 2147483647)),
  RL                 INTEGER                             -- realised loss account
                     CHECK (RL IS NULL OR (typeof(RL) = 'integer' AND RL BETWEEN -2147483648 AND 2147483647)),
  Fax                TEXT COLLATE NOCASE                 -- printed on statements; no window fills it
                     CHECK (Fax IS NULL OR (typeof(Fax) = 'text' AND length(Fax) <= 24))
);

CREATE TABLE Temp_Customers (
  Req_ID             INTEGER PRIMARY KEY AUTOINCREMENT,
  customerid         INTEGER
                     CHECK (customerid IS NULL OR (typeof(customerid) = 'integer' AND customerid BETWEEN -2147483648 AND 2147483647)),
  CompanyName        TEXT COLLATE NOCASE
                     CHECK (CompanyName IS NULL OR (typeof(CompanyName) = 'text' AND length(CompanyName) <= 40)),
  Address            TEXT COLLATE NOCASE
                     CHECK (Address IS NULL OR (typeof(Address) = 'text' AND length(Address) <= 60)),
  City               TEXT COLLATE NOCASE CHECK (City IS NULL OR (typeof(City) = 'text' AND length(City) <= 15)),
  Region             TEXT COLLATE NOCASE
                     CHECK (Region IS NULL OR (typeof(Region) = 'text' AND length(Region) <= 15)),
  PostalCode         TEXT COLLATE NOCASE
                     CHECK (PostalCode IS NULL OR (typeof(PostalCode) = 'text' AND length(PostalCode) <= 10)),
  Country            TEXT COLLATE NOCASE
                     CHECK (Country IS NULL OR (typeof(Country) = 'text' AND length(Country) <= 15)),
  Phone              TEXT COLLATE NOCASE CHECK (Phone IS NULL OR (typeof(Phone) = 'text' AND length(Phone) <= 24)),
  Credit_Term        INTEGER
                     CHECK (Credit_Term IS NULL OR (typeof(Credit_Term) = 'integer' AND Credit_Term BETWEEN -2147483648 AND 2147483647)),
  Credit_Limit       INTEGER
                     CHECK (Credit_Limit IS NULL OR (typeof(Credit_Limit) = 'integer' AND Credit_Limit BETWEEN -2147483648 AND 2147483647)),
  Cur_Type           TEXT COLLATE NOCASE
                     CHECK (Cur_Type IS NULL OR (typeof(Cur_Type) = 'text' AND length(Cur_Type) <= 10)),
  UnRG               INTEGER
                     CHECK (UnRG IS NULL OR (typeof(UnRG) = 'integer' AND UnRG BETWEEN -2147483648 AND 2147483647)),
  UnRL               INTEGER
                     CHECK (UnRL IS NULL OR (typeof(UnRL) = 'integer' AND UnRL BETWEEN -2147483648 AND 2147483647)),
  RG                 INTEGER
                     CHECK (RG IS NULL OR (typeof(RG) = 'integer' AND RG BETWEEN -2147483648 AND 2147483647)),
  RL                 INTEGER
                     CHECK (RL IS NULL OR (typeof(RL) = 'integer' AND RL BETWEEN -2147483648 AND 2147483647)),
  Forex              INTEGER
                     CHECK (Forex IS NULL OR (typeof(Forex) = 'integer' AND Forex BETWEEN -2147483648 AND 2147483647)),
  Function_type      TEXT COLLATE NOCASE NOT NULL
                     CHECK (Function_type IS NULL OR (typeof(Function_type) = 'text' AND length(Function_type) <= 1 AND Function_type IN ('C', 'U', 'D')))
);

CREATE TABLE Shippers (
  ShipperID          INTEGER PRIMARY KEY AUTOINCREMENT CHECK (ShipperID IS NULL OR (typeof(ShipperID) = 'integer')),
  CompanyName        TEXT COLLATE NOCASE NOT NULL UNIQUE
                     CHECK (CompanyName IS NULL OR (typeof(CompanyName) = 'text' AND length(CompanyName) <= 40)),
  Phone              TEXT COLLATE NOCASE CHECK (Phone IS NULL OR (typeof(Phone) = 'text' AND length(Phone) <= 24)),
  Shipaddr           TEXT COLLATE NOCASE
                     CHECK (Shipaddr IS NULL OR (typeof(Shipaddr) = 'text' AND length(Shipaddr) <= 40))
);

CREATE TABLE Temp_Shippers (
  Req_ID             INTEGER PRIMARY KEY AUTOINCREMENT,
  CompanyName        TEXT COLLATE NOCASE
                     CHECK (CompanyName IS NULL OR (typeof(CompanyName) = 'text' AND length(CompanyName) <= 40)),
  Phone              TEXT COLLATE NOCASE CHECK (Phone IS NULL OR (typeof(Phone) = 'text' AND length(Phone) <= 24)),
  Shipaddr           TEXT COLLATE NOCASE
                     CHECK (Shipaddr IS NULL OR (typeof(Shipaddr) = 'text' AND length(Shipaddr) <= 40)),
  Function_type      TEXT COLLATE NOCASE NOT NULL
                     CHECK (Function_type IS NULL OR (typeof(Function_type) = 'text' AND length(Function_type) <= 1 AND Function_type IN ('C', 'U', 'D')))
);

CREATE TABLE Employees (
  EmployeeID         INTEGER PRIMARY KEY AUTOINCREMENT
                     CHECK (EmployeeID IS NULL OR (typeof(EmployeeID) = 'integer')),
  LastName           TEXT COLLATE NOCASE NOT NULL
                     CHECK (LastName IS NULL OR (typeof(LastName) = 'text' AND length(LastName) <= 20)),
  FirstName          TEXT COLLATE NOCASE NOT NULL
                     CHECK (FirstName IS NULL OR (typeof(FirstName) = 'text' AND length(FirstName) <= 10)),
  BirthDate          DATE CHECK (BirthDate IS NULL OR (BirthDate IS date(BirthDate, '+0 days'))),
  HireDate           DATE CHECK (HireDate IS NULL OR (HireDate IS date(HireDate, '+0 days'))),
  Address            TEXT COLLATE NOCASE
                     CHECK (Address IS NULL OR (typeof(Address) = 'text' AND length(Address) <= 60)),
  HomePhone          TEXT COLLATE NOCASE
                     CHECK (HomePhone IS NULL OR (typeof(HomePhone) = 'text' AND length(HomePhone) <= 24)),
  UNIQUE (LastName, FirstName)
);

CREATE TABLE Temp_Employees (
  Req_ID             INTEGER PRIMARY KEY AUTOINCREMENT,
  LastName           TEXT COLLATE NOCASE
                     CHECK (LastName IS NULL OR (typeof(LastName) = 'text' AND length(LastName) <= 20)),
  FirstName          TEXT COLLATE NOCASE
                     CHECK (FirstName IS NULL OR (typeof(FirstName) = 'text' AND length(FirstName) <= 10)),
  HireDate           DATE CHECK (HireDate IS NULL OR (HireDate IS date(HireDate, '+0 days'))),
  BirthDate          DATE CHECK (BirthDate IS NULL OR (BirthDate IS date(BirthDate, '+0 days'))),
  Address            TEXT COLLATE NOCASE
                     CHECK (Address IS NULL OR (typeof(Address) = 'text' AND length(Address) <= 60)),
  HomePhone          TEXT COLLATE NOCASE
                     CHECK (HomePhone IS NULL OR (typeof(HomePhone) = 'text' AND length(HomePhone) <= 24)),
  Function_type      TEXT COLLATE NOCASE NOT NULL
                     CHECK (Function_type IS NULL OR (typeof(Function_type) = 'text' AND length(Function_type) <= 1 AND Function_type IN ('C', 'U', 'D')))
);
