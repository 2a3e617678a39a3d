-- The header of a delivery order or sales invoice, numbered by OrderID. Its customer, employee
-- and shipper are foreign keys; like Document_T_ctx it opens the write's context.
CREATE TRIGGER Orders_ctx AFTER INSERT ON Orders BEGIN
  SELECT db_fail('Orders: second header in one transaction') WHERE EXISTS (SELECT 1 FROM Write_Ctx_T);
  INSERT INTO Write_Ctx_T VALUES (1, 'ORD', NEW.OrderID, NEW.OrderDate);
  INSERT INTO Touched_Doc_T VALUES ('ORD', NEW.OrderID, '');
END;
