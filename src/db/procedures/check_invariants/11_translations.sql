-- 11. Translations: one outstanding per item; reversals negate them exactly and name each other.
SELECT '11 translations', side || ' item ' || creditorid || '/' || inv_no || ' has ' || COUNT(*)
       || ' outstanding translations'
FROM (SELECT 'payable' AS side, creditorid, inv_no FROM Forex_Unrealised_T WHERE Reversed_By IS NULL
      UNION ALL SELECT 'receivable', creditorid, inv_no FROM Forex_Unrealised_AR_T WHERE Reversed_By IS NULL)
GROUP BY side, creditorid, inv_no HAVING COUNT(*) > 1
UNION ALL
SELECT '11 translations', p.Rev_Table || ' row ' || p.Rev_Row || ' reverses ' || COALESCE(p.Trans_Row, 'nothing')
       || ' (' || p.Problem || ')'
FROM (SELECT r.Rev_Table, r.Row_ID AS Rev_Row, r.Reverses_Row AS Trans_Row,
             CASE WHEN t.Row_ID IS NULL THEN 'no such translation'
                  WHEN t.Reversed_By IS NOT r.Post_No THEN 'translation reversed by ' || COALESCE(t.Reversed_By, 'none')
                  WHEN EXISTS (SELECT 1 FROM Ledger_T l
                               WHERE (l.Src_Table = r.Trans_Table AND l.Src_Row = t.Row_ID)
                                  OR (l.Src_Table = r.Rev_Table AND l.Src_Row = r.Row_ID)
                               GROUP BY l.GL_ID, l.Leg
                               HAVING SUM(l.Amount_NU) <> 0
                                   OR SUM(l.Src_Table = r.Rev_Table) <> SUM(l.Src_Table = r.Trans_Table))
                    THEN 'legs not negated' END AS Problem
      FROM (SELECT 'Forex_Reversal_T' AS Rev_Table, 'Forex_Unrealised_T' AS Trans_Table, Row_ID, Reverses_Row, Post_No
            FROM Forex_Reversal_T
            UNION ALL SELECT 'Forex_Reversal_AR_T', 'Forex_Unrealised_AR_T', Row_ID, Reverses_Row, Post_No
            FROM Forex_Reversal_AR_T) r
      LEFT JOIN (SELECT 'Forex_Unrealised_T' AS Trans_Table, Row_ID, Reversed_By FROM Forex_Unrealised_T
                 UNION ALL SELECT 'Forex_Unrealised_AR_T', Row_ID, Reversed_By FROM Forex_Unrealised_AR_T) t
        ON t.Trans_Table = r.Trans_Table AND t.Row_ID = r.Reverses_Row) p
WHERE p.Problem IS NOT NULL
UNION ALL
SELECT '11 translations', t.Trans_Table || ' row ' || t.Row_ID || ' reversed by ' || t.Reversed_By
       || ', which does not reverse it'
FROM (SELECT 'Forex_Unrealised_T' AS Trans_Table, Row_ID, Reversed_By FROM Forex_Unrealised_T
      UNION ALL SELECT 'Forex_Unrealised_AR_T', Row_ID, Reversed_By FROM Forex_Unrealised_AR_T) t
WHERE t.Reversed_By IS NOT NULL AND NOT EXISTS (
  SELECT 1 FROM Forex_Reversal_T r WHERE t.Trans_Table = 'Forex_Unrealised_T'
    AND r.Reverses_Row = t.Row_ID AND r.Post_No = t.Reversed_By
  UNION ALL
  SELECT 1 FROM Forex_Reversal_AR_T r WHERE t.Trans_Table = 'Forex_Unrealised_AR_T'
    AND r.Reverses_Row = t.Row_ID AND r.Post_No = t.Reversed_By)
