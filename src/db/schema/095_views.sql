-- Views over the ledger and the masters: account roles, open items, report ordering and the
-- closing journal of the write under way.

-- The sub-ledger role of an account. An account holds at most one role; PARTY and BANK accounts
-- serve one record each, VAT, STOCK, GRNI and SHIP accounts may be shared.
CREATE VIEW v_Account_Role AS
  SELECT CustomerID AS GL_ID, 'PARTY' AS Role FROM Customers
  UNION ALL SELECT CustomerID, 'PARTY' FROM Creditors
  UNION ALL SELECT Bank_Code_VC, 'BANK' FROM Bank_T
  UNION ALL SELECT VAT_Control, 'VAT' FROM VAT_T
  UNION ALL SELECT Stock_IN, 'STOCK' FROM Product_AccountSet_T
  UNION ALL SELECT payable_IN, 'GRNI' FROM Product_AccountSet_T
  UNION ALL SELECT shipment_IN, 'SHIP' FROM Product_AccountSet_T
  UNION ALL SELECT GL_ID, Role_VC FROM GL_Designated_T;

-- Receivable open items, keyed (customerid, inv_no), built from the customers' ITEM and SETTLE
-- legs. Amounts in the customer's currency except Open_Local and Item_Local; an item is open
-- while Open > 0. Rate is the item's average rate.
CREATE VIEW v_AR_Item AS
WITH g AS (
  SELECT Party_ID AS customerid, Inv_No AS inv_no, MAX(Cur_Type) AS Cur_Type,
         MIN(CASE WHEN Leg = 'ITEM' THEN date_dt END)              AS Inv_Date,
         SUM(CASE WHEN Leg = 'ITEM' THEN Cur_Amount ELSE 0 END)    AS Payable,
        -SUM(CASE WHEN Leg = 'SETTLE' THEN Cur_Amount ELSE 0 END)  AS Allocated,
         SUM(Cur_Amount)                                           AS Open,
         SUM(Amount_NU)                                            AS Open_Local,
         SUM(CASE WHEN Leg = 'ITEM' THEN Amount_NU ELSE 0 END)     AS Item_Local
  FROM Ledger_T WHERE Party_Kind = 'C' AND Leg IN ('ITEM','SETTLE')
  GROUP BY Party_ID, Inv_No)
SELECT g.*, date(g.Inv_Date, '+' || COALESCE(c.Credit_Term, 0) || ' days') AS Due_Date,
       CASE WHEN g.Payable <> 0 THEN CAST(g.Item_Local AS REAL) / g.Payable END AS Rate
FROM g JOIN Customers c ON c.CustomerID = g.customerid;

-- Payable open items, the same over the suppliers with the signs of a liability: Paid in place
-- of Allocated.
CREATE VIEW v_AP_Item AS
WITH g AS (
  SELECT Party_ID AS customerid, Inv_No AS inv_no, MAX(Cur_Type) AS Cur_Type,
         MIN(CASE WHEN Leg = 'ITEM' THEN date_dt END)              AS Inv_Date,
        -SUM(CASE WHEN Leg = 'ITEM' THEN Cur_Amount ELSE 0 END)    AS Payable,
         SUM(CASE WHEN Leg = 'SETTLE' THEN Cur_Amount ELSE 0 END)  AS Paid,
        -SUM(Cur_Amount)                                           AS Open,
        -SUM(Amount_NU)                                            AS Open_Local,
        -SUM(CASE WHEN Leg = 'ITEM' THEN Amount_NU ELSE 0 END)     AS Item_Local
  FROM Ledger_T WHERE Party_Kind = 'S' AND Leg IN ('ITEM','SETTLE')
  GROUP BY Party_ID, Inv_No)
SELECT g.*, date(g.Inv_Date, '+' || COALESCE(c.Credit_Term, 0) || ' days') AS Due_Date,
       CASE WHEN g.Payable <> 0 THEN CAST(g.Item_Local AS REAL) / g.Payable END AS Rate
FROM g JOIN Creditors c ON c.CustomerID = g.customerid;

-- Report order of an account: the position of its category and sub-category in their tables
-- (accounts under a name of neither table come last).
CREATE VIEW v_COA_Order AS
SELECT c.GL_ID, COALESCE(k.Row_ID, 1000000) AS ck, COALESCE(s.Row_ID, 1000000) AS sk
FROM COA_T c LEFT JOIN Category_T k ON k.Category_VC = c.BS_Category_VC
             LEFT JOIN Sub_Category_T s ON s.Sub_Category_VC = c.Sub_Category_VC;

-- The marked journal of this write, when it keeps the closing rules: one year; only PL lines and
-- lines on the retained-earnings account, at least one PL line; every PL account it names left at
-- zero for the year. Residual is what commit_checks transfers to retained earnings.
CREATE VIEW v_Closing_Doc AS
SELECT t.Post_No AS DocID, SUM(j.Amount_NU) AS Residual, MAX(j.date_dt) AS Last_Date
FROM Closing_Ctx_T x
CROSS JOIN Touched_Doc_T t
CROSS JOIN Journal_T j ON j.Doc_No_VC = CAST(t.Post_No AS TEXT)
JOIN COA_T c ON c.GL_ID = j.GL_ID
JOIN GL_Designated_T d ON d.Role_VC = 'RE'
WHERE t.Post_Seq = 'DOC' AND t.Doc_Kind = 'JNL'
GROUP BY t.Post_No
HAVING COUNT(DISTINCT j.Year_SI) = 1                          -- one year
   AND SUM(c.Acct_Type = 'PL') > 0                             -- at least one PL line
   AND SUM(c.Acct_Type <> 'PL' AND j.GL_ID <> d.GL_ID) = 0     -- only PL lines and RE lines
   AND NOT EXISTS (                                            -- every PL account named ends the year at zero
     SELECT 1 FROM Journal_T j2 JOIN COA_T c2 ON c2.GL_ID = j2.GL_ID
     WHERE j2.Doc_No_VC = CAST(t.Post_No AS TEXT) AND c2.Acct_Type = 'PL'
       AND COALESCE((SELECT SUM(l.Amount_NU) FROM Ledger_Balance_T l
                     WHERE l.GL_ID = j2.GL_ID AND l.Year_SI = j2.Year_SI), 0)
           + (SELECT SUM(j3.Amount_NU) FROM Journal_T j3              -- the closing's own lines, which
              WHERE j3.Doc_No_VC = j2.Doc_No_VC AND j3.GL_ID = j2.GL_ID     -- the balances take in
                AND j3.Year_SI = j2.Year_SI) <> 0);                        -- once it is checked

-- The issue of stock, written as an insert into this view: its INSTEAD OF trigger
-- (triggers/Stock_Issue_V.sql) takes Qty units of an item out of stock at cost, FIFO by layer or
-- at the moving average, from the named layer when LayerID is given, and records the moves under
-- the source line. The caller reads the cost back as the sum of the moves' Value for that line.
-- Deliveries and stock adjustments that count stock down share it; Line_No is the source line's
-- place in its document, which a refusal names. An issue without a layer names the item's costing
-- method (Cost_Method, its account set's), which chooses the trigger that walks the layers.
CREATE VIEW Stock_Issue_V AS
  SELECT NULL AS Pdt_ID_VC, NULL AS Qty, NULL AS LayerID, NULL AS date_dt, NULL AS Doc_Type,
         NULL AS Post_Seq, NULL AS Post_No, NULL AS Src_Table, NULL AS Src_Row, NULL AS Descrip_VC,
         NULL AS Line_No, NULL AS Cost_Method
  WHERE 0;
