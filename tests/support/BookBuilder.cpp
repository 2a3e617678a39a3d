#include "BookBuilder.h"
#include "PartyStaging.h"
#include "VatStaging.h"

#include "ar/clsARSetup.h"
#include "cash/clsCashSetup.h"
#include "data/DataClass.h"
#include "db/CompanyDatabase.h"
#include "db/SqlFunctions.h"
#include "gl/clsCOASetup.h"
#include "gl/clsGLEntry.h"
#include "inventory/IVRecords.h"
#include "inventory/clsIVSetup.h"
#include "purchases/clsAPSetup.h"
#include "ui/RecordFields.h"
#include "vat/clsVATSetup.h"

#include <QRegularExpression>
#include <stdexcept>

namespace orv::test {

namespace {

// A refused write of the builder: the writer's text and the database's reason.
void expectWritten(const DataClass& writer, const QString& result) {
    if (!writer.lastFailureReason().isEmpty())
        throw std::runtime_error(
            ("the book refused a write of the builder: " + result + ": " +
             QString(writer.lastFailureReason()).replace(QChar(db::kDetailSeparator), QLatin1Char('|')))
                .toStdString());
}

QString firstValue(const QString& query, const std::vector<Variant>& params = {}) {
    Recordset rs = db::CompanyDatabase::execute(query, params);
    if (rs.recordCount() == 0)
        return QString();
    rs.moveFirst();
    return rs.value(0).toString();
}

Recordset record(const std::vector<FieldDef>& fields, const std::vector<QString>& texts) {
    Recordset r = buildRecord(fields, true);
    for (size_t i = 0; i < fields.size(); ++i)
        assignText(r, fields[i].name, texts[i]);
    return r;
}

// A journal whose header names a party. No window writes one yet, so it is
// written here under the data layer's own write protocol (one transaction,
// the work tables emptied, the commit checks before the commit), the way the
// journal window's data class writes its journals.
class PartyJournalWriter : public DataClass {
public:
    PartyJournalWriter() { Class_Initialize(); }

