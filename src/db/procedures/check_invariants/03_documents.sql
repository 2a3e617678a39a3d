-- 3. Documents: lines of one kind, the stamped kind, no line without header, empty work tables.
SELECT '3 documents', h.Post_Seq || ' ' || h.Post_No || ' has no lines'
FROM header h WHERE NOT EXISTS (SELECT 1 FROM doc_kind k WHERE k.Post_Seq = h.Post_Seq AND k.Post_No = h.Post_No)
UNION ALL
SELECT '3 documents', Post_Seq || ' ' || Post_No || ' has lines of ' || Kinds || ' kinds'
FROM doc_kind WHERE Kinds > 1
UNION ALL
SELECT '3 documents', h.Post_Seq || ' ' || h.Post_No || ' stamped ' || COALESCE(h.Kind, 'NULL')
       || ', lines ' || k.Kind
FROM header h JOIN doc_kind k ON k.Post_Seq = h.Post_Seq AND k.Post_No = h.Post_No
WHERE k.Kinds = 1 AND h.Kind IS NOT k.Kind
UNION ALL
SELECT '3 documents', 'leg ' || Entry_ID || ' of kind ' || Doc_Kind || ' in ' || Post_Seq || ' ' || Post_No
       || ' stamped ' || Stamped
FROM (SELECT l.Entry_ID, l.Doc_Kind, l.Post_Seq, l.Post_No,
             CASE l.Post_Seq WHEN 'DOC' THEN (SELECT Doc_Kind FROM Document_T WHERE DocID = l.Post_No)
               ELSE (SELECT CASE Order_Kind WHEN 'INV' THEN 'SI' ELSE Order_Kind END FROM Orders
                     WHERE OrderID = l.Post_No) END AS Stamped
      FROM Ledger_T l)
WHERE Stamped IS NOT NULL AND Doc_Kind <> Stamped
UNION ALL
SELECT '3 documents', d.Src_Table || ' row ' || d.Src_Row || ' names no header ' || d.Post_Seq || ' '
       || COALESCE(d.Post_No, 'NULL')
FROM doc_line d WHERE CASE d.Post_Seq WHEN 'DOC' THEN NOT EXISTS (SELECT 1 FROM Document_T WHERE DocID = d.Post_No)
                                        ELSE NOT EXISTS (SELECT 1 FROM Orders WHERE OrderID = d.Post_No) END
UNION ALL
SELECT '3 documents', 'Cash_T row ' || Row_ID || ' names no header ' || Doc_No
FROM Cash_T c WHERE NOT EXISTS (SELECT 1 FROM Document_T h WHERE h.DocID = c.Doc_No)
UNION ALL
SELECT '3 documents', 'work table ' || t || ' holds ' || n || ' row(s)'
FROM (SELECT 'Write_Ctx_T' AS t, COUNT(*) AS n FROM Write_Ctx_T
      UNION ALL SELECT 'Touched_Doc_T', COUNT(*) FROM Touched_Doc_T
      UNION ALL SELECT 'Closing_Ctx_T', COUNT(*) FROM Closing_Ctx_T) WHERE n > 0
