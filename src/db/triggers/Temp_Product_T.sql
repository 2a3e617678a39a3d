-- Item requests of the inventory set-up window. An item is found by its code. A create names a new
-- code, a name (two items may share one), an existing category, VAT code and account set, and gives
-- the item its stock row with nothing on hand. An update changes the name, the description, the
-- category, the VAT code and the account set (a missing value keeps the old one); the account set is
-- frozen while the item holds stock. A delete is refused while the item holds stock, and removes its
-- stock row with it. A refused request leaves no row; an accepted one is applied at once and stays as
-- a log. The item names its category and account set as they are spelt there.
CREATE TRIGGER Temp_Product_T_check BEFORE INSERT ON Temp_Product_T BEGIN
  -- @use Request_Rules
  --   ${Masters} = Product_T
  --   ${Key} = Pdt_ID_VC
  --   ${missing} = item of that code
  --   ${named} = item code
  -- the name
  SELECT db_fail('Temp_Product_T: item name blank')
    WHERE (upper(NEW.Function_type) = 'C' OR (upper(NEW.Function_type) = 'U' AND NEW.Pdt_Name_VC IS NOT NULL))
      AND trim(COALESCE(NEW.Pdt_Name_VC, '')) = '';
  -- what the item names
  SELECT db_fail('Temp_Product_T: category unknown')
    WHERE (upper(NEW.Function_type) = 'C' OR (upper(NEW.Function_type) = 'U' AND NEW.Pdt_Category_VC IS NOT NULL))
      AND NOT EXISTS (SELECT 1 FROM Product_Category_T WHERE Pdt_Category_VC = NEW.Pdt_Category_VC);
  SELECT db_fail('Temp_Product_T: VAT code unknown')
    WHERE (upper(NEW.Function_type) = 'C' OR (upper(NEW.Function_type) = 'U' AND NEW.vat_code IS NOT NULL))
      AND NOT EXISTS (SELECT 1 FROM VAT_T WHERE VAT_Code = NEW.vat_code);
  SELECT db_fail('Temp_Product_T: account set unknown')
    WHERE (upper(NEW.Function_type) = 'C' OR (upper(NEW.Function_type) = 'U' AND NEW.Pdt_Acctset_VC IS NOT NULL))
      AND NOT EXISTS (SELECT 1 FROM Product_AccountSet_T WHERE Pdt_Acctset_VC = NEW.Pdt_Acctset_VC);
  -- what freezes while the item holds stock
  SELECT db_fail('Temp_Product_T: account set of an item that holds stock')
    WHERE upper(NEW.Function_type) = 'U' AND NEW.Pdt_Acctset_VC IS NOT NULL AND EXISTS (
      SELECT 1 FROM Product_T p JOIN Stock_Item_T i ON i.Pdt_ID_VC = p.Pdt_ID_VC
      WHERE p.Pdt_ID_VC = NEW.Pdt_ID_VC AND p.Pdt_Acctset_VC <> NEW.Pdt_Acctset_VC AND i.Qty_On_Hand > 0);
  SELECT db_fail('Temp_Product_T: account set of an item with lines not yet billed')
    WHERE upper(NEW.Function_type) = 'U' AND NEW.Pdt_Acctset_VC IS NOT NULL AND EXISTS (
      SELECT 1 FROM Product_T p JOIN Temp_Stock_T t ON t.Pdt_ID_VC = p.Pdt_ID_VC
      WHERE p.Pdt_ID_VC = NEW.Pdt_ID_VC AND p.Pdt_Acctset_VC <> NEW.Pdt_Acctset_VC AND t.Open_Qty > 0);
  -- delete
  SELECT db_fail('Temp_Product_T: item holds stock')
    WHERE upper(NEW.Function_type) = 'D'
      AND EXISTS (SELECT 1 FROM Stock_Item_T WHERE Pdt_ID_VC = NEW.Pdt_ID_VC AND Qty_On_Hand > 0);
  SELECT db_fail('Temp_Product_T: item has stock moves or document lines')
    WHERE upper(NEW.Function_type) = 'D' AND (
      EXISTS (SELECT 1 FROM Stock_Move_T WHERE Pdt_ID_VC = NEW.Pdt_ID_VC AND Qty > 0)
      OR EXISTS (SELECT 1 FROM Temp_Stock_T WHERE Pdt_ID_VC = NEW.Pdt_ID_VC)
      OR EXISTS (SELECT 1 FROM Sales_T WHERE Pdt_ID_VC = NEW.Pdt_ID_VC)
      OR EXISTS (SELECT 1 FROM Purchases_T WHERE Pdt_ID_VC = NEW.Pdt_ID_VC)
      OR EXISTS (SELECT 1 FROM Stock_Adj_T WHERE Pdt_ID_VC = NEW.Pdt_ID_VC));
END;

CREATE TRIGGER Temp_Product_T_apply AFTER INSERT ON Temp_Product_T BEGIN
  INSERT INTO Product_T (Pdt_ID_VC, Pdt_Name_VC, Pdt_Descrip_VC, Pdt_Category_VC, vat_code, Pdt_Acctset_VC)
  SELECT NEW.Pdt_ID_VC, NEW.Pdt_Name_VC, NEW.Pdt_Descrip_VC,
         (SELECT Pdt_Category_VC FROM Product_Category_T WHERE Pdt_Category_VC = NEW.Pdt_Category_VC), NEW.vat_code,
         (SELECT Pdt_Acctset_VC FROM Product_AccountSet_T WHERE Pdt_Acctset_VC = NEW.Pdt_Acctset_VC)
  WHERE upper(NEW.Function_type) = 'C';
  INSERT INTO Stock_Item_T (Pdt_ID_VC, Qty_On_Hand, Value_On_Hand)
  SELECT NEW.Pdt_ID_VC, 0, 0 WHERE upper(NEW.Function_type) = 'C';
  UPDATE Product_T SET Pdt_Name_VC = COALESCE(NEW.Pdt_Name_VC, Pdt_Name_VC),
                       Pdt_Descrip_VC = COALESCE(NEW.Pdt_Descrip_VC, Pdt_Descrip_VC),
                       Pdt_Category_VC = COALESCE((SELECT c.Pdt_Category_VC FROM Product_Category_T c
                                                   WHERE c.Pdt_Category_VC = NEW.Pdt_Category_VC), Pdt_Category_VC),
                       vat_code = COALESCE(NEW.vat_code, vat_code),
                       Pdt_Acctset_VC = COALESCE((SELECT a.Pdt_Acctset_VC FROM Product_AccountSet_T a
                                                  WHERE a.Pdt_Acctset_VC = NEW.Pdt_Acctset_VC), Pdt_Acctset_VC)
  WHERE upper(NEW.Function_type) = 'U' AND Pdt_ID_VC = NEW.Pdt_ID_VC;
  DELETE FROM Stock_Item_T WHERE upper(NEW.Function_type) = 'D' AND Pdt_ID_VC = NEW.Pdt_ID_VC;
  DELETE FROM Product_T WHERE upper(NEW.Function_type) = 'D' AND Pdt_ID_VC = NEW.Pdt_ID_VC;
END;
