-- A leg's month and year are read from its date's text: the date is held to a real day written
-- YYYY-MM-DD, so its digits are the month and year strftime gives, and reading them costs every
-- leg posted far less than working the day out twice more. Only the words of the two columns
-- change, to ones that give exactly the same values, so the table is rewritten in place (no row
-- is copied) and read again at once.
PRAGMA writable_schema = ON;
UPDATE sqlite_master SET sql = replace(replace(sql,
  'CAST(strftime(''%m'', date_dt) AS INTEGER)', 'CAST(substr(date_dt, 6, 2) AS INTEGER)'),
  'CAST(strftime(''%Y'', date_dt) AS INTEGER)', 'CAST(substr(date_dt, 1, 4) AS INTEGER)')
WHERE type = 'table' AND name = 'Ledger_T';
PRAGMA writable_schema = RESET;
