#include "ArBook.h"

#include "values/Recordset.h"
#include "db/CompanyDatabase.h"

namespace orv::test {

using db::CompanyDatabase;

void ArBook::SetUp() {
    TestBook::SetUp();
    addAccount(kAcme, QStringLiteral("Acme Debtor"));
    addAccount(kGlobex, QStringLiteral("Globex Debtor"));
    addAccount(kInitech, QStringLiteral("Initech Debtor"));
}

void ArBook::addAccount(int glId, const QString& name, const QString& type, int status) {
    CompanyDatabase::execute(
        QStringLiteral("INSERT INTO COA_T (GL_ID, GL_Name_VC, Acct_Type, BS_Category_VC, "
                       "Sub_Category_VC, Status_bt) VALUES (?, ?, ?, 'ASSETS', "
                       "'TRADE DEBTORS', ?)"),
        {Variant(static_cast<std::int32_t>(glId)), Variant(name), Variant(type),
         Variant(static_cast<std::int32_t>(status))});
}

void ArBook::addLocalCustomer(int glId, const QString& name) {
    CompanyDatabase::execute(
        QStringLiteral(
            "INSERT INTO Temp_Customers (customerid, CompanyName, Address, City, Region, PostalCode, "
            "Country, Phone, Credit_Term, Credit_Limit, Cur_Type, UnRG, UnRL, RG, RL, Forex, "
            "Function_type) VALUES (?, ?, '1 Main St', 'Singapore', 'Central', '123456', "
            "'Singapore', '65551234', 30, 5000, 'SGD', 1, 1, 1, 1, 0, 'C')"),
        {Variant(static_cast<std::int32_t>(glId)), Variant(name)});
}

void ArBook::addForeignCustomer(int glId, const QString& name, const QString& currency) {
    CompanyDatabase::execute(
        QStringLiteral(
            "INSERT INTO Temp_Customers (customerid, CompanyName, Address, City, Region, PostalCode, "
            "Country, Phone, Credit_Term, Credit_Limit, Cur_Type, UnRG, UnRL, RG, RL, Forex, "
            "Function_type) VALUES (?, ?, '9 Elm St', 'Boston', 'MA', '02110', 'USA', "
            "'6175550000', 60, 9000, ?, 4210, 6510, 4200, 6500, 1, 'C')"),
        {Variant(static_cast<std::int32_t>(glId)), Variant(name), Variant(currency)});
}

void ArBook::addShipper(const QString& name) {
    CompanyDatabase::execute(QStringLiteral("INSERT INTO Temp_Shippers (CompanyName, Phone, Shipaddr, "
                                            "Function_type) VALUES (?, '62223333', '5 Harbour Rd', 'C')"),
                             {Variant(name)});
}

qint64 ArBook::postJournal(qint64 employeeId, int customerId) {
    CompanyDatabase::beginWrite();
    CompanyDatabase::execute(QStringLiteral("INSERT INTO Document_T (EmployeeID, customerid) VALUES (?, ?)"),
                             {Variant(static_cast<std::int64_t>(employeeId)),
                              customerId ? Variant(static_cast<std::int32_t>(customerId)) : Variant::null()});
    const qint64 doc = scalar(QStringLiteral("SELECT max(DocID) FROM Document_T")).toLongLong();
    const QString line =
        QStringLiteral("INSERT INTO Journal_T (Doc_No_VC, GL_ID, Amount_NU, Descrip_VC, date_dt, "
                       "Period_TI, Year_SI) VALUES ('%1', %2, %3, 'rent', '2010-06-15', 6, 2010)");
    sql(line.arg(doc).arg(6100).arg(1000000));
    sql(line.arg(doc).arg(1010).arg(-1000000));
    if (customerId)
        sql(QStringLiteral("UPDATE Ledger_T SET Party_Kind = 'C', Party_ID = %1 WHERE Post_No = %2")
                .arg(customerId)
                .arg(doc));
    CompanyDatabase::commitWrite();
    return doc;
}

void ArBook::expectBooksSound() {
    Recordset broken = CompanyDatabase::execute(QStringLiteral("check_invariants"));
    for (broken.moveFirst(); !broken.eof(); broken.moveNext())
        ADD_FAILURE() << broken.value(0).toString().toStdString() << ": "
                      << broken.value(1).toString().toStdString();
}

} // namespace orv::test
