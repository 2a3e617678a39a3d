--! procedure commit_checks
--! result Checked INTEGER
-- Run by the data layer inside every write transaction, just before COMMIT; any failure rolls the
-- write back. Every check starts from the work tables and reaches the ledger through an index, so
-- its cost does not grow with the book.
-- (a) the work tables hold this write only (the data layer emptied them after BEGIN)
SELECT db_fail('work tables hold rows of another write') WHERE EXISTS (
  SELECT 1 FROM Touched_Doc_T t WHERE NOT EXISTS (
    SELECT 1 FROM Write_Ctx_T w WHERE w.Post_Seq = t.Post_Seq AND w.Post_No = t.Post_No));
-- (b) a write carrying the closing marker must be a closing journal; its residual goes to retained earnings
-- (its legs are written as closing legs while the marker is there)
SELECT db_fail('closing journal breaks the closing rules')
WHERE EXISTS (SELECT 1 FROM Closing_Ctx_T) AND NOT EXISTS (SELECT 1 FROM v_Closing_Doc);
INSERT INTO Journal_T (Doc_No_VC, GL_ID, Amount_NU, Descrip_VC, date_dt, Period_TI, Year_SI)
SELECT CAST(k.DocID AS TEXT), d.GL_ID, -k.Residual, 'Transfer to retained earnings', k.Last_Date,
       CAST(strftime('%m', k.Last_Date) AS INTEGER), CAST(strftime('%Y', k.Last_Date) AS INTEGER)
FROM Closing_Ctx_T x CROSS JOIN v_Closing_Doc k JOIN GL_Designated_T d ON d.Role_VC = 'RE'
WHERE k.Residual <> 0;
UPDATE Document_T SET Closing_bt = 1
WHERE EXISTS (SELECT 1 FROM Closing_Ctx_T) AND DocID IN (SELECT DocID FROM v_Closing_Doc);
-- (c) invariants of the touched documents, driven from the work table (CROSS JOIN keeps that join order)
SELECT db_fail('document without lines') WHERE EXISTS (
  SELECT 1 FROM Touched_Doc_T GROUP BY Post_Seq, Post_No HAVING MAX(Doc_Kind) = '');
SELECT db_fail('document mixes line kinds') WHERE EXISTS (
  SELECT 1 FROM Touched_Doc_T WHERE Doc_Kind <> '' GROUP BY Post_Seq, Post_No HAVING COUNT(*) > 1);
