// Customer, shipper and employee requests as the database applies or refuses
// them, sent through the window's data class: a refused request leaves no row
// and the writer returns its failure text.
#include "ArBook.h"
#include "ar/clsARSetup.h"
#include "support/PartyStaging.h"
#include "support/Refusal.h"
#include "ui/RecordFields.h"

#include <map>

using namespace orv;

namespace {

class PartyRequestsTest : public test::ArBook {
protected:
    using Values = test::PartyValues;

    static Recordset customer(const Values& values) { return test::partyStaging(values); }
    static Values local(int code, const QString& name) { return test::localParty(code, name); }
    static Values foreign(int code, const QString& name) { return test::foreignParty(code, name); }
    static Values with(Values v, const QString& field, const QString& text) {
        return test::with(std::move(v), field, text);
    }
    static Recordset shipper(const QString& name, const QString& phone, const QString& address) {
        Recordset r = buildRecord({{QStringLiteral("CompanyName"), DataType::Text, 40},
                                   {QStringLiteral("Phone"), DataType::Text, 24},
                                   {QStringLiteral("Shipaddr"), DataType::Text, 40}},
                                  true);
        assignText(r, QStringLiteral("CompanyName"), name);
        assignText(r, QStringLiteral("Phone"), phone);
        assignText(r, QStringLiteral("Shipaddr"), address);
        return r;
    }
    static Recordset employee(const QString& last, const QString& first,
                              const QString& address = "3 Hill St") {
        Recordset r = buildRecord({{QStringLiteral("LastName"), DataType::Text, 20},
                                   {QStringLiteral("FirstName"), DataType::Text, 10},
                                   {QStringLiteral("BirthDate"), DataType::Date},
                                   {QStringLiteral("HireDate"), DataType::Date},
                                   {QStringLiteral("Address"), DataType::Text, 60},
                                   {QStringLiteral("HomePhone"), DataType::Text, 24}},
                                  true);
        assignText(r, QStringLiteral("LastName"), last);
        assignText(r, QStringLiteral("FirstName"), first);
        assignText(r, QStringLiteral("BirthDate"), QStringLiteral("1980-07-21"));
        assignText(r, QStringLiteral("HireDate"), QStringLiteral("2010-01-04"));
        assignText(r, QStringLiteral("Address"), address);
        assignText(r, QStringLiteral("HomePhone"), QStringLiteral("61112222"));
        return r;
    }
    // A document row written by hand (a delivery order, a translation line):
    // the write context it opens is cleared again.
    void handWritten(const QString& insert) {
        sql(insert);
        sql(QStringLiteral("DELETE FROM Write_Ctx_T; DELETE FROM Touched_Doc_T;"));
    }
    QString customerColumn(const QString& name, const QString& column) {
        return scalar(QStringLiteral("SELECT %1 FROM Customers WHERE CompanyName = '%2'").arg(column, name));
    }

