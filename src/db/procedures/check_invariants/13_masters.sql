-- 13. Masters: references hold, one role per account, account types, home currency, stock rows.
SELECT '13 masters', 'foreign key: ' || "table" || ' row ' || COALESCE(rowid, 'NULL') || ' -> ' || parent
FROM pragma_foreign_key_check
UNION ALL
SELECT '13 masters', 'account ' || GL_ID || ' holds roles ' || group_concat(DISTINCT Role)
FROM v_Account_Role GROUP BY GL_ID HAVING COUNT(DISTINCT Role) > 1
UNION ALL
SELECT '13 masters', 'account ' || GL_ID || ' serves ' || COUNT(*) || ' ' || Role || ' records'
FROM v_Account_Role WHERE Role IN ('PARTY', 'BANK') GROUP BY GL_ID, Role HAVING COUNT(*) > 1
UNION ALL
SELECT '13 masters', r.Role || ' account ' || r.GL_ID || ' is ' || COALESCE(c.Acct_Type, 'missing')
FROM v_Account_Role r LEFT JOIN COA_T c ON c.GL_ID = r.GL_ID
WHERE r.Role IN ('PARTY', 'BANK', 'VAT', 'STOCK', 'GRNI', 'SHIP') AND c.Acct_Type IS NOT 'BS'
UNION ALL
SELECT '13 masters', x.What || ' account ' || x.GL_ID || ' is ' || COALESCE(c.Acct_Type, 'missing')
FROM (SELECT 'category ' || Pdt_Category_VC || ' sales' AS What, Sales_IN AS GL_ID, 0 AS Local FROM Product_Category_T
      UNION ALL SELECT 'category ' || Pdt_Category_VC || ' cost of sales', COS_IN, 0 FROM Product_Category_T
      UNION ALL SELECT 'party ' || CustomerID || ' ' || g.n, g.GL_ID, Forex = 0
        FROM (SELECT CustomerID, Forex, 'UnRG' AS n, UnRG AS GL_ID FROM Customers
              UNION ALL SELECT CustomerID, Forex, 'UnRL', UnRL FROM Customers
              UNION ALL SELECT CustomerID, Forex, 'RG', RG FROM Customers
              UNION ALL SELECT CustomerID, Forex, 'RL', RL FROM Customers
              UNION ALL SELECT CustomerID, Forex, 'UnRG', UnRG FROM Creditors
              UNION ALL SELECT CustomerID, Forex, 'UnRL', UnRL FROM Creditors
              UNION ALL SELECT CustomerID, Forex, 'RG', RG FROM Creditors
              UNION ALL SELECT CustomerID, Forex, 'RL', RL FROM Creditors) g) x
LEFT JOIN COA_T c ON c.GL_ID = x.GL_ID
WHERE c.Acct_Type IS NOT 'PL' AND NOT (x.Local AND x.GL_ID = 1)
UNION ALL
SELECT '13 masters', 'party ' || p.CustomerID || ' is ' || CASE p.Forex WHEN 1 THEN 'FOREIGN' ELSE 'LOCAL' END
       || ' in ' || p.Cur_Type
FROM (SELECT CustomerID, Forex, Cur_Type FROM Customers UNION ALL SELECT CustomerID, Forex, Cur_Type FROM Creditors) p
CROSS JOIN Settings_T s
WHERE (p.Forex = 0) <> (p.Cur_Type = s.Home_Cur_Type COLLATE NOCASE)
UNION ALL
SELECT '13 masters', 'item ' || Pdt_ID_VC || ' has no stock row'
FROM Product_T p WHERE NOT EXISTS (SELECT 1 FROM Stock_Item_T s WHERE s.Pdt_ID_VC = p.Pdt_ID_VC)
