-- Shippers and employees, with their request tables (the customers are in parties.sqlt). A request
-- table carries only the type checks: names, keys and references are master rules that its check
-- trigger applies.

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
