--! procedure select_stock_movement
--! param year INTEGER
--! result "Transaction date" DATE, "Product Code" TEXT, "Doc Type" TEXT, "Doc No" INTEGER, Description TEXT
--! result Qty INTEGER, "Unit Price" CURRENCY, Cur_Type TEXT, Cur_Rate REAL, Debit CURRENCY, Credit CURRENCY
-- The stock moves of one year, one row per source line (a FIFO issue taking several layers is
-- one line): the quantity moved, its unit cost, a goods received note's currency and rate, and
-- the value in (Debit) or out (Credit). The year is a range of dates, read through the moves' date
-- index in the order the moves were written.
-- A line's moves are written by one statement, so they follow one another and share the line's
-- date, item and document (check_invariants holds it): a line's row is its first move, and only
-- a line whose next move is its own sums its moves (each use of q and v below sums again, so they
-- are used as few times as can be). Whether the next move is the line's own is asked once for the
-- row, as the move s joined to it (none when it is not), instead of at each use of q and v. A
-- note in local money needs its rate of 1 not rounded.
SELECT date_dt AS "Transaction date", Pdt_ID_VC AS "Product Code", Doc_Type AS "Doc Type",
       Post_No AS "Doc No", Descrip_VC AS Description, abs(q) AS Qty,
       money_unit(abs(v), nullif(abs(q), 0)) AS "Unit Price",
       CASE WHEN Doc_Type = 'GRN' THEN Cur_Type END AS Cur_Type,
       CASE WHEN Doc_Type = 'GRN' THEN CASE WHEN cur_rate = 1 THEN cur_rate ELSE round(cur_rate, 4) END END AS Cur_Rate,
       max(v, 0) AS Debit, max(-v, 0) AS Credit
FROM (SELECT m.MoveID, m.date_dt, m.Pdt_ID_VC, m.Doc_Type, m.Post_No, m.Descrip_VC, m.Cur_Type, m.cur_rate,
             CASE WHEN s.MoveID IS NULL THEN m.Qty
                  ELSE (SELECT SUM(Qty) FROM Stock_Move_T x WHERE x.Src_Table = m.Src_Table
                          AND x.Src_Row = m.Src_Row) END AS q,
             CASE WHEN s.MoveID IS NULL THEN m.Value
                  ELSE (SELECT SUM(Value) FROM Stock_Move_T x WHERE x.Src_Table = m.Src_Table
                          AND x.Src_Row = m.Src_Row) END AS v
      FROM Stock_Move_T m
      LEFT JOIN Stock_Move_T p ON p.MoveID = m.MoveID - 1
      LEFT JOIN Stock_Move_T n ON n.MoveID = m.MoveID + 1
      LEFT JOIN Stock_Move_T s
             ON s.MoveID = CASE WHEN n.Src_Row IS m.Src_Row AND n.Src_Table IS m.Src_Table THEN n.MoveID END
      WHERE m.date_dt BETWEEN printf('%04d-01-01', :year) AND printf('%04d-12-31', :year)
        AND NOT (p.Src_Row IS m.Src_Row AND p.Src_Table IS m.Src_Table))
ORDER BY date_dt, MoveID;
