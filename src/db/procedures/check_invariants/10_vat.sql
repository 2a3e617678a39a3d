-- 10. VAT records equal the VAT postings per document and per control account; reconciliations.
WITH
-- The last reconciliation line of each VAT record.
last_recon (VatID, Row_ID) AS (SELECT VatID, MAX(Row_ID) FROM VAT_Return GROUP BY VatID)
SELECT '10 VAT', Post_Seq || ' ' || Post_No || ': records ' || SUM(Rec) || ', VAT legs ' || SUM(Leg)
FROM (SELECT Post_Seq, Post_No, Amount AS Rec, 0 AS Leg FROM VAT_Control
      UNION ALL SELECT Post_Seq, Post_No, 0, Amount_NU FROM Ledger_T WHERE Leg = 'VAT')
GROUP BY Post_Seq, Post_No HAVING SUM(Rec) <> SUM(Leg)
UNION ALL
SELECT '10 VAT', 'account ' || a.GL_ID || ' balance ' || COALESCE(b.Bal, 0) || ', records ' || a.Amount
FROM (SELECT x.GL_ID, COALESCE((SELECT SUM(v.Amount) FROM VAT_Control v JOIN VAT_T t ON t.VAT_Code = v.vat_code
                               WHERE t.VAT_Control = x.GL_ID), 0) AS Amount
      FROM (SELECT DISTINCT VAT_Control AS GL_ID FROM VAT_T) x) a
LEFT JOIN balance b ON b.GL_ID = a.GL_ID
WHERE COALESCE(b.Bal, 0) <> a.Amount
UNION ALL
SELECT '10 VAT', 'record ' || v.VatID || ' status ' || v.vat_status || ', last reconciled by '
       || COALESCE(v.Recon_Post_No, 'none') || ', last reconciliation line '
       || COALESCE(r.postingid || ' to status ' || r.vat_status, 'none')
FROM VAT_Control v
LEFT JOIN last_recon x ON x.VatID = v.VatID LEFT JOIN VAT_Return r ON r.Row_ID = x.Row_ID
WHERE v.Recon_Post_No IS NOT r.postingid OR (r.Row_ID IS NOT NULL AND v.vat_status IS NOT r.vat_status)
UNION ALL
SELECT '10 VAT', 'VAT_Return row ' || Row_ID || ' names no record'
FROM VAT_Return r WHERE NOT EXISTS (SELECT 1 FROM VAT_Control v WHERE v.VatID = r.VatID)