    clsARSetup data;
};

TEST_F(PartyRequestsTest, CustomersAreCreatedOnTheirOwnAccount) {
    EXPECT_EQ(data.Send_Order(customer(local(kAcme, "Acme Trading"))),
              QStringLiteral("Customer only created for unassigned Code 1200"));
    EXPECT_EQ(data.Send_Order(customer(foreign(kInitech, "Initech"))),
              QStringLiteral("Customer only created for unassigned Code 70000"));
    // A local customer may also name profit and loss accounts.
    EXPECT_EQ(data.Send_Order(customer(with(local(kGlobex, "Globex"), "RG", "4100"))),
              QStringLiteral("Customer only created for unassigned Code 1210"));
    EXPECT_EQ(customerColumn("Acme Trading", "UnRG || UnRL || RG || RL || Forex || Cur_Type"),
              QStringLiteral("11110SGD"));
    EXPECT_EQ(customerColumn("Initech", "CustomerID || ' ' || Forex || ' ' || UnRG"),
              QStringLiteral("70000 1 4210"));
    EXPECT_EQ(count(QStringLiteral("Temp_Customers")), 3) << "accepted requests stay as a log";
    expectBooksSound();
}

TEST_F(PartyRequestsTest, ACustomerCreateIsRefusedForEveryBrokenRule) {
    addLocalCustomer(kAcme, QStringLiteral("Acme Trading"));
    addDebtorAccount(1230, QStringLiteral("Closed Debtor"));
    setAccountActive(1230, false);
    addDebtorAccount(1240, QStringLiteral("Used Debtor"));
    addDebtorAccount(100000000, QStringLiteral("Huge Debtor"));
    postJournal(1240, 0, addEmployee(QStringLiteral("Tan"), QStringLiteral("Mary")));
    const struct {
        Values request;
        const char* reason;
    } cases[] = {
        {local(kGlobex, "ACME TRADING"), "customer name exists"},
        {local(kGlobex, "   "), "customer name blank"},
        {with(local(kGlobex, "Globex"), "GL_ID", ""), "customer code missing"},
        {local(kAcme, "Globex"), "already a customer's"},
        {local(2200, "Globex"), "account of another record"},           // the VAT control account
        {local(1299, "Globex"), "not an active balance sheet account"}, // no such account
        {local(6100, "Globex"), "not an active balance sheet account"}, // a P&L account
        {local(1230, "Globex"), "not an active balance sheet account"}, // inactive
        {local(1240, "Globex"), "has postings"},
        {local(100000000, "Globex"), "outside 1 to 99999999"},
        {with(local(kGlobex, "Globex"), "Cur_Type", "XYZ"), "currency unknown"},
        {with(local(kGlobex, "Globex"), "Cur_Type", "USD"), "home currency"},
        {with(foreign(kGlobex, "Globex"), "Cur_Type", "sgd"), "home currency"},
        {with(local(kGlobex, "Globex"), "Forex", "2"), "not 0 or 1"},
        {with(foreign(kGlobex, "Globex"), "UnRL", "1"), "not a profit and loss account"},
        {with(local(kGlobex, "Globex"), "RL", "1000"), "not a profit and loss account"},
        {with(foreign(kGlobex, "Globex"), "RG", ""), "not a profit and loss account"},
        {with(local(kGlobex, "Globex"), "RL", ""), "not a profit and loss account"},
    };
    const qint64 requests = count(QStringLiteral("Temp_Customers"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        test::expectRefused(data, data.Send_Order(customer(c.request)), clsARSetup::kCustomerFailed.create,
                            QLatin1String(c.reason));
    }
    EXPECT_EQ(count(QStringLiteral("Customers")), 1);
    EXPECT_EQ(count(QStringLiteral("Temp_Customers")), requests) << "a refused request leaves no row";
}

TEST_F(PartyRequestsTest, AnUpdateKeepsKeyFieldsOnceTheCustomerHasHistory) {
    addLocalCustomer(kAcme, QStringLiteral("Acme Trading"));
    addForeignCustomer(kInitech, QStringLiteral("Initech"), QStringLiteral("USD"));
    Values acme = local(kAcme, "acme trading");
    acme["Address"] = "2 New Rd";
    acme["Credit_Limit"] = "8000";
    acme["Forex"] = "1"; // never carried by an update
    EXPECT_EQ(
        data.Update_Order(customer(acme)),
        QStringLiteral("Customer acme trading details would be updated if there is no transaction posted"));
    EXPECT_EQ(customerColumn("Acme Trading", "Address || ' ' || Credit_Limit || ' ' || Forex"),
              QStringLiteral("2 New Rd 8000 0"));

    // Without history the customer may move to a free account.
    EXPECT_NE(data.Update_Order(customer(with(acme, "GL_ID", "1210"))), clsARSetup::kCustomerFailed.update);
    EXPECT_EQ(customerColumn("Acme Trading", "CustomerID"), QStringLiteral("1210"));
    EXPECT_EQ(data.Update_Order(customer(with(acme, "GL_ID", "70000"))), clsARSetup::kCustomerFailed.update)
        << "another customer's account";
    EXPECT_EQ(data.Update_Order(customer(with(with(acme, "GL_ID", "1210"), "Cur_Type", "USD"))),
              clsARSetup::kCustomerFailed.update)
        << "a local customer trades in the home currency";

    postJournal(kPettyCash, kGlobex, addEmployee(QStringLiteral("Tan"), QStringLiteral("Mary")));
    Values moved = with(acme, "GL_ID", "1210");
    moved["City"] = "Jurong";
    EXPECT_NE(data.Update_Order(customer(moved)), clsARSetup::kCustomerFailed.update) << "descriptive fields";
    EXPECT_EQ(customerColumn("Acme Trading", "City"), QStringLiteral("Jurong"));
    addDebtorAccount(1250, QStringLiteral("Spare Debtor"));
    test::expectRefused(data, data.Update_Order(customer(with(moved, "GL_ID", "1250"))),
                        clsARSetup::kCustomerFailed.update,
                        QStringLiteral("customer code or currency of a customer with transaction history"));

    Values initech = foreign(kInitech, "Initech");
    EXPECT_NE(data.Update_Order(customer(with(initech, "Cur_Type", "EUR"))),
              clsARSetup::kCustomerFailed.update);
    EXPECT_EQ(data.Update_Order(customer(with(initech, "UnRG", "1"))), clsARSetup::kCustomerFailed.update)
        << "a foreign customer's accounts are P&L accounts";
    test::expectRefused(data, data.Update_Order(customer(local(kGlobex, "Nobody"))),
                        clsARSetup::kCustomerFailed.update, QStringLiteral("no customer of that name"));
    expectBooksSound();
}

TEST_F(PartyRequestsTest, ADeleteIsRefusedWhileTheCustomerHasTransactionHistory) {
    addLocalCustomer(kAcme, QStringLiteral("Acme Trading"));
    addLocalCustomer(kGlobex, QStringLiteral("Globex"));
    addForeignCustomer(kInitech, QStringLiteral("Initech"), QStringLiteral("USD"));
    const qint64 tan = addEmployee(QStringLiteral("Tan"), QStringLiteral("Mary"));
    postJournal(kPettyCash, kAcme, tan);

    test::expectRefused(data, data.Delete_Order(customer(local(kAcme, "Acme Trading"))),
                        clsARSetup::kCustomerFailed.remove,
                        QStringLiteral("customer has transaction history"));
    test::expectRefused(data, data.Delete_Order(customer(local(0, "Nobody"))),
                        clsARSetup::kCustomerFailed.remove, QStringLiteral("no customer of that name"));
    EXPECT_EQ(data.Delete_Order(customer(local(0, "globex"))),
              QStringLiteral("Customer globex would be Deleted if there is no transaction history"));
    EXPECT_EQ(count(QStringLiteral("Customers")), 2);
    expectBooksSound();

    // An order or a translation line names the customer as well; no document
    // writes them yet, so they are written by hand.
    skipBookChecks();
    handWritten(QStringLiteral("INSERT INTO Orders (customerid, EmployeeID, OrderDate) VALUES (70000, %1, "
                               "'2010-06-15')")
                    .arg(tan));
    test::expectRefused(data, data.Delete_Order(customer(local(0, "Initech"))),
                        clsARSetup::kCustomerFailed.remove,
                        QStringLiteral("customer has transaction history"));
    sql(QStringLiteral("DELETE FROM Orders"));
    sql(QStringLiteral(
        "INSERT INTO Forex_Unrealised_AR_T (creditorid, inv_no, Payable, allocated, Cur_Type, "
        "cur_rate, Clsg_Rate, Year_SI, Period_TI) VALUES (70000, 1, 0, 0, 'USD', 1.3, 1.29, 2010, 12)"));
    test::expectRefused(data, data.Delete_Order(customer(local(0, "Initech"))),
                        clsARSetup::kCustomerFailed.remove,
                        QStringLiteral("customer has transaction history"));
    EXPECT_EQ(count(QStringLiteral("Customers")), 2);
}

TEST_F(PartyRequestsTest, ShippersAreFoundByNameAndKeptWhileAnOrderNamesThem) {
    EXPECT_EQ(data.Send_Ship(shipper("Speedy", "62223333", "5 Harbour Rd")),
              QStringLiteral("Shipper only created for unassigned Code Speedy"));
    test::expectRefused(data, data.Send_Ship(shipper("SPEEDY", "1", "x")), clsARSetup::kShipperFailed.create,
                        QStringLiteral("shipper name exists"));
    test::expectRefused(data, data.Send_Ship(shipper("   ", "1", "x")), clsARSetup::kShipperFailed.create,
                        QStringLiteral("shipper name blank"));
    EXPECT_EQ(data.Update_Ship(shipper("speedy", "69998888", "7 Pier Rd")),
              QStringLiteral("Shipper Updated for speedy"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Phone || ' ' || Shipaddr FROM Shippers")),
              QStringLiteral("69998888 7 Pier Rd"));
    test::expectRefused(data, data.Update_Ship(shipper("Nobody", "1", "x")),
                        clsARSetup::kShipperFailed.update, QStringLiteral("no shipper of that name"));
    test::expectRefused(data, data.Delete_Ship(shipper("Nobody", "1", "x")),
                        clsARSetup::kShipperFailed.remove, QStringLiteral("no shipper of that name"));
    addShipper(QStringLiteral("Slowboat"));
    EXPECT_EQ(data.Delete_Ship(shipper("Slowboat", "1", "x")),
              QStringLiteral("Shipper deleted for Slowboat"));
    EXPECT_EQ(count(QStringLiteral("Shippers")), 1);
    expectBooksSound();

    addLocalCustomer(kAcme, QStringLiteral("Acme Trading"));
    skipBookChecks(); // an order without lines, written by hand
    handWritten(
        QStringLiteral("INSERT INTO Orders (customerid, EmployeeID, OrderDate, ShipVia) VALUES (1200, %1, "
                       "'2010-06-15', 1)")
            .arg(addEmployee(QStringLiteral("Tan"), QStringLiteral("Mary"))));
    test::expectRefused(data, data.Delete_Ship(shipper("Speedy", "1", "x")),
                        clsARSetup::kShipperFailed.remove, QStringLiteral("shipper has transaction history"));
}

TEST_F(PartyRequestsTest, EmployeesAreFoundByLastAndFirstNameWhichHoldNoComma) {
    EXPECT_EQ(data.Send_Employee(employee("Tan", "Mary")), QStringLiteral("Employee created for  Tan"));
    EXPECT_EQ(data.Send_Employee(employee("Tan", "John")), QStringLiteral("Employee created for  Tan"));
    // Blanks around a name are neither kept nor looked up.
    EXPECT_EQ(data.Send_Employee(employee(" Lim ", "Ann  ")), QStringLiteral("Employee created for  Lim"));
    EXPECT_EQ(
        scalar(QStringLiteral("SELECT LastName || '|' || FirstName FROM Employees WHERE LastName = 'Lim'")),
        QStringLiteral("Lim|Ann"));
    EXPECT_EQ(data.Get_Employee_Details(QStringLiteral(" Lim ")).recordCount(), 1);
    EXPECT_EQ(data.Delete_Employee(employee("Lim ", " Ann")), QStringLiteral("Employee deleted for  Lim"));
    test::expectRefused(data, data.Send_Employee(employee("TAN", "mary")), clsARSetup::kEmployeeFailed.create,
                        QStringLiteral("employee name exists"));
    test::expectRefused(data, data.Send_Employee(employee("Lee, Jr", "Ken")),
                        clsARSetup::kEmployeeFailed.create, QStringLiteral("a name holds a comma"));
    test::expectRefused(data, data.Send_Employee(employee("Lee", "K,en")), clsARSetup::kEmployeeFailed.create,
                        QStringLiteral("a name holds a comma"));
    test::expectRefused(data, data.Send_Employee(employee("Lee", " ")), clsARSetup::kEmployeeFailed.create,
                        QStringLiteral("last or first name blank"));
    EXPECT_EQ(
        scalar(QStringLiteral("SELECT HireDate || ' ' || BirthDate FROM Employees WHERE FirstName = 'Mary'")),
        QStringLiteral("2010-01-04 1980-07-21"));

    EXPECT_EQ(data.Update_Employee(employee("Tan", "John", "8 Bay Rd")),
              QStringLiteral("Employee updated for  Tan"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Address FROM Employees WHERE FirstName = 'John'")),
              QStringLiteral("8 Bay Rd"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Address FROM Employees WHERE FirstName = 'Mary'")),
              QStringLiteral("3 Hill St"));
    test::expectRefused(data, data.Update_Employee(employee("Tan", "Nobody")),
                        clsARSetup::kEmployeeFailed.update, QStringLiteral("no employee of that name"));

    postJournal(
        kPettyCash, 0,
        scalar(QStringLiteral("SELECT EmployeeID FROM Employees WHERE FirstName = 'Mary'")).toLongLong());
    test::expectRefused(data, data.Delete_Employee(employee("Tan", "Mary")),
                        clsARSetup::kEmployeeFailed.remove,
                        QStringLiteral("employee has transaction history"));
    EXPECT_EQ(data.Delete_Employee(employee("Tan", "John")), QStringLiteral("Employee deleted for  Tan"));
    EXPECT_EQ(data.Delete_Employee(employee("Tan", "John")), clsARSetup::kEmployeeFailed.remove);
    EXPECT_EQ(count(QStringLiteral("Employees")), 1);
    expectBooksSound();
}

} // namespace
