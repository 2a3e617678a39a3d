-- 16. The kept size of the ledger is the sum of its legs' sizes and within the books' limit.
SELECT '16 ledger size', 'the ledger size holds ' || quote(z.Amount_NU) || ' but its legs sum to '
       || (SELECT COALESCE(SUM(abs(Amount_NU) + abs(COALESCE(Cur_Amount, 0))), 0) FROM Ledger_T)
FROM Ledger_Size_T z
WHERE z.Amount_NU IS NOT (SELECT COALESCE(SUM(abs(Amount_NU) + abs(COALESCE(Cur_Amount, 0))), 0) FROM Ledger_T)
   OR z.Amount_NU > 1000000000000000000