    QString send(qint64 employee, int partyId, const Recordset& source) {
        Recordset lines = source;
        return write(QStringLiteral("journal naming a party refused"), [&] {
            Recordset document = openTable(QStringLiteral("Document_T"));
            Recordset journal = openTable(QStringLiteral("Journal_T"));
            document.addNew();
            document.setValue(QStringLiteral("EmployeeID"), Variant(static_cast<std::int64_t>(employee)));
            document.setValue(QStringLiteral("customerid"), Variant(static_cast<std::int32_t>(partyId)));
            document.update();
            const QString postingNo = document.value(QStringLiteral("DocID")).toString();
            for (lines.moveFirst(); !lines.eof(); lines.moveNext()) {
                journal.addNew();
                journal.setValue(QStringLiteral("Doc_No_VC"), postingNo);
                journal.setValue(QStringLiteral("GL_ID"), lines.value(QStringLiteral("GL_ID")));
                journal.setValue(QStringLiteral("Amount_NU"), lines.value(QStringLiteral("Amount")));
                journal.setValue(QStringLiteral("Descrip_VC"), lines.value(QStringLiteral("Descrip")));
                journal.setValue(QStringLiteral("date_dt"), lines.value(QStringLiteral("Date")));
                journal.setValue(QStringLiteral("Period_TI"), lines.value(QStringLiteral("Period")));
                journal.setValue(QStringLiteral("Year_SI"), lines.value(QStringLiteral("Year")));
                journal.update();
            }
            return postingNo;
        });
    }
};

// An employee as the employee frame sends one: hired 2009-03-01, born 1980-07-21.
Recordset employeeRecord(const QString& last, const QString& first) {
    return record({{QStringLiteral("LastName"), DataType::Text, 20},
                   {QStringLiteral("FirstName"), DataType::Text, 10},
                   {QStringLiteral("BirthDate"), DataType::Date},
                   {QStringLiteral("HireDate"), DataType::Date},
                   {QStringLiteral("Address"), DataType::Text, 60},
                   {QStringLiteral("HomePhone"), DataType::Text, 24}},
                  {last, first, QStringLiteral("1980-07-21"), QStringLiteral("2009-03-01"),
                   QStringLiteral("3 Hill St"), QStringLiteral("61112222")});
}

Recordset shipperRecord(const QString& name) {
    return record({{QStringLiteral("CompanyName"), DataType::Text, 40},
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

void BookBuilder::addAccount(int glId, const QString& name, const QString& type, const QString& category,
                             const QString& subCategory) {
    clsCOASetup data;
    expectWritten(data, data.Send_Order(record(accountFields(), {QString::number(glId), name, type, category,
                                                                 subCategory, QStringLiteral("1")})));
}

void BookBuilder::setAccountActive(int glId, bool active) {
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

qint64 BookBuilder::addEmployee(const QString& last, const QString& first) {
    clsARSetup data;
    expectWritten(data, data.Send_Employee(employeeRecord(last, first)));
    return firstValue(QStringLiteral("SELECT EmployeeID FROM Employees WHERE LastName = ? AND FirstName = ?"),
                      {Variant(last), Variant(first)})
        .toLongLong();
}

void BookBuilder::addLocalCustomer(int glId, const QString& name) {
    clsARSetup data;
    expectWritten(data, data.Send_Order(partyStaging(localParty(glId, name))));
}

void BookBuilder::addForeignCustomer(int glId, const QString& name, const QString& currency) {
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

void BookBuilder::addShipper(const QString& name) {
    clsARSetup data;
    expectWritten(data, data.Send_Ship(shipperRecord(name)));
}

void BookBuilder::deleteCustomer(const QString& name) {
    clsARSetup data;
    expectWritten(data, data.Delete_Order(partyStaging(localParty(0, name))));
}

void BookBuilder::deleteShipper(const QString& name) {
    clsARSetup data;
    expectWritten(data, data.Delete_Ship(shipperRecord(name)));
}

void BookBuilder::deleteEmployee(const QString& last, const QString& first) {
    clsARSetup data;
    expectWritten(data, data.Delete_Employee(employeeRecord(last, first)));
}

void BookBuilder::addLocalSupplier(int glId, const QString& name) {
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

void BookBuilder::addBank(int glId, const QString& name) {
    clsCashSetup data;
    expectWritten(data, data.Send_Order(record({{QStringLiteral("GL_ID"), DataType::Integer},
                                                {QStringLiteral("Bank_name"), DataType::Text, 40},
                                                {QStringLiteral("Bank_Add_VC"), DataType::Text, 60},
                                                {QStringLiteral("Bank_Contact_VC"), DataType::Text, 15}},
                                               {QString::number(glId), name, QStringLiteral("1 Raffles Pl"),
                                                QStringLiteral("63331111")})));
}

void BookBuilder::addVatCode(int code, const QString& name, const QString& rate, int control) {
    clsVATSetup data;
    expectWritten(data, data.Send_Order(vatStaging(vatCode(code, name, rate, control))));
}

void BookBuilder::addCategory(const QString& code, const QString& name, int sales, int cos) {
    clsIVSetup data;
    expectWritten(data, data.Send_Stock(record(categoryRecordFields(),
                                               {code, name, QString::number(sales), QString::number(cos)})));
}

void BookBuilder::addAccountSet(const QString& name, int stock, int payable, int shipment,
                                const QString& method) {
    clsIVSetup data;
    expectWritten(data, data.Send_Acctset(record(accountSetRecordFields(),
                                                 {name, method, QString::number(stock),
                                                  QString::number(payable), QString::number(shipment)})));
}

void BookBuilder::addItem(const QString& code, const QString& name, const QString& category,
                          const QString& accountSet, int vatCode) {
    clsIVSetup data;
    expectWritten(
        data, data.Send_Item(record(itemRecordFields(), {code, name, name + QStringLiteral(" (each)"),
                                                         category, QString::number(vatCode), accountSet})));
}

qint64 BookBuilder::clerk() {
    if (m_clerk == 0)
        m_clerk = addEmployee(QStringLiteral("Lim"), QStringLiteral("Ann"));
    return m_clerk;
}

qint64 BookBuilder::post(const std::vector<Line>& lines, qint64 employee) {
    Recordset records = journalLines();
    for (const Line& l : lines)
        addLine(records, l.glId, l.amount, l.descrip, l.date);
    clsGLEntry journal;
    const QString answer = journal.Send_Order(journalHeader(employee ? employee : clerk()), records);
    expectWritten(journal, answer);
    return answer.toLongLong();
}

qint64 BookBuilder::postJournal(int creditAccount, int partyId, qint64 employee) {
    const QDate date(2010, 6, 15);
    if (partyId == 0)
        return post({{6100, QStringLiteral("100"), QStringLiteral("rent"), date},
                     {creditAccount, QStringLiteral("-100"), QStringLiteral("rent"), date}},
                    employee);
    Recordset lines = journalLines();
    addLine(lines, 6100, QStringLiteral("100"), QStringLiteral("rent"), date);
    addLine(lines, creditAccount, QStringLiteral("-100"), QStringLiteral("rent"), date);
    PartyJournalWriter writer;
    const QString answer = writer.send(employee ? employee : clerk(), partyId, lines);
    expectWritten(writer, answer);
    return answer.toLongLong();
}

Recordset BookBuilder::journalHeader(qint64 employeeId) {
    Recordset header;
    header.appendField(QStringLiteral("EmployeeID"), DataType::BigInt);
    header.open();
    header.addNew();
    header.setValue(QStringLiteral("EmployeeID"), Variant(static_cast<std::int64_t>(employeeId)));
    return header;
}

Recordset BookBuilder::journalLines() {
    Recordset lines;
    lines.appendField(QStringLiteral("GL_ID"), DataType::Integer);
    lines.appendField(QStringLiteral("GL_Name"), DataType::Text, 20);
    lines.appendField(QStringLiteral("Amount"), DataType::Currency);
    lines.appendField(QStringLiteral("Descrip"), DataType::Text, 50);
    lines.appendField(QStringLiteral("Date"), DataType::Date);
    lines.appendField(QStringLiteral("Period"), DataType::SmallInt);
    lines.appendField(QStringLiteral("Year"), DataType::SmallInt);
    lines.open();
    return lines;
}

void BookBuilder::addLine(Recordset& lines, int glId, const QString& amount, const QString& descrip,
                          const QDate& date) {
    lines.addNew();
    lines.setValue(QStringLiteral("GL_ID"), Variant(static_cast<std::int32_t>(glId)));
    lines.setValue(QStringLiteral("Amount"), Variant(amount));
    lines.setValue(QStringLiteral("Descrip"), Variant(descrip));
    lines.setValue(QStringLiteral("Date"), Variant(date));
    lines.setValue(QStringLiteral("Period"), Variant(static_cast<std::int32_t>(date.month())));
    lines.setValue(QStringLiteral("Year"), Variant(static_cast<std::int32_t>(date.year())));
    lines.update();
}

namespace {

[[noreturn]] void unreadable(const QString& line, const char* why) {
    throw std::runtime_error(("book table line \"" + line.trimmed() + "\": " + why).toStdString());
}

int code(const QString& line, const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok)
        unreadable(line, "an account code is not a whole number");
    return value;
}

} // namespace

void BookBuilder::build(const QString& table) {
    static const QRegularExpression columns(QStringLiteral("\\s{2,}"));
    for (const QString& line : table.split(QLatin1Char('\n'))) {
        const QString text = line.trimmed();
        if (text.isEmpty() || text.startsWith(QLatin1Char('#')))
            continue;
        const QStringList c = text.split(columns);
        const QString& kind = c[0];
        const auto need = [&](qsizetype n) {
            if (c.size() < n)
                unreadable(line, "a column is missing");
        };
        if (kind == QLatin1String("account")) {
            need(3);
            addAccount(code(line, c[1]), c[2], c.size() > 3 ? c[3] : QStringLiteral("BS"));
        } else if (kind == QLatin1String("inactive")) {
            need(2);
            setAccountActive(code(line, c[1]), false);
        } else if (kind == QLatin1String("customer")) {
            need(3);
            if (c.size() > 3)
                addForeignCustomer(code(line, c[1]), c[2], c[3]);
            else
                addLocalCustomer(code(line, c[1]), c[2]);
        } else if (kind == QLatin1String("supplier")) {
            need(3);
            addLocalSupplier(code(line, c[1]), c[2]);
        } else if (kind == QLatin1String("bank")) {
            need(3);
            addBank(code(line, c[1]), c[2]);
        } else if (kind == QLatin1String("shipper")) {
            need(2);
            addShipper(c[1]);
        } else if (kind == QLatin1String("employee")) {
            need(3);
            addEmployee(c[1], c[2]);
        } else if (kind == QLatin1String("journal")) {
            need(4);
            const QDate date = QDate::fromString(c[1], Qt::ISODate);
            if (!date.isValid())
                unreadable(line, "the date is not yyyy-mm-dd");
            std::vector<Line> lines;
            for (const QString& leg : c.mid(3).join(QLatin1Char(' ')).split(QLatin1Char('/'))) {
                const QStringList parts = leg.simplified().split(QLatin1Char(' '));
                if (parts.size() != 2)
                    unreadable(line, "a leg is not <code> <amount>");
                lines.push_back({code(line, parts[0]), parts[1], c[2], date});
            }
            post(lines);
        } else {
            unreadable(line, "unknown kind of record");
        }
    }
}

} // namespace orv::test
