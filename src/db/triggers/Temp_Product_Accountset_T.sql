-- Account set requests of the inventory set-up window. A set is found by its name and receives its
-- Acctset_ID from the database. A create names a new set, its costing method (FIFO or AVEG, typed in
-- any case and kept in capitals, as the stock rules compare it) and three
-- different balance-sheet accounts of the chart: stock, goods received not billed and goods shipped not
-- billed. Each account may serve other sets in the same role, but holds no other role and no postings
-- outside that role. An update changes the costing method and the accounts (a missing value keeps the
-- old one); a new account must pass the rules of a create, and neither the accounts nor the method may
-- change while an item of the set holds stock. A delete is refused while an item uses the set. A refused
-- request leaves no row; an accepted one is applied at once and stays as a log.
CREATE TRIGGER Temp_Product_Accountset_T_check BEFORE INSERT ON Temp_Product_Accountset_T BEGIN
  -- @use Request_Rules
  --   ${Masters} = Product_AccountSet_T
  --   ${Key} = Pdt_Acctset_VC
  --   ${missing} = account set of that name
  --   ${named} = account set name
  -- the costing method
  SELECT db_fail('Temp_Product_Accountset_T: costing method is not FIFO or AVEG')
    WHERE (upper(NEW.Function_type) = 'C' OR (upper(NEW.Function_type) = 'U' AND NEW.cost_method_VC IS NOT NULL))
      AND (NEW.cost_method_VC IS NULL OR upper(NEW.cost_method_VC) NOT IN ('FIFO', 'AVEG'));
  -- The rules on the accounts, then what freezes on an update, in this order, each tried over the three
  -- accounts before the next: one row per account with its role, the account asked for (all three on a
  -- create; on an update those it names and changes) and the set's account in that role before.
  SELECT CASE
    WHEN rule.k = 1 AND g.asked AND NOT EXISTS (SELECT 1 FROM COA_T WHERE GL_ID = g.a AND Acct_Type = 'BS')
      THEN db_fail('Temp_Product_Accountset_T: account is not a balance sheet account of the chart')
    WHEN rule.k = 2 AND (g.st = g.gr OR g.st = g.sh OR g.gr = g.sh)
      THEN db_fail('Temp_Product_Accountset_T: stock, received and shipped accounts are not all different')
    WHEN rule.k = 3 AND g.asked AND EXISTS (SELECT 1 FROM v_Account_Role v WHERE v.GL_ID = g.a AND v.Role <> g.r)
      THEN db_fail('Temp_Product_Accountset_T: account holds another role')
    WHEN rule.k = 4 AND g.asked AND EXISTS (SELECT 1 FROM Ledger_T l WHERE l.GL_ID = g.a AND l.Leg <> g.r)
      THEN db_fail('Temp_Product_Accountset_T: account has postings outside its role')
    -- an update freezes the accounts while an item of the set holds stock or has a goods received or
    -- delivery line not yet billed, and the costing method once its items moved (their layers and values
    -- were costed by it) or while they hold stock
    WHEN rule.k = 5 AND g.is_update AND g.a <> g.old AND g.held
      THEN db_fail('Temp_Product_Accountset_T: accounts of a set whose items hold stock')
    WHEN rule.k = 6 AND g.is_update AND g.a <> g.old AND g.unbilled
      THEN db_fail('Temp_Product_Accountset_T: accounts of a set whose items have lines not yet billed')
    WHEN rule.k = 7 AND g.is_update AND g.method_changes AND g.moved
      THEN db_fail('Temp_Product_Accountset_T: costing method of a set whose items have stock moves')
    WHEN rule.k = 8 AND g.is_update AND g.method_changes AND g.held
      THEN db_fail('Temp_Product_Accountset_T: costing method of a set whose items hold stock')
    END
  FROM (SELECT column1 AS k FROM (VALUES (1), (2), (3), (4), (5), (6), (7), (8))) rule
  CROSS JOIN (
    SELECT x.*, upper(NEW.Function_type) = 'U' AS is_update,
           upper(NEW.Function_type) = 'C' OR (x.a IS NOT NULL AND x.a IS NOT x.old) AS asked
    FROM (SELECT n.r, n.a,
                 CASE n.r WHEN 'STOCK' THEN s.Stock_IN WHEN 'GRNI' THEN s.payable_IN ELSE s.shipment_IN END AS old,
                 COALESCE(NEW.Stock_IN, s.Stock_IN) AS st, COALESCE(NEW.payable_IN, s.payable_IN) AS gr,
                 COALESCE(NEW.shipment_IN, s.shipment_IN) AS sh,
                 NEW.cost_method_VC IS NOT NULL AND NEW.cost_method_VC <> s.cost_method_VC COLLATE NOCASE
                   AS method_changes,
                 EXISTS (SELECT 1 FROM Product_T p JOIN Stock_Item_T i ON i.Pdt_ID_VC = p.Pdt_ID_VC
                         WHERE p.Pdt_Acctset_VC = s.Pdt_Acctset_VC AND i.Qty_On_Hand > 0) AS held,
                 EXISTS (SELECT 1 FROM Product_T p JOIN Temp_Stock_T t ON t.Pdt_ID_VC = p.Pdt_ID_VC
                         WHERE p.Pdt_Acctset_VC = s.Pdt_Acctset_VC AND t.Open_Qty > 0) AS unbilled,
                 EXISTS (SELECT 1 FROM Product_T p JOIN Stock_Move_T m ON m.Pdt_ID_VC = p.Pdt_ID_VC AND m.Qty > 0
                         WHERE p.Pdt_Acctset_VC = s.Pdt_Acctset_VC) AS moved
          FROM (SELECT 'STOCK' AS r, NEW.Stock_IN AS a UNION ALL SELECT 'GRNI', NEW.payable_IN
                UNION ALL SELECT 'SHIP', NEW.shipment_IN) n
          LEFT JOIN Product_AccountSet_T s ON s.Pdt_Acctset_VC = NEW.Pdt_Acctset_VC) x) g
  WHERE upper(NEW.Function_type) IN ('C', 'U');
  -- delete
  SELECT db_fail('Temp_Product_Accountset_T: account set used by items')
    WHERE upper(NEW.Function_type) = 'D'
      AND EXISTS (SELECT 1 FROM Product_T WHERE Pdt_Acctset_VC = NEW.Pdt_Acctset_VC);
END;

CREATE TRIGGER Temp_Product_Accountset_T_apply AFTER INSERT ON Temp_Product_Accountset_T BEGIN
  INSERT INTO Product_AccountSet_T (Pdt_Acctset_VC, cost_method_VC, Stock_IN, payable_IN, shipment_IN)
  SELECT NEW.Pdt_Acctset_VC, upper(NEW.cost_method_VC), NEW.Stock_IN, NEW.payable_IN, NEW.shipment_IN
  WHERE upper(NEW.Function_type) = 'C';
  UPDATE Product_AccountSet_T SET cost_method_VC = COALESCE(upper(NEW.cost_method_VC), cost_method_VC),
                                  Stock_IN = COALESCE(NEW.Stock_IN, Stock_IN),
                                  payable_IN = COALESCE(NEW.payable_IN, payable_IN),
                                  shipment_IN = COALESCE(NEW.shipment_IN, shipment_IN)
  WHERE upper(NEW.Function_type) = 'U' AND Pdt_Acctset_VC = NEW.Pdt_Acctset_VC;
  DELETE FROM Product_AccountSet_T WHERE upper(NEW.Function_type) = 'D' AND Pdt_Acctset_VC = NEW.Pdt_Acctset_VC;
END;
