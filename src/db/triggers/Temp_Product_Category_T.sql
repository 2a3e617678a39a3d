-- Product category requests of the inventory set-up window. A category is found by its code. A
-- create names a new code and a new name, with a sales and a cost-of-sales account that are profit
-- and loss accounts of the chart. An update changes the name (not another category's), the sales and
-- the cost-of-sales account (a missing value keeps the old one). A delete is refused while an item
-- belongs to the category. A refused request leaves no row; an accepted one is applied at once and
-- stays as a log.
CREATE TRIGGER Temp_Product_Category_T_check BEFORE INSERT ON Temp_Product_Category_T BEGIN
  -- @use Request_Rules
  --   ${Masters} = Product_Category_T
  --   ${Key} = Pdt_Category_VC
  --   ${missing} = category of that code
  --   ${named} = category code
  -- a name no other category has
  SELECT db_fail('Temp_Product_Category_T: category name blank')
    WHERE (upper(NEW.Function_type) = 'C' OR (upper(NEW.Function_type) = 'U' AND NEW.Category_Name_VC IS NOT NULL))
      AND trim(COALESCE(NEW.Category_Name_VC, '')) = '';
  SELECT db_fail('Temp_Product_Category_T: category name exists')
    WHERE upper(NEW.Function_type) IN ('C', 'U') AND EXISTS (
      SELECT 1 FROM Product_Category_T WHERE Category_Name_VC = NEW.Category_Name_VC
        AND Pdt_Category_VC IS NOT NEW.Pdt_Category_VC COLLATE NOCASE);
  -- the two accounts
  SELECT db_fail('Temp_Product_Category_T: sales account is not a profit and loss account of the chart')
    WHERE (upper(NEW.Function_type) = 'C' OR (upper(NEW.Function_type) = 'U' AND NEW.Sales_IN IS NOT NULL))
      AND NOT EXISTS (SELECT 1 FROM COA_T WHERE GL_ID = NEW.Sales_IN AND Acct_Type = 'PL');
  SELECT db_fail('Temp_Product_Category_T: cost of sales account is not a profit and loss account of the chart')
    WHERE (upper(NEW.Function_type) = 'C' OR (upper(NEW.Function_type) = 'U' AND NEW.COS_IN IS NOT NULL))
      AND NOT EXISTS (SELECT 1 FROM COA_T WHERE GL_ID = NEW.COS_IN AND Acct_Type = 'PL');
  -- delete
  SELECT db_fail('Temp_Product_Category_T: category holds items')
    WHERE upper(NEW.Function_type) = 'D'
      AND EXISTS (SELECT 1 FROM Product_T WHERE Pdt_Category_VC = NEW.Pdt_Category_VC);
END;

CREATE TRIGGER Temp_Product_Category_T_apply AFTER INSERT ON Temp_Product_Category_T BEGIN
  INSERT INTO Product_Category_T (Pdt_Category_VC, Category_Name_VC, Sales_IN, COS_IN)
  SELECT NEW.Pdt_Category_VC, NEW.Category_Name_VC, NEW.Sales_IN, NEW.COS_IN WHERE upper(NEW.Function_type) = 'C';
  UPDATE Product_Category_T SET Category_Name_VC = COALESCE(NEW.Category_Name_VC, Category_Name_VC),
                                Sales_IN = COALESCE(NEW.Sales_IN, Sales_IN), COS_IN = COALESCE(NEW.COS_IN, COS_IN)
  WHERE upper(NEW.Function_type) = 'U' AND Pdt_Category_VC = NEW.Pdt_Category_VC;
  DELETE FROM Product_Category_T WHERE upper(NEW.Function_type) = 'D' AND Pdt_Category_VC = NEW.Pdt_Category_VC;
END;
