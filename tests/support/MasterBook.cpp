#include "MasterBook.h"

#include "values/Recordset.h"
#include "db/CompanyDatabase.h"

namespace orv::test {

using db::CompanyDatabase;

namespace {

// One request row under the write protocol, as a data class sends it.
void request(const QString& insert, const std::vector<Variant>& values) {
    CompanyDatabase::beginWrite();
    try {
        CompanyDatabase::execute(insert, values);
        CompanyDatabase::commitWrite();
    } catch (...) {
        CompanyDatabase::rollbackWrite();
        throw;
    }
}

Variant code(int glId) {
    return Variant(static_cast<std::int32_t>(glId));
}

} // namespace

void MasterBook::addAccount(int glId, const QString& name, const QString& type) {
    request(QStringLiteral(
                "INSERT INTO Temp_COA (GL_ID, GL_Name_VC, Acct_Type, BS_Category_VC, Sub_Category_VC, "
                "Status_bt, Function_type) VALUES (?, ?, ?, 'LIABILITIES', 'CURRENT LIABILITIES', 1, 'C')"),
            {code(glId), Variant(name), Variant(type)});
}

void MasterBook::addLocalSupplier(int glId, const QString& name) {
    request(QStringLiteral(
                "INSERT INTO Temp_Creditors (customerid, CompanyName, Address, City, Region, PostalCode, "
                "Country, Phone, Credit_Term, Credit_Limit, Cur_Type, UnRG, UnRL, RG, RL, Forex, VAT_Reg, "
                "Function_type) VALUES (?, ?, '8 Dock Rd', 'Singapore', 'West', '609000', 'Singapore', "
                "'62345678', 45, 20000, 'SGD', 1, 1, 1, 1, 0, 'M90312345X', 'C')"),
            {code(glId), Variant(name)});
}

void MasterBook::addBank(int glId, const QString& name) {
    request(QStringLiteral("INSERT INTO Temp_Bank (Bank_Code_VC, Bank_name, Bank_Add_VC, Bank_Contact_VC, "
                           "Function_type) VALUES (?, ?, '1 Raffles Pl', '63331111', 'C')"),
            {code(glId), Variant(name)});
}

void MasterBook::postJournal(int creditAccount, int partyId) {
    const qint64 employee = addEmployee(QStringLiteral("Lim"), QStringLiteral("Ann"));
    CompanyDatabase::beginWrite();
    try {
        CompanyDatabase::execute(
            QStringLiteral("INSERT INTO Document_T (EmployeeID, customerid) VALUES (?, ?)"),
            {Variant(static_cast<std::int64_t>(employee)), partyId ? code(partyId) : Variant::null()});
        const qint64 doc = scalar(QStringLiteral("SELECT max(DocID) FROM Document_T")).toLongLong();
        const QString line =
            QStringLiteral("INSERT INTO Journal_T (Doc_No_VC, GL_ID, Amount_NU, Descrip_VC, date_dt, "
                           "Period_TI, Year_SI) VALUES ('%1', %2, %3, 'rent', '2010-06-15', 6, 2010)");
        sql(line.arg(doc).arg(6100).arg(1000000));
        sql(line.arg(doc).arg(creditAccount).arg(-1000000));
        CompanyDatabase::commitWrite();
    } catch (...) {
        CompanyDatabase::rollbackWrite();
        throw;
    }
}

void MasterBook::expectBooksSound() {
    Recordset broken = CompanyDatabase::execute(QStringLiteral("check_invariants"));
    for (broken.moveFirst(); !broken.eof(); broken.moveNext())
        ADD_FAILURE() << broken.value(0).toString().toStdString() << ": "
                      << broken.value(1).toString().toStdString();
}

} // namespace orv::test
