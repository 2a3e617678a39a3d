-- 6. A party account carries only ITEM, SETTLE and UFX legs of its own party, and those legs lie
--    on their party's account.
SELECT '6 party accounts', 'leg ' || l.Entry_ID || ' (' || l.Leg || ') on party account ' || l.GL_ID
FROM Ledger_T l JOIN party p ON p.GL_ID = l.GL_ID
WHERE l.Leg NOT IN ('ITEM', 'SETTLE', 'UFX') OR l.Party_Kind IS NOT p.Party_Kind OR l.Party_ID IS NOT l.GL_ID
UNION ALL
SELECT '6 party accounts', 'leg ' || l.Entry_ID || ' (' || l.Leg || ') not on its party''s account'
FROM Ledger_T l WHERE l.Leg IN ('ITEM', 'SETTLE', 'UFX') AND NOT EXISTS (
  SELECT 1 FROM party p WHERE p.GL_ID = l.GL_ID AND p.Party_Kind = l.Party_Kind AND l.Party_ID = l.GL_ID)
