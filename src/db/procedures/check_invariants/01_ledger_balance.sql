-- 1. The ledger balances overall, per year and per document; a document lies in one year.
SELECT '1 ledger balance' AS Rule, 'the ledger nets to ' || s AS Detail FROM (SELECT SUM(Amount_NU) AS s FROM Ledger_T) WHERE s <> 0
UNION ALL
SELECT '1 ledger balance', 'year ' || Year_SI || ' nets to ' || SUM(Amount_NU)
FROM Ledger_T GROUP BY Year_SI HAVING SUM(Amount_NU) <> 0
UNION ALL
SELECT '1 ledger balance', Post_Seq || ' ' || Post_No || ' nets to ' || SUM(Amount_NU) || ' over '
       || COUNT(DISTINCT Year_SI) || ' year(s)'
FROM Ledger_T GROUP BY Post_Seq, Post_No HAVING SUM(Amount_NU) <> 0 OR COUNT(DISTINCT Year_SI) > 1
