// The write protocol's own guards, which no window can reach: each is there
// for a write that went wrong, and must refuse it with its own reason.
#include "db/CompanyDatabase.h"
#include "db/ProcedureCatalog.h"
#include "support/TestBook.h"
#include "values/DataError.h"

#include <QFile>

using namespace orv;
using db::CompanyDatabase;

namespace {

class WriteProtocolTest : public test::TestBook {
protected:
    void SetUp() override {
        TestBook::SetUp();
        employee = addEmployee(QStringLiteral("Tan"), QStringLiteral("Mary"));
    }
    void header() {
        CompanyDatabase::execute(QStringLiteral("INSERT INTO Document_T (EmployeeID) VALUES (?)"),
                                 {Variant(static_cast<std::int64_t>(employee))});
    }
    // The reason the write was refused with ("" when it was not refused); the
    // write is over either way.
    QString refusal(const std::function<void()>& body) {
        CompanyDatabase::beginWrite();
        try {
            body();
            CompanyDatabase::commitWrite();
        } catch (const DataError& e) {
            CompanyDatabase::rollbackWrite();
            return e.message();
        }
        return QString();
    }

    qint64 employee = 0;
};

} // namespace

TEST_F(WriteProtocolTest, OneWriteHoldsOneDocument) {
    const QString refused = refusal([this] {
        header();
        header();
    });
    EXPECT_TRUE(refused.contains(QLatin1String("Document_T: second header in one transaction")))
        << refused.toStdString();
    // An order is a header too: it cannot join a document's write.
    const QString order = refusal([this] {
        header();
        CompanyDatabase::execute(
            QStringLiteral(
                "INSERT INTO Orders (customerid, EmployeeID, OrderDate) VALUES (1200, ?, '2010-06-15')"),
            {Variant(static_cast<std::int64_t>(employee))});
    });
    EXPECT_TRUE(order.contains(QLatin1String("Orders: second header in one transaction")))
        << order.toStdString();
    EXPECT_EQ(count(QStringLiteral("Document_T")), 0);
    EXPECT_EQ(count(QStringLiteral("Orders")), 0);
}

TEST_F(WriteProtocolTest, AWriteMixedWithAnotherIsRefusedAtCommit) {
    const QString refused = refusal([this] {
        header();
        sql(QStringLiteral("INSERT INTO Touched_Doc_T VALUES ('DOC', 999, 'JNL')"));
    });
    EXPECT_TRUE(refused.contains(QLatin1String("work tables hold rows of another write")))
        << refused.toStdString();
    EXPECT_EQ(count(QStringLiteral("Document_T")), 0);
}

