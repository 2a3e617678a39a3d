-- Employee requests of the customer master window. A create names a new pair of last and first
-- name (the database numbers the employee); neither may hold a comma, since every posting window
-- lists an employee as "Last, First" and finds the key again by splitting at the first comma. An
-- update or delete finds its employee by last and first name. An update changes the dates, the
-- address and the telephone. A delete is refused while a document, order or adjustment names the
-- employee. A refused request leaves no row; an accepted one is applied at once and stays as a log.
CREATE TRIGGER Temp_Employees_check BEFORE INSERT ON Temp_Employees BEGIN
  SELECT db_fail('Temp_Employees: request is not C, U or D')
    WHERE NEW.Function_type IS NULL OR upper(NEW.Function_type) NOT IN ('C', 'U', 'D');
  SELECT db_fail('Temp_Employees: no employee of that name')
    WHERE upper(NEW.Function_type) IN ('U', 'D') AND NOT EXISTS (
      SELECT 1 FROM Employees WHERE LastName = NEW.LastName AND FirstName = NEW.FirstName);
  SELECT db_fail('Temp_Employees: last or first name blank')
    WHERE upper(NEW.Function_type) = 'C'
      AND (trim(COALESCE(NEW.LastName, '')) = '' OR trim(COALESCE(NEW.FirstName, '')) = '');
  SELECT db_fail('Temp_Employees: a name holds a comma')
    WHERE upper(NEW.Function_type) = 'C' AND (instr(NEW.LastName, ',') > 0 OR instr(NEW.FirstName, ',') > 0);
  SELECT db_fail('Temp_Employees: employee name exists')
    WHERE upper(NEW.Function_type) = 'C' AND EXISTS (
      SELECT 1 FROM Employees WHERE LastName = NEW.LastName AND FirstName = NEW.FirstName);
  SELECT db_fail('Temp_Employees: employee has transaction history')
    WHERE upper(NEW.Function_type) = 'D' AND EXISTS (
      SELECT 1 FROM Employees e WHERE e.LastName = NEW.LastName AND e.FirstName = NEW.FirstName
        AND (EXISTS (SELECT 1 FROM Document_T WHERE EmployeeID = e.EmployeeID)
          OR EXISTS (SELECT 1 FROM Orders WHERE EmployeeID = e.EmployeeID)
          OR EXISTS (SELECT 1 FROM Sales_Adj_T WHERE EmployeeID = e.EmployeeID)
          OR EXISTS (SELECT 1 FROM Purchases_Adj_T WHERE EmployeeID = e.EmployeeID)));
END;

CREATE TRIGGER Temp_Employees_apply AFTER INSERT ON Temp_Employees BEGIN
  INSERT INTO Employees (LastName, FirstName, BirthDate, HireDate, Address, HomePhone)
  SELECT NEW.LastName, NEW.FirstName, NEW.BirthDate, NEW.HireDate, NEW.Address, NEW.HomePhone
  WHERE upper(NEW.Function_type) = 'C';
  UPDATE Employees SET HireDate = NEW.HireDate, BirthDate = NEW.BirthDate, Address = NEW.Address,
                       HomePhone = NEW.HomePhone
  WHERE upper(NEW.Function_type) = 'U' AND LastName = NEW.LastName AND FirstName = NEW.FirstName;
  DELETE FROM Employees
  WHERE upper(NEW.Function_type) = 'D' AND LastName = NEW.LastName AND FirstName = NEW.FirstName;
END;
