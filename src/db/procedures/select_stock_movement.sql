--! procedure select_stock_movement
--! param year INTEGER
--! result "Transaction date" DATE, "Product Code" TEXT, "Doc Type" TEXT, "Doc No" INTEGER, Description TEXT
--! result Qty INTEGER, "Unit Price" CURRENCY, Cur_Type TEXT, Cur_Rate REAL, Debit CURRENCY, Credit CURRENCY
-- The stock moves of one year, one row per source line (a FIFO issue taking several layers is
-- one line): the quantity moved, its unit cost, a goods received note's currency and rate, and
-- the value in (Debit) or out (Credit). The year is a range of dates, read through the moves' date
-- index.
SELECT date_dt AS "Transaction date", Pdt_ID_VC AS "Product Code", Doc_Type AS "Doc Type",
       Post_No AS "Doc No", Descrip_VC AS Description, abs(q) AS Qty,
       CASE WHEN q <> 0 THEN money_unit(abs(v), abs(q)) END AS "Unit Price",
       CASE WHEN Doc_Type = 'GRN' THEN Cur_Type END AS Cur_Type,
       CASE WHEN Doc_Type = 'GRN' THEN round(cur_rate, 4) END AS Cur_Rate,
       CASE WHEN v > 0 THEN v ELSE 0 END AS Debit, CASE WHEN v < 0 THEN -v ELSE 0 END AS Credit
FROM (SELECT MIN(date_dt) AS date_dt, Pdt_ID_VC, Doc_Type, Post_No, MAX(Descrip_VC) AS Descrip_VC,
             SUM(Qty) AS q, SUM(Value) AS v, MAX(Cur_Type) AS Cur_Type, MAX(cur_rate) AS cur_rate,
             MIN(MoveID) AS first_move
      FROM Stock_Move_T
      WHERE date_dt BETWEEN printf('%04d-01-01', :year) AND printf('%04d-12-31', :year)
      GROUP BY Src_Table, Src_Row)
ORDER BY date_dt, first_move;
