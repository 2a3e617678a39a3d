-- A check that a code is one of three or more builds a table of the codes at every row written:
-- Sales_T, Purchases_T, VAT_Control and Stock_Move_T test each code in turn instead. Only the
-- words of the checks change, to ones that hold for exactly the same values, so the tables are
-- rewritten in place (no row is copied) and read again at once.
PRAGMA writable_schema = ON;
UPDATE sqlite_master SET sql = replace(sql, 'doc_type IN (''DO'', ''CN'', ''AR'', ''RC'')',
  '(doc_type = ''DO'' OR doc_type = ''CN'' OR doc_type = ''AR'' OR doc_type = ''RC'')')
WHERE type = 'table' AND name = 'Sales_T';
UPDATE sqlite_master SET sql = replace(sql, 'doc_type IN (''GRN'', ''CN'', ''AP'', ''PY'')',
  '(doc_type = ''GRN'' OR doc_type = ''CN'' OR doc_type = ''AP'' OR doc_type = ''PY'')')
WHERE type = 'table' AND name = 'Purchases_T';
UPDATE sqlite_master SET sql = replace(sql, 'Doc_Type IN (''GRN'', ''DO'', ''ADJ'')',
  '(Doc_Type = ''GRN'' OR Doc_Type = ''DO'' OR Doc_Type = ''ADJ'')')
WHERE type = 'table' AND name = 'Stock_Move_T';
UPDATE sqlite_master SET sql = replace(sql, 'vat_type IN (''S'', ''P'', ''A'')',
  '(vat_type = ''S'' OR vat_type = ''P'' OR vat_type = ''A'')')
WHERE type = 'table' AND name = 'VAT_Control';
PRAGMA writable_schema = RESET;
