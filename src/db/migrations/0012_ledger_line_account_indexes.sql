-- A sales or purchase line names an account of its own only when it is a receipt or a payment;
-- an invoice line names none, yet each took an entry of the account's reference index at every
-- post. The indexes hold the lines that name an account, all that a look-up by account can find.
DROP INDEX IF EXISTS Sales_T_GL_ID;
CREATE INDEX Sales_T_GL_ID ON Sales_T (GL_ID) WHERE GL_ID IS NOT NULL;
DROP INDEX IF EXISTS Purchases_T_GL_ID;
CREATE INDEX Purchases_T_GL_ID ON Purchases_T (GL_ID) WHERE GL_ID IS NOT NULL;
