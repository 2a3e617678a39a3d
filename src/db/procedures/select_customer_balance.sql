--! procedure select_customer_balance
--! param Name TEXT
--! result outstanding_amt CURRENCY
-- What one customer owes on its open items, in the customer's currency: one row, NULL when the
-- name is no customer's or the customer has no items.
SELECT (SELECT SUM(l.Cur_Amount) FROM Customers c
        JOIN Ledger_T l ON l.Party_Kind = 'C' AND l.Party_ID = c.CustomerID AND l.Leg IN ('ITEM', 'SETTLE')
        WHERE c.CompanyName = :Name) AS outstanding_amt;
