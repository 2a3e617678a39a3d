-- Shipper requests of the customer master window. A create names a new shipper (the database
-- numbers it); an update or delete finds its shipper by name. An update changes the telephone and
-- the address. A delete is refused while a delivery order or sales invoice names the shipper. A
-- refused request leaves no row; an accepted one is applied at once and stays as a log.
CREATE TRIGGER Temp_Shippers_check BEFORE INSERT ON Temp_Shippers BEGIN
  -- @use Request_Rules
  --   ${Masters} = Shippers
  --   ${Key} = CompanyName
  --   ${missing} = shipper of that name
  --   ${named} = shipper name
  SELECT db_fail('Temp_Shippers: shipper has transaction history')
    WHERE upper(NEW.Function_type) = 'D' AND EXISTS (
      SELECT 1 FROM Shippers s JOIN Orders o ON o.ShipVia = s.ShipperID WHERE s.CompanyName = NEW.CompanyName);
END;

CREATE TRIGGER Temp_Shippers_apply AFTER INSERT ON Temp_Shippers BEGIN
  INSERT INTO Shippers (CompanyName, Phone, Shipaddr)
  SELECT NEW.CompanyName, NEW.Phone, NEW.Shipaddr WHERE upper(NEW.Function_type) = 'C';
  UPDATE Shippers SET Phone = NEW.Phone, Shipaddr = NEW.Shipaddr
  WHERE upper(NEW.Function_type) = 'U' AND CompanyName = NEW.CompanyName;
  DELETE FROM Shippers WHERE upper(NEW.Function_type) = 'D' AND CompanyName = NEW.CompanyName;
END;
