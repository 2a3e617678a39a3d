#include "data/DataClass.h"
#include "db/CompanyDatabase.h"
#include "support/TestBook.h"
#include "values/DataError.h"

using namespace orv;

namespace {

// A small document class over two tables of its own, written the way every
// document class writes: header first, its identity carried into each line.
class clsSample : public DataClass {
public:
    clsSample() {
        Class_Initialize();
        declareIdBranches({
            {QStringLiteral("Party_X"), QStringLiteral("SELECT * FROM Party_X WHERE Name = ?"),
             QStringLiteral("PartyID")},
            employeesBranch(),
        });
    }

    QString Send_Order(Recordset header, Recordset lines) {
        return write(QStringLiteral("Error Entering Sample"), [&] {
            Recordset head = openTable(QStringLiteral("Head_X"));
            Recordset line = openTable(QStringLiteral("Line_X"));
            head.addNew();
            head.setValue(QStringLiteral("Note"), header.value(QStringLiteral("Note")));
            head.update();
            const QString docId = head.value(QStringLiteral("DocID")).toString();
            if (lines.recordCount() > 0) {
                lines.moveFirst();
                while (!lines.eof()) {
                    line.addNew();
                    line.setValue(QStringLiteral("DocID"), docId);
                    line.setValue(QStringLiteral("Code"), lines.value(QStringLiteral("Code")));
                    line.setValue(QStringLiteral("Amount"), lines.value(QStringLiteral("Amount")));
                    line.update();
                    lines.moveNext();
                }
            }
            return docId;
        });
    }

    QString writeTo(const QString& table) {
        return write(QStringLiteral("Error Entering Sample"), [&] {
            openTable(table);
            return QStringLiteral("0");
        });
    }

    Recordset lookup(const QString& sql) { return read(sql); }
    bool connectionOpen() const { return m_connection.isOpen(); }
};

class DataClassTest : public test::TestBook {
protected:
    void SetUp() override {
        TestBook::SetUp();
        sql(QStringLiteral(
            "CREATE TABLE Head_X (DocID INTEGER PRIMARY KEY AUTOINCREMENT, Note TEXT COLLATE NOCASE "
            "CHECK (Note IS NULL OR length(Note) <= 20));"
            "CREATE TABLE Line_X (Row_ID INTEGER PRIMARY KEY AUTOINCREMENT, DocID INTEGER NOT NULL "
            "REFERENCES "
            "Head_X(DocID), Code TEXT COLLATE NOCASE NOT NULL CHECK (length(Code) <= 4), Amount CURRENCY "
            "CHECK (Amount IS NULL OR typeof(Amount) = 'integer'));"
            "CREATE TABLE Party_X (PartyID INTEGER PRIMARY KEY, Name TEXT COLLATE NOCASE);"
            "INSERT INTO Party_X VALUES (3000, 'O''Neil Trading'), (3001, 'Acme');"));
        addEmployee(QStringLiteral("Tan"), QStringLiteral("Mary"));
        addEmployee(QStringLiteral("O'Neil"), QStringLiteral("Pat"));
        header.appendField(QStringLiteral("Note"), DataType::Text, 50);
        header.open();
        header.addNew();
        header.setValue(QStringLiteral("Note"), QStringLiteral("March journal"));
        lines.appendField(QStringLiteral("Code"), DataType::Text, 10);
        lines.appendField(QStringLiteral("Amount"), DataType::Currency);
        lines.open();
    }
    void addLine(const QString& code, const QString& amount) {
        lines.addNew();
        lines.setValue(QStringLiteral("Code"), code);
        lines.setValue(QStringLiteral("Amount"), amount);
    }
    Recordset header, lines;
    clsSample cls;
};

} // namespace

