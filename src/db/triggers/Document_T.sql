-- The header of a document: it opens the write's context. A transaction holds one document, so
-- a second header is refused; the employee is one of the books, and the party, when given, is a
-- customer or a supplier. The date is recorded as the window wrote it (NULL when it wrote none).
CREATE TRIGGER Document_T_ctx AFTER INSERT ON Document_T BEGIN
  SELECT db_fail('Document_T: second header in one transaction') WHERE EXISTS (SELECT 1 FROM Write_Ctx_T);
  SELECT db_fail('Document_T: employee unknown')
    WHERE NOT EXISTS (SELECT 1 FROM Employees WHERE EmployeeID = NEW.EmployeeID);
  SELECT db_fail('Document_T: party unknown') WHERE NEW.customerid IS NOT NULL
    AND NOT EXISTS (SELECT 1 FROM Customers WHERE CustomerID = NEW.customerid)
    AND NOT EXISTS (SELECT 1 FROM Creditors WHERE CustomerID = NEW.customerid);
  INSERT INTO Write_Ctx_T VALUES (1, 'DOC', NEW.DocID, NEW.date_dt);
  INSERT INTO Touched_Doc_T VALUES ('DOC', NEW.DocID, '');
END;
