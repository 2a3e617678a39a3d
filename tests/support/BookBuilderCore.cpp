#include "BookBuilderCore.h"
#include "PartyStaging.h"
#include "VatStaging.h"

#include "ar/clsARSetup.h"
#include "cash/clsCashSetup.h"
#include "data/DataClass.h"
#include "db/CompanyDatabase.h"
#include "db/SqlFunctions.h"
#include "gl/clsCOASetup.h"
#include "inventory/IVRecords.h"
#include "inventory/clsIVSetup.h"
#include "purchases/clsAPSetup.h"
#include "ui/RecordFields.h"
#include "vat/clsVATSetup.h"

#include <QRegularExpression>
#include <stdexcept>

namespace orv::test {

// A refused write of the builder: the writer's text and the database's reason.
void BookBuilderCore::expectWritten(const DataClass& writer, const QString& result) {
    if (!writer.lastFailureReason().isEmpty())
        throw std::runtime_error(
            ("the book refused a write of the builder: " + result + ": " +
             QString(writer.lastFailureReason()).replace(QChar(db::kDetailSeparator), QLatin1Char('|')))
                .toStdString());
}

QString BookBuilderCore::firstValue(const QString& query, const std::vector<Variant>& params) {
    Recordset rs = db::CompanyDatabase::execute(query, params);
    if (rs.recordCount() == 0)
        return QString();
    rs.moveFirst();
    return rs.value(0).toString();
}

namespace {

Recordset recordOf(const std::vector<FieldDef>& fields, const std::vector<QString>& texts) {
    Recordset r = buildRecord(fields, true);
    for (size_t i = 0; i < fields.size(); ++i)
        assignText(r, fields[i].name, texts[i]);
    return r;
}

// An employee as the employee frame sends one: hired 2009-03-01, born 1980-07-21.
Recordset employeeRecord(const QString& last, const QString& first) {
    return recordOf({{QStringLiteral("LastName"), DataType::Text, 20},
                     {QStringLiteral("FirstName"), DataType::Text, 10},
                     {QStringLiteral("BirthDate"), DataType::Date},
                     {QStringLiteral("HireDate"), DataType::Date},
                     {QStringLiteral("Address"), DataType::Text, 60},
                     {QStringLiteral("HomePhone"), DataType::Text, 24}},
                    {last, first, QStringLiteral("1980-07-21"), QStringLiteral("2009-03-01"),
                     QStringLiteral("3 Hill St"), QStringLiteral("61112222")});
}

Recordset shipperRecord(const QString& name) {
    return recordOf({{QStringLiteral("CompanyName"), DataType::Text, 40},
                     {QStringLiteral("Phone"), DataType::Text, 24},
                     {QStringLiteral("Shipaddr"), DataType::Text, 40}},
                    {name, QStringLiteral("62223333"), QStringLiteral("5 Harbour Rd")});
}

const std::vector<FieldDef>& accountFields() {
    static const std::vector<FieldDef> fields = {{QStringLiteral("GL_ID"), DataType::Integer},
                                                 {QStringLiteral("GL_Name_VC"), DataType::Text, 20},
                                                 {QStringLiteral("Acct_Type"), DataType::Text, 10},
                                                 {QStringLiteral("BS_Category_VC"), DataType::Text, 20},
                                                 {QStringLiteral("Sub_Category_VC"), DataType::Text, 20},
                                                 {QStringLiteral("Status_bt"), DataType::BigInt}};
    return fields;
}

} // namespace

Recordset BookBuilderCore::record(const std::vector<FieldDef>& fields, const std::vector<QString>& texts) {
    return recordOf(fields, texts);
}

void BookBuilderCore::addAccount(int glId, const QString& name, const QString& type, const QString& category,
                                 const QString& subCategory) {
    clsCOASetup data;
    expectWritten(data, data.Send_Order(record(accountFields(), {QString::number(glId), name, type, category,
                                                                 subCategory, QStringLiteral("1")})));
}

void BookBuilderCore::setAccountActive(int glId, bool active) {
    Recordset account = db::CompanyDatabase::execute(
        QStringLiteral(
            "SELECT GL_Name_VC, Acct_Type, BS_Category_VC, Sub_Category_VC FROM COA_T WHERE GL_ID = ?"),
        {Variant(static_cast<std::int32_t>(glId))});
    if (account.recordCount() == 0)
        throw std::runtime_error("no account " + std::to_string(glId) + " to set active or inactive");
    account.moveFirst();
    std::vector<QString> texts = {QString::number(glId)};
    for (int c = 0; c < 4; ++c)
        texts.push_back(account.value(c).toString());
    texts.push_back(active ? QStringLiteral("1") : QStringLiteral("0"));
    clsCOASetup data;
    expectWritten(data, data.Update_Order(record(accountFields(), texts)));
}

qint64 BookBuilderCore::addEmployee(const QString& last, const QString& first) {
    clsARSetup data;
    expectWritten(data, data.Send_Employee(employeeRecord(last, first)));
    return firstValue(QStringLiteral("SELECT EmployeeID FROM Employees WHERE LastName = ? AND FirstName = ?"),
                      {Variant(last), Variant(first)})
        .toLongLong();
}

void BookBuilderCore::addLocalCustomer(int glId, const QString& name) {
    clsARSetup data;
    expectWritten(data, data.Send_Order(partyStaging(localParty(glId, name))));
}

void BookBuilderCore::addForeignCustomer(int glId, const QString& name, const QString& currency) {
    PartyValues v = foreignParty(glId, name);
    v["Cur_Type"] = currency;
    v["Address"] = "9 Elm St";
    v["City"] = "Boston";
    v["Region"] = "MA";
    v["PostalCode"] = "02110";
    v["Country"] = "USA";
    v["Phone"] = "6175550000";
    v["Credit_Term"] = "60";
    v["Credit_Limit"] = "9000";
    clsARSetup data;
    expectWritten(data, data.Send_Order(partyStaging(v)));
}

void BookBuilderCore::addShipper(const QString& name) {
    clsARSetup data;
    expectWritten(data, data.Send_Ship(shipperRecord(name)));
}

void BookBuilderCore::deleteCustomer(const QString& name) {
    clsARSetup data;
    expectWritten(data, data.Delete_Order(partyStaging(localParty(0, name))));
}

void BookBuilderCore::deleteShipper(const QString& name) {
    clsARSetup data;
    expectWritten(data, data.Delete_Ship(shipperRecord(name)));
}

void BookBuilderCore::deleteEmployee(const QString& last, const QString& first) {
    clsARSetup data;
    expectWritten(data, data.Delete_Employee(employeeRecord(last, first)));
}

void BookBuilderCore::addLocalSupplier(int glId, const QString& name) {
    PartyValues v = localParty(glId, name);
    v["Address"] = "8 Dock Rd";
    v["Region"] = "West";
    v["PostalCode"] = "609000";
    v["Phone"] = "62345678";
    v["Credit_Term"] = "45";
    v["Credit_Limit"] = "20000";
    v["VAT_Reg"] = "M90312345X";
    clsAPSetup data;
    expectWritten(data, data.Send_Order(partyStaging(v, true)));
}

void BookBuilderCore::addForeignSupplier(int glId, const QString& name, const QString& currency) {
    PartyValues v = foreignParty(glId, name);
    v["Cur_Type"] = currency;
    v["VAT_Reg"] = "M90398765Y";
    clsAPSetup data;
    expectWritten(data, data.Send_Order(partyStaging(v, true)));
}

void BookBuilderCore::addBank(int glId, const QString& name) {
    clsCashSetup data;
    expectWritten(data, data.Send_Order(record({{QStringLiteral("GL_ID"), DataType::Integer},
                                                {QStringLiteral("Bank_name"), DataType::Text, 40},
                                                {QStringLiteral("Bank_Add_VC"), DataType::Text, 60},
                                                {QStringLiteral("Bank_Contact_VC"), DataType::Text, 15}},
                                               {QString::number(glId), name, QStringLiteral("1 Raffles Pl"),
                                                QStringLiteral("63331111")})));
}

void BookBuilderCore::addVatCode(int code, const QString& name, const QString& rate, int control) {
    clsVATSetup data;
    expectWritten(data, data.Send_Order(vatStaging(vatCode(code, name, rate, control))));
}

void BookBuilderCore::addCategory(const QString& code, const QString& name, int sales, int cos) {
    clsIVSetup data;
    expectWritten(data, data.Send_Stock(record(categoryRecordFields(),
                                               {code, name, QString::number(sales), QString::number(cos)})));
}

void BookBuilderCore::addAccountSet(const QString& name, int stock, int payable, int shipment,
                                    const QString& method) {
    clsIVSetup data;
    expectWritten(data, data.Send_Acctset(record(accountSetRecordFields(),
                                                 {name, method, QString::number(stock),
                                                  QString::number(payable), QString::number(shipment)})));
}

void BookBuilderCore::addItem(const QString& code, const QString& name, const QString& category,
                              const QString& accountSet, int vatCode) {
    clsIVSetup data;
    expectWritten(
        data, data.Send_Item(record(itemRecordFields(), {code, name, name + QStringLiteral(" (each)"),
                                                         category, QString::number(vatCode), accountSet})));
}

qint64 BookBuilderCore::clerk() {
    if (m_clerk == 0)
        m_clerk = addEmployee(QStringLiteral("Lim"), QStringLiteral("Ann"));
    return m_clerk;
}

BookBuilderCore::TableLine::TableLine(const QString& text) : m_text(text.trimmed()) {
    static const QRegularExpression columns(QStringLiteral("\\s{2,}"));
    m_columns = m_text.split(columns);
}

void BookBuilderCore::TableLine::need(qsizetype n) const {
    if (m_columns.size() < n)
        unreadable("a column is missing");
}

int BookBuilderCore::TableLine::code(qsizetype i) const {
    return code(m_columns[i]);
}

int BookBuilderCore::TableLine::code(const QString& text) const {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok)
        unreadable("an account code is not a whole number");
    return value;
}

