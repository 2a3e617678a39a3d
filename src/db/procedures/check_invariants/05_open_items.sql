-- 5. Open items never negative, never over-allocated, closed at zero in both currencies.
WITH
item (Party_Kind, Party_ID, Inv_No, Cur, Settled, Local) AS (
  SELECT Party_Kind, Party_ID, Inv_No, SUM(Cur_Amount),
         SUM(CASE WHEN Leg = 'SETTLE' THEN Cur_Amount ELSE 0 END), SUM(Amount_NU)
  FROM Ledger_T WHERE Leg IN ('ITEM', 'SETTLE') GROUP BY Party_Kind, Party_ID, Inv_No)
SELECT '5 open items', Party_Kind || ' ' || Party_ID || ' item ' || Inv_No || ': open ' || sg * Cur
       || ', allocated ' || -sg * Settled || ', local ' || sg * Local
FROM (SELECT *, CASE Party_Kind WHEN 'C' THEN 1 ELSE -1 END AS sg FROM item)
WHERE sg * Cur < 0 OR -sg * Settled < 0 OR (Cur = 0 AND Local <> 0) OR Cur IS NULL