-- Every leg within the line limit, the document not beyond the books' limit whatever they hold (so
-- that no sum below can overflow; amounts are summed in whole cents at most at the line limit),
-- balanced, in one year and with VAT records that sum to its VAT legs. The legs are read from the
-- document index alone, which holds what these checks and the balances below need (a leg's year
-- and month are read from its date, as the ledger's own columns are).
SELECT CASE
    WHEN MAX(l.Amount_NU > 10000000000000000 OR l.Amount_NU < -10000000000000000
             OR l.Cur_Amount > 10000000000000000 OR l.Cur_Amount < -10000000000000000)
    THEN db_fail('leg over the limit of 1,000,000,000,000.00 per line')
    WHEN total(abs(l.Amount_NU) + abs(COALESCE(l.Cur_Amount, 0))) > 2000000000000000000
    THEN db_fail('the books would exceed their limit of 100,000,000,000,000.00 in postings')
    WHEN SUM(max(-100000000000000, min(100000000000000, l.Amount_NU / 100))) <> 0
      OR substr(MIN(l.date_dt), 1, 4) <> substr(MAX(l.date_dt), 1, 4)
    THEN db_fail('document does not balance or spans years')
    WHEN SUM(CASE WHEN l.Leg = 'VAT' THEN l.Amount_NU ELSE 0 END)
         <> COALESCE((SELECT SUM(v.Amount) FROM VAT_Control v WHERE v.Post_Seq = t.Post_Seq AND v.Post_No = t.Post_No), 0)
    THEN db_fail('VAT records do not match VAT postings') END
FROM Touched_Doc_T t CROSS JOIN Ledger_T l
WHERE t.Doc_Kind = '' AND l.Post_Seq = t.Post_Seq AND l.Post_No = t.Post_No
GROUP BY t.Post_Seq, t.Post_No;
SELECT db_fail('open item negative, over-allocated or closed with a local balance') WHERE EXISTS (
  SELECT 1 FROM (SELECT DISTINCT l.Party_Kind AS pk, l.Party_ID AS pid, l.Inv_No AS inv
                 FROM Touched_Doc_T t CROSS JOIN Ledger_T l
                 WHERE t.Doc_Kind = '' AND l.Post_Seq = t.Post_Seq AND l.Post_No = t.Post_No
                   AND l.Leg IN ('ITEM','SETTLE')) k
  WHERE (SELECT (CASE k.pk WHEN 'C' THEN 1 ELSE -1 END) * SUM(i.Cur_Amount) < 0            -- Open < 0
             OR (CASE k.pk WHEN 'C' THEN -1 ELSE 1 END)
                * SUM(CASE WHEN i.Leg = 'SETTLE' THEN i.Cur_Amount ELSE 0 END) < 0           -- Allocated/Paid < 0
             OR (SUM(i.Cur_Amount) = 0 AND SUM(i.Amount_NU) <> 0)                           -- Open 0, Open_Local not
         FROM Ledger_T i
         WHERE i.Party_Kind = k.pk AND i.Party_ID = k.pid AND i.Inv_No = k.inv
           AND i.Leg IN ('ITEM','SETTLE')));
-- (d) the ledger's size and balances take in the document's legs
UPDATE Ledger_Size_T SET Amount_NU = CASE
    WHEN Amount_NU + s.Size > 1000000000000000000
    THEN db_fail('the books would exceed their limit of 100,000,000,000,000.00 in postings')
    ELSE Amount_NU + s.Size END
FROM (SELECT SUM(abs(l.Amount_NU) + abs(COALESCE(l.Cur_Amount, 0))) AS Size
      FROM Touched_Doc_T t CROSS JOIN Ledger_T l
      WHERE t.Doc_Kind = '' AND l.Post_Seq = t.Post_Seq AND l.Post_No = t.Post_No) s
WHERE s.Size > 0;
-- (by account and day: the days of one month fold into its balance row one after the other)
INSERT INTO Ledger_Balance_T (GL_ID, Year_SI, Period_TI, Closing_bt, Amount_NU)
SELECT l.GL_ID, CAST(substr(l.date_dt, 1, 4) AS INTEGER), CAST(substr(l.date_dt, 6, 2) AS INTEGER), l.Closing_bt,
       SUM(l.Amount_NU)
FROM Touched_Doc_T t CROSS JOIN Ledger_T l
WHERE t.Doc_Kind = '' AND l.Post_Seq = t.Post_Seq AND l.Post_No = t.Post_No
GROUP BY l.GL_ID, l.date_dt, l.Closing_bt
ON CONFLICT (GL_ID, Year_SI, Period_TI, Closing_bt) DO UPDATE SET Amount_NU = Amount_NU + excluded.Amount_NU;
-- (e) stamp the kinds, clear the work tables
UPDATE Document_T SET Doc_Kind = (SELECT MAX(Doc_Kind) FROM Touched_Doc_T t
  WHERE t.Post_Seq = 'DOC' AND t.Post_No = Document_T.DocID)
WHERE DocID IN (SELECT Post_No FROM Touched_Doc_T WHERE Post_Seq = 'DOC');
UPDATE Orders SET Order_Kind = (SELECT CASE MAX(Doc_Kind) WHEN 'DO' THEN 'DO' ELSE 'INV' END
  FROM Touched_Doc_T t WHERE t.Post_Seq = 'ORD' AND t.Post_No = Orders.OrderID)
WHERE OrderID IN (SELECT Post_No FROM Touched_Doc_T WHERE Post_Seq = 'ORD');
DELETE FROM Touched_Doc_T;
DELETE FROM Write_Ctx_T;
-- (its page is written only when it holds the marker)
DELETE FROM Closing_Ctx_T WHERE 1;
SELECT 1 AS Checked;