QDate BookBuilderCore::TableLine::date(qsizetype i) const {
    const QDate d = QDate::fromString(m_columns[i], Qt::ISODate);
    if (!d.isValid())
        unreadable("the date is not yyyy-mm-dd");
    return d;
}

void BookBuilderCore::TableLine::unreadable(const char* why) const {
    throw std::runtime_error(("book table line \"" + m_text + "\": " + why).toStdString());
}

bool BookBuilderCore::readMaster(const TableLine& c) {
    const QString& kind = c.kind();
    if (kind == QLatin1String("account")) {
        c.need(3);
        addAccount(c.code(1), c[2], c.size() > 3 ? c[3] : QStringLiteral("BS"));
    } else if (kind == QLatin1String("inactive")) {
        c.need(2);
        setAccountActive(c.code(1), false);
    } else if (kind == QLatin1String("customer")) {
        c.need(3);
        if (c.size() > 3)
            addForeignCustomer(c.code(1), c[2], c[3]);
        else
            addLocalCustomer(c.code(1), c[2]);
    } else if (kind == QLatin1String("supplier")) {
        c.need(3);
        if (c.size() > 3)
            addForeignSupplier(c.code(1), c[2], c[3]);
        else
            addLocalSupplier(c.code(1), c[2]);
    } else if (kind == QLatin1String("bank")) {
        c.need(3);
        addBank(c.code(1), c[2]);
    } else if (kind == QLatin1String("shipper")) {
        c.need(2);
        addShipper(c[1]);
    } else if (kind == QLatin1String("employee")) {
        c.need(3);
        addEmployee(c[1], c[2]);
    } else {
        return false;
    }
    return true;
}

} // namespace orv::test
