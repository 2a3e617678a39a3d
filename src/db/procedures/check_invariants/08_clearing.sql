-- 8. Clearing accounts equal what their delivery and goods received lines have not yet billed.
SELECT '8 clearing', 'Temp_Stock_T row ' || Row_ID || ' open value ' || Open_Value || ' with nothing open'
FROM Temp_Stock_T WHERE Open_Qty = 0 AND Open_Value IS NOT 0
UNION ALL
SELECT '8 clearing', 'account ' || a.GL_ID || ' balance ' || COALESCE(b.Bal, 0) || ', open lines '
       || a.Open_Value
FROM (SELECT x.GL_ID, COALESCE((SELECT SUM(CASE upper(s.doc_type) WHEN 'GRN' THEN -s.Open_Value ELSE s.Open_Value END)
                               FROM Temp_Stock_T s WHERE s.Clear_GL = x.GL_ID), 0) AS Open_Value
      FROM (SELECT payable_IN AS GL_ID FROM Product_AccountSet_T
            UNION SELECT shipment_IN FROM Product_AccountSet_T
            UNION SELECT Clear_GL FROM Temp_Stock_T WHERE Clear_GL IS NOT NULL) x) a
LEFT JOIN balance b ON b.GL_ID = a.GL_ID
WHERE COALESCE(b.Bal, 0) <> a.Open_Value
