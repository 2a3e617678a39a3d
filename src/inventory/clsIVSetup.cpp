#include "clsIVSetup.h"

namespace orv {

namespace {

const QString kCreated = QStringLiteral(" created under : ");
const QString kUpdated = QStringLiteral(" have been updated");
const QString kDeleted = QStringLiteral(" would be Deleted if there is no transaction history");

// The fixed text before and after the key of each kind of request.
std::pair<QString, QString> sentence(const QString& type, const QString& created) {
    if (type == QLatin1String("C"))
        return {created + kCreated, QString()};
    return {QString(), type == QLatin1String("U") ? kUpdated : kDeleted};
}

} // namespace

clsIVSetup::clsIVSetup() {
    Class_Initialize();
}

Recordset clsIVSetup::Get_Stock_Details(const QString& Category_Name_VC) {
    return read(QStringLiteral("EXEC  select_iv_setup  '") + sqlQuote(Category_Name_VC) +
                QStringLiteral("'"));
}

Recordset clsIVSetup::Get_AcctSet_Details(const QString& Pdt_Acctset_VC) {
    return read(QStringLiteral("EXEC  select_acctset_setup  '") + sqlQuote(Pdt_Acctset_VC) +
                QStringLiteral("'"));
}

Recordset clsIVSetup::Get_Item_Details(const QString& Pdt_ID_VC) {
    return read(QStringLiteral("EXEC  select_item_setup   '") + sqlQuote(Pdt_ID_VC) + QStringLiteral("'"));
}

QString clsIVSetup::category(const Recordset& record, const QString& type, const QString& failure) {
    const auto [before, after] = sentence(type, QStringLiteral("Product Category code"));
    return stagingRequest(record,
                          sameNames({QStringLiteral("Pdt_Category_VC"), QStringLiteral("Category_Name_VC"),
                                     QStringLiteral("Sales_IN"), QStringLiteral("COS_IN")}),
                          {QStringLiteral("Temp_Product_Category_T"), type, failure, before,
                           QStringLiteral("Category_Name_VC"), after});
}

QString clsIVSetup::accountSet(const Recordset& record, const QString& type, const QString& failure) {
    const auto [before, after] = sentence(type, QStringLiteral("Product Account code"));
    return stagingRequest(
        record,
        sameNames({QStringLiteral("Pdt_Acctset_VC"), QStringLiteral("cost_method_VC"),
                   QStringLiteral("Stock_IN"), QStringLiteral("payable_IN"), QStringLiteral("shipment_IN")}),
        {QStringLiteral("Temp_Product_Accountset_T"), type, failure, before, QStringLiteral("Pdt_Acctset_VC"),
         after});
}

QString clsIVSetup::item(const Recordset& record, const QString& type, const QString& failure) {
    const auto [before, after] = sentence(type, QStringLiteral("Item code"));
    return stagingRequest(
        record,
        sameNames({QStringLiteral("Pdt_ID_VC"), QStringLiteral("Pdt_Name_VC"),
                   QStringLiteral("Pdt_Descrip_VC"), QStringLiteral("Pdt_Category_VC"),
                   QStringLiteral("vat_code"), QStringLiteral("Pdt_Acctset_VC")}),
        {QStringLiteral("Temp_Product_T"), type, failure, before, QStringLiteral("Pdt_ID_VC"), after});
}

QString clsIVSetup::Send_Stock(const Recordset& rsNewStock) {
    return category(rsNewStock, QStringLiteral("C"), kStockCreateFailed);
}
QString clsIVSetup::Update_Stock(const Recordset& rsNewStock) {
    return category(rsNewStock, QStringLiteral("U"), kStockUpdateFailed);
}
QString clsIVSetup::Delete_Stock(const Recordset& rsNewStock) {
    return category(rsNewStock, QStringLiteral("D"), kStockDeleteFailed);
}

QString clsIVSetup::Send_Acctset(const Recordset& rsNewAcctset) {
    return accountSet(rsNewAcctset, QStringLiteral("C"), kAcctsetCreateFailed);
}
QString clsIVSetup::Update_Acctset(const Recordset& rsNewAcctset) {
    return accountSet(rsNewAcctset, QStringLiteral("U"), kAcctsetUpdateFailed);
}
QString clsIVSetup::Delete_Acctset(const Recordset& rsNewAcctset) {
    return accountSet(rsNewAcctset, QStringLiteral("D"), kAcctsetDeleteFailed);
}

QString clsIVSetup::Send_Item(const Recordset& rsNewItem) {
    return item(rsNewItem, QStringLiteral("C"), kItemCreateFailed);
}
QString clsIVSetup::Update_Item(const Recordset& rsNewItem) {
    return item(rsNewItem, QStringLiteral("U"), kItemUpdateFailed);
}
QString clsIVSetup::Delete_Item(const Recordset& rsNewItem) {
    return item(rsNewItem, QStringLiteral("D"), kItemDeleteFailed);
}

} // namespace orv
