-- Starter books of a new company file: a small trading company's chart of accounts with its
-- categories, the retained-earnings account, the home currency (SGD), countries and their closing
-- rates, three VAT codes, one product category and one account set. No employees, parties, banks,
-- items or documents: the clerk creates an account per customer, supplier and bank (under TRADE
-- DEBTORS, TRADE CREDITORS, CURRENT ASSETS) before creating the record.

-- Row order is the order of the balance sheet and P&L.
INSERT INTO Category_T (Category_VC) VALUES
  ('ASSETS'), ('LIABILITIES'), ('EQUITY'), ('INCOME'), ('COST OF SALES'), ('EXPENSES');

INSERT INTO Sub_Category_T (Sub_Category_VC) VALUES
  ('CURRENT ASSETS'), ('TRADE DEBTORS'), ('FIXED ASSETS'), ('CURRENT LIABILITIES'), ('TRADE CREDITORS'),
  ('LONG TERM LIABILITY'), ('CAPITAL'), ('RESERVES'), ('SALES'), ('OTHER INCOME'), ('COST OF GOODS SOLD'),
  ('OPERATING EXPENSES'), ('FINANCE COSTS');

INSERT INTO COA_T (GL_ID, GL_Name_VC, Acct_Type, BS_Category_VC, Sub_Category_VC, Status_bt) VALUES
  (1000, 'Cash at Bank',         'BS', 'ASSETS',        'CURRENT ASSETS',      1),  -- ready for the first bank
  (1010, 'Petty Cash',           'BS', 'ASSETS',        'CURRENT ASSETS',      1),
  (1300, 'Inventory',            'BS', 'ASSETS',        'CURRENT ASSETS',      1),  -- STANDARD stock
  (1310, 'Shipped Not Billed',   'BS', 'ASSETS',        'CURRENT ASSETS',      1),  -- STANDARD shipments
  (1500, 'Office Equipment',     'BS', 'ASSETS',        'FIXED ASSETS',        1),
  (1510, 'Acc Depreciation',     'BS', 'ASSETS',        'FIXED ASSETS',        1),
  (2000, 'Accrued Expenses',     'BS', 'LIABILITIES',   'CURRENT LIABILITIES', 1),
  (2100, 'Received Not Billed',  'BS', 'LIABILITIES',   'CURRENT LIABILITIES', 1),  -- STANDARD receipts
  (2200, 'VAT Control',          'BS', 'LIABILITIES',   'CURRENT LIABILITIES', 1),  -- every VAT code
  (2500, 'Bank Loan',            'BS', 'LIABILITIES',   'LONG TERM LIABILITY', 1),
  (3000, 'Share Capital',        'BS', 'EQUITY',        'CAPITAL',             1),
  (3100, 'Retained Earnings',    'BS', 'EQUITY',        'RESERVES',            1),  -- designated RE
  (4000, 'Sales',                'PL', 'INCOME',        'SALES',               1),  -- GEN sales
  (4100, 'Other Income',         'PL', 'INCOME',        'OTHER INCOME',        1),
  (4200, 'Realised FX Gain',     'PL', 'INCOME',        'OTHER INCOME',        1),
  (4210, 'Unrealised FX Gain',   'PL', 'INCOME',        'OTHER INCOME',        1),
  (5000, 'Cost of Goods Sold',   'PL', 'COST OF SALES', 'COST OF GOODS SOLD',  1),  -- GEN cost of sales
  (5100, 'Stock Adjustments',    'PL', 'COST OF SALES', 'COST OF GOODS SOLD',  1),
  (6000, 'Salaries',             'PL', 'EXPENSES',      'OPERATING EXPENSES',  1),
  (6100, 'Rent',                 'PL', 'EXPENSES',      'OPERATING EXPENSES',  1),
  (6200, 'Freight',              'PL', 'EXPENSES',      'OPERATING EXPENSES',  1),
  (6300, 'Depreciation',         'PL', 'EXPENSES',      'OPERATING EXPENSES',  1),
  (6400, 'Bank Charges',         'PL', 'EXPENSES',      'FINANCE COSTS',       1),
  (6500, 'Realised FX Loss',     'PL', 'EXPENSES',      'FINANCE COSTS',       1),
  (6510, 'Unrealised FX Loss',   'PL', 'EXPENSES',      'FINANCE COSTS',       1);

INSERT INTO GL_Designated_T (Role_VC, GL_ID) VALUES ('RE', 3100);

INSERT INTO Settings_T (k, Home_Cur_Type) VALUES (1, 'SGD');

INSERT INTO Country_T (Country, Name, Cur_Type) VALUES
  ('SINGAPORE',     'Republic of Singapore',       'SGD'),
  ('UNITED STATES', 'United States of America',    'USD'),
  ('GERMANY',       'Federal Republic of Germany', 'EUR'),
  ('JAPAN',         'Japan',                       'JPY'),
  ('MALAYSIA',      'Malaysia',                    'MYR');

-- One closing rate per currency, so every currency appears once in the set-up lists.
INSERT INTO Forex_Master_T (Year_TI, Period_SI, Country, Cur_Type, Clsg_Rate, date_dt, posting_no) VALUES
  (2010, 12, 'SINGAPORE',     'SGD', 1.0,    '2010-12-31', NULL),
  (2010, 12, 'UNITED STATES', 'USD', 1.29,   '2010-12-31', NULL),
  (2010, 12, 'GERMANY',       'EUR', 1.72,   '2010-12-31', NULL),
  (2010, 12, 'JAPAN',         'JPY', 0.0159, '2010-12-31', NULL),
  (2010, 12, 'MALAYSIA',      'MYR', 0.415,  '2010-12-31', NULL);

INSERT INTO VAT_T (VAT_Code, VAT_Name, VAT_Descrip, VAT_Reg, VAT_Rate, VAT_Control) VALUES
  (1, 'Standard Rated', 'Standard-rated supplies', 'VAT-000-001', 7.0, 2200),
  (2, 'Zero Rated',     'Zero-rated supplies',     'VAT-000-001', 0.0, 2200),
  (3, 'Exempt',         'Exempt supplies',         'VAT-000-001', 0.0, 2200);

INSERT INTO Product_Category_T (Pdt_Category_VC, Category_Name_VC, Sales_IN, COS_IN) VALUES
  ('GEN', 'General Goods', 4000, 5000);

INSERT INTO Product_AccountSet_T (Acctset_ID, Pdt_Acctset_VC, cost_method_VC, Stock_IN, payable_IN, shipment_IN)
VALUES (1, 'STANDARD', 'FIFO', 1300, 2100, 1310);