// Without its checks a commit would write whatever the write left, unchecked:
// the book refuses to write at all, and refuses to open.
TEST_F(WriteProtocolTest, WithoutItsCommitChecksTheBookWritesNothingAndDoesNotOpen) {
    QFile file(QStringLiteral(":/db/procedures/commit_checks.sql"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString checks = QString::fromUtf8(file.readAll());
    ASSERT_TRUE(db::ProcedureCatalog::remove(QStringLiteral("commit_checks")));

    const QString refused = refusal([this] { header(); });
    CompanyDatabase::closeConnection();
    QString opening;
    try {
        CompanyDatabase::handle();
    } catch (const DataError& e) {
        opening = e.message();
    }
    db::ProcedureCatalog::add(checks);

    EXPECT_TRUE(refused.contains(QLatin1String("commit checks are missing"))) << refused.toStdString();
    EXPECT_TRUE(opening.contains(QLatin1String("commit checks are missing"))) << opening.toStdString();
    EXPECT_EQ(count(QStringLiteral("Document_T")), 0);
}

// A line names the document of its own write, with that document's party and
// date, and one document holds one kind of line. The data classes always
// write them so; the rules are there for a write that does not.
TEST_F(WriteProtocolTest, ALineBelongsToTheDocumentOfItsWrite) {
    const QString ours = QStringLiteral("(SELECT Post_No FROM Write_Ctx_T)");
    const struct {
        bool withHeader;
        QString line;
        const char* reason;
    } cases[] = {
        {false,
         "INSERT INTO Journal_T (Doc_No_VC, GL_ID, Amount_NU, Descrip_VC, date_dt, Period_TI, Year_SI) "
         "VALUES ('999', 6100, 0, 'x', '2010-06-01', 6, 2010)",
         "Journal_T: line without its document"},
        {false, "INSERT INTO Temp_Stock_T (Doc_No_VC, Order_No, doc_type) VALUES (999, 999, 'GRN')",
         "Temp_Stock_T: line without its document"},
        {true,
         "INSERT INTO Temp_Stock_T (Doc_No_VC, Order_No, doc_type, customerid) VALUES (" + ours + ", " +
             ours + ", 'GRN', 2010)",
         "Temp_Stock_T: supplier differs from the document's"},
        {false, "INSERT INTO Stock_Adj_T (DocID, date_dt) VALUES (999, '2010-06-10')",
         "Stock_Adj_T: line without its document"},
        {true, "INSERT INTO Stock_Adj_T (DocID, date_dt) VALUES (" + ours + ", '1999-06-10')",
         "Stock_Adj_T: date differs from the document's"},
        {false, "INSERT INTO Sales_T (doc_type, inv_no) VALUES ('DO', 999)",
         "Sales_T: line without its invoice"},
        {true, "INSERT INTO Sales_T (doc_type, inv_no) VALUES ('CN', " + ours + ")",
         "Sales_T: only invoice lines can be posted yet"},
        {false, "INSERT INTO Purchases_T (doc_type) VALUES ('GRN')",
         "Purchases_T: line without its document"},
        {true, "INSERT INTO Purchases_T (doc_type) VALUES ('CN')",
         "Purchases_T: only invoice lines can be posted yet"},
        {true, "INSERT INTO Purchases_T (doc_type, customerid, inv_no) VALUES ('GRN', 2010, 5001)",
         "Purchases_T: supplier or invoice number differs from the document's"},
        {true, "INSERT INTO Touched_Doc_T VALUES ('DOC', " + ours + ", 'JNL'), ('DOC', " + ours + ", 'GRN')",
         "document mixes line kinds"},
    };
    for (const auto& c : cases) {
        const QString refused = refusal([&] {
            if (c.withHeader)
                header();
            sql(c.line);
        });
        EXPECT_TRUE(refused.contains(QLatin1String(c.reason))) << c.reason << " / " << refused.toStdString();
    }
    // A delivery line names its own order's customer.
    addAccount(1200, QStringLiteral("Acme Debtor"));
    addLocalCustomer(1200, QStringLiteral("Acme Trading"));
    const QString delivery = refusal([&] {
        CompanyDatabase::execute(
            QStringLiteral(
                "INSERT INTO Orders (customerid, EmployeeID, OrderDate) VALUES (1200, ?, '2010-06-15')"),
            {Variant(static_cast<std::int64_t>(employee))});
        sql("INSERT INTO Temp_Stock_T (Doc_No_VC, Order_No, doc_type, customerid) VALUES (" + ours + ", " +
            ours + ", 'DO', 1210)");
    });
    EXPECT_TRUE(delivery.contains(QLatin1String("Temp_Stock_T: customer differs from the order's")))
        << delivery.toStdString();
    EXPECT_EQ(count(QStringLiteral("Document_T")), 0);
}

// An order's lines name the order's own customer. Its data classes copy the
// customer from the saved order, so only a line written by hand names another.
TEST_F(WriteProtocolTest, AnOrderLineNamesTheOrdersCustomer) {
    for (int code : {1200, 1210}) {
        addAccount(code, QStringLiteral("Debtor %1").arg(code));
        addLocalCustomer(code, QStringLiteral("Customer %1").arg(code));
    }
    const QString ours = QStringLiteral("(SELECT Post_No FROM Write_Ctx_T)");
    const std::pair<QString, const char*> cases[] = {
        {"INSERT INTO Sales_T (doc_type, inv_no, customerid) VALUES ('DO', " + ours + ", 1210)",
         "Sales_T: customer differs from the invoice's"},
        {"INSERT INTO Temp_Stock_T (Doc_No_VC, Order_No, doc_type, customerid) VALUES (" + ours + ", " +
             ours + ", 'DO', 1210)",
         "Temp_Stock_T: customer differs from the order's"},
    };
    for (const auto& [line, reason] : cases) {
        const QString refused = refusal([&] {
            CompanyDatabase::execute(
                QStringLiteral(
                    "INSERT INTO Orders (customerid, EmployeeID, OrderDate) VALUES (1200, ?, '2010-06-15')"),
                {Variant(static_cast<std::int64_t>(employee))});
            sql(line);
        });
        EXPECT_TRUE(refused.contains(QLatin1String(reason))) << reason << " / " << refused.toStdString();
    }
    EXPECT_EQ(count(QStringLiteral("Orders")), 0);
}

// A request is a creation, an update or a deletion; the set-up windows never
// send anything else, but a request table takes no other kind either.
TEST_F(WriteProtocolTest, EveryRequestTableRefusesAnUnknownKindOfRequest) {
    for (const char* table : {"Temp_Bank", "Temp_COA", "Temp_Creditors", "Temp_Customers", "Temp_Employees",
                              "Temp_Product_Accountset_T", "Temp_Product_Category_T", "Temp_Product_T",
                              "Temp_Shippers", "Temp_VAT"}) {
        const QString refused = refusal([&] {
            sql(QStringLiteral("INSERT INTO %1 (Function_type) VALUES ('X')").arg(QLatin1String(table)));
        });
        EXPECT_TRUE(refused.contains(QLatin1String(table) + QStringLiteral(": request is not C, U or D")))
            << table << " / " << refused.toStdString();
    }
}

// Stock leaves only in a quantity above nothing and no larger than what is on
// hand; the stock count issues only what a row holds beyond the count.
TEST_F(WriteProtocolTest, StockIssuesOnlyWhatIsOnHand) {
    const struct {
        const char* qty;
        const char* reason;
    } cases[] = {{"0", "Stock: issue of no quantity"}, {"1", "Stock: issue exceeds stock on hand"}};
    for (const auto& c : cases) {
        const QString refused = refusal([&] {
            header();
            sql(QStringLiteral("INSERT INTO Stock_Issue_V (Pdt_ID_VC, Qty) VALUES ('NONE', %1)")
                    .arg(QLatin1String(c.qty)));
        });
        EXPECT_TRUE(refused.contains(QLatin1String(c.reason))) << c.reason << " / " << refused.toStdString();
    }
}
