// The inventory helpers of MasterBook, sent as the inventory set-up window
// sends them.
#include "MasterBook.h"

#include "inventory/IVRecords.h"
#include "inventory/clsIVSetup.h"

#include <stdexcept>

namespace orv::test {

namespace {

Recordset record(const std::vector<FieldDef>& fields, const std::vector<QString>& texts) {
    Recordset r = buildRecord(fields, true);
    for (size_t i = 0; i < fields.size(); ++i)
        assignText(r, fields[i].name, texts[i]);
    return r;
}

void expectSent(const clsIVSetup& data, const QString& sentence, const QString& failure) {
    if (sentence == failure)
        throw std::runtime_error((failure + QStringLiteral(": ") + data.lastFailureReason()).toStdString());
}

} // namespace

void MasterBook::addCategory(const QString& code, const QString& name, int sales, int cos) {
    clsIVSetup data;
    expectSent(data,
               data.Send_Stock(record(categoryRecordFields(),
                                      {code, name, QString::number(sales), QString::number(cos)})),
               clsIVSetup::kStockCreateFailed);
}

void MasterBook::addAccountSet(const QString& name, int stock, int payable, int shipment,
                               const QString& method) {
    clsIVSetup data;
    expectSent(data,
               data.Send_Acctset(
                   record(accountSetRecordFields(), {name, method, QString::number(stock),
                                                     QString::number(payable), QString::number(shipment)})),
               clsIVSetup::kAcctsetCreateFailed);
}

void MasterBook::addItem(const QString& code, const QString& name, const QString& category,
                         const QString& accountSet, int vatCode) {
    clsIVSetup data;
    expectSent(data,
               data.Send_Item(record(itemRecordFields(), {code, name, name + QStringLiteral(" (each)"),
                                                          category, QString::number(vatCode), accountSet})),
               clsIVSetup::kItemCreateFailed);
}

} // namespace orv::test