TEST_F(DataClassTest, PostingNumberIsTheSavedHeadersIdentity) {
    addLine(QStringLiteral("A1"), QStringLiteral("10.25"));
    addLine(QStringLiteral("B2"), QStringLiteral("-10.25"));
    EXPECT_EQ(cls.Send_Order(header, lines), QStringLiteral("1"));
    EXPECT_EQ(cls.Send_Order(header, lines), QStringLiteral("2"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT sum(Amount) FROM Line_X WHERE DocID = 2")), QStringLiteral("0"));
    // stored as whole ten-thousandths, read back as money by the declared type
    EXPECT_EQ(scalar(QStringLiteral(
                  "SELECT typeof(Amount) || ':' || Amount FROM Line_X WHERE Code = 'A1' LIMIT 1")),
              QStringLiteral("integer:102500"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Amount FROM Line_X WHERE Code = 'A1' LIMIT 1")),
              QStringLiteral("10.25"));
    EXPECT_FALSE(cls.connectionOpen());
}

TEST_F(DataClassTest, RefusedLineLeavesNothingOfTheDocument) {
    addLine(QStringLiteral("A1"), QStringLiteral("5"));
    addLine(QStringLiteral("TOOLONG"), QStringLiteral("5")); // over the column's four characters
    addLine(QStringLiteral("C3"), QStringLiteral("5"));
    EXPECT_EQ(cls.Send_Order(header, lines), QStringLiteral("Error Entering Sample"));
    EXPECT_FALSE(cls.lastFailureReason().isEmpty());
    EXPECT_EQ(count(QStringLiteral("Head_X")), 0);
    EXPECT_EQ(count(QStringLiteral("Line_X")), 0);
    EXPECT_FALSE(cls.connectionOpen());
    // a retry after mending the line posts one document, under a fresh number
    lines.moveTo(1);
    lines.setValue(QStringLiteral("Code"), QStringLiteral("B2"));
    EXPECT_TRUE(isNumericText(cls.Send_Order(header, lines)));
    EXPECT_EQ(count(QStringLiteral("Head_X")), 1);
    EXPECT_EQ(count(QStringLiteral("Line_X")), 3);
}

TEST_F(DataClassTest, HeaderOnlyWhenThereAreNoLinesAndNothingWhenATableIsMissing) {
    EXPECT_EQ(cls.Send_Order(header, lines), QStringLiteral("1"));
    EXPECT_EQ(count(QStringLiteral("Line_X")), 0);
    EXPECT_EQ(cls.writeTo(QStringLiteral("No_Such_T")), QStringLiteral("Error Entering Sample"));
    header.setValue(QStringLiteral("Note"), QStringLiteral("a note far longer than twenty"));
    EXPECT_EQ(cls.Send_Order(header, lines), QStringLiteral("Error Entering Sample"));
    EXPECT_EQ(count(QStringLiteral("Head_X")), 1);
}

TEST_F(DataClassTest, GetIdFindsKeysWithQuotesAndNeverCrashes) {
    EXPECT_EQ(cls.Get_ID(QStringLiteral("Party_X"), QStringLiteral("O'Neil Trading")),
              QStringLiteral("3000"));
    EXPECT_EQ(cls.Get_ID(QStringLiteral("Party_X"), QStringLiteral("acme")), QStringLiteral("3001"));
    EXPECT_EQ(cls.Get_ID(QStringLiteral("Party_X"), QStringLiteral("x' OR '1'='1")), QString());
    EXPECT_EQ(cls.Get_ID(QStringLiteral("party_x"), QStringLiteral("Acme")), QString());
    EXPECT_EQ(cls.Get_ID(QStringLiteral("Creditors"), QStringLiteral("Acme")), QString());
    EXPECT_EQ(cls.Get_ID(QStringLiteral("Employees"), QStringLiteral("Tan, Mary")), QStringLiteral("1"));
    EXPECT_EQ(cls.Get_ID(QStringLiteral("Employees"), QStringLiteral("O'Neil, Pat")), QStringLiteral("2"));
    EXPECT_EQ(cls.Get_ID(QStringLiteral("employees"), QStringLiteral("Tan, Mary")), QString());
    EXPECT_EQ(cls.Get_ID(QStringLiteral("Employees"), QStringLiteral("Tan Mary")), QString());
    EXPECT_EQ(cls.Get_ID(QStringLiteral("Employees"), QStringLiteral("Nobody, Here")), QString());
    EXPECT_FALSE(cls.connectionOpen());
}

TEST_F(DataClassTest, ReadsAreDetachedAndAFailedReadClosesTheConnection) {
    Recordset all = cls.Get_Table_Recordset(QStringLiteral("Party_X"));
    EXPECT_FALSE(cls.connectionOpen());
    db::CompanyDatabase::closeConnection(); // even the physical connection is gone
    ASSERT_EQ(all.recordCount(), 2);
    all.moveLast();
    EXPECT_EQ(all.value(QStringLiteral("name")).toString(), QStringLiteral("Acme"));
    EXPECT_EQ(cls.Get_Table_Recordset(QStringLiteral("Head_X")).recordCount(), 0);
    EXPECT_THROW(cls.Get_Table_Recordset(QStringLiteral("No_Such_T")), DataError);
    EXPECT_FALSE(cls.connectionOpen());
    EXPECT_THROW(cls.lookup(QStringLiteral("SELEC nonsense")), DataError);
    EXPECT_FALSE(cls.connectionOpen());
}
