#include "clsIVSetup.h"

namespace orv {

// One master table of the window: its staging twin, the columns every request
// carries (a delete too), the column the sentence names and a create's text.
struct clsIVSetup::Master {
    QString table;
    QStringList columns;
    QString key;
    QString created;
};

clsIVSetup::clsIVSetup() {
    Class_Initialize();
}

Recordset clsIVSetup::Get_Stock_Details(const QString& Category_Name_VC) {
    return read(QStringLiteral("EXEC  select_iv_setup  ?"), {Variant(Category_Name_VC)});
}

Recordset clsIVSetup::Get_AcctSet_Details(const QString& Pdt_Acctset_VC) {
    return read(QStringLiteral("EXEC  select_acctset_setup  ?"), {Variant(Pdt_Acctset_VC)});
}

Recordset clsIVSetup::Get_Item_Details(const QString& Pdt_ID_VC) {
    return read(QStringLiteral("EXEC  select_item_setup   ?"), {Variant(Pdt_ID_VC)});
}

QString clsIVSetup::request(const Recordset& record, const Master& master, const char* type,
                            const QString& failure) {
    return stagingRequest(
        record, sameNames(master.columns),
        usualKind(master.table, QString::fromLatin1(type), failure, master.key, master.created));
}

namespace {

using Master = clsIVSetup::Master;

// The category's sentences name it by its name, never by its code.
const Master& category() {
    static const Master master{QStringLiteral("Temp_Product_Category_T"),
                               {QStringLiteral("Pdt_Category_VC"), QStringLiteral("Category_Name_VC"),
                                QStringLiteral("Sales_IN"), QStringLiteral("COS_IN")},
                               QStringLiteral("Category_Name_VC"),
                               QStringLiteral("Product Category code created under : ")};
    return master;
}

// Never Acctset_ID, which the database gives.
const Master& accountSet() {
    static const Master master{QStringLiteral("Temp_Product_Accountset_T"),
                               {QStringLiteral("Pdt_Acctset_VC"), QStringLiteral("cost_method_VC"),
                                QStringLiteral("Stock_IN"), QStringLiteral("payable_IN"),
                                QStringLiteral("shipment_IN")},
                               QStringLiteral("Pdt_Acctset_VC"),
                               QStringLiteral("Product Account code created under : ")};
    return master;
}

const Master& item() {
    static const Master master{QStringLiteral("Temp_Product_T"),
                               {QStringLiteral("Pdt_ID_VC"), QStringLiteral("Pdt_Name_VC"),
                                QStringLiteral("Pdt_Descrip_VC"), QStringLiteral("Pdt_Category_VC"),
                                QStringLiteral("vat_code"), QStringLiteral("Pdt_Acctset_VC")},
                               QStringLiteral("Pdt_ID_VC"),
                               QStringLiteral("Item code created under : ")};
    return master;
}

} // namespace

// clang-format off
QString clsIVSetup::Send_Stock(const Recordset& r) { return request(r, category(), "C", kStockFailed.create); }
QString clsIVSetup::Update_Stock(const Recordset& r) { return request(r, category(), "U", kStockFailed.update); }
QString clsIVSetup::Delete_Stock(const Recordset& r) { return request(r, category(), "D", kStockFailed.remove); }
QString clsIVSetup::Send_Acctset(const Recordset& r) { return request(r, accountSet(), "C", kAcctsetFailed.create); }
QString clsIVSetup::Update_Acctset(const Recordset& r) { return request(r, accountSet(), "U", kAcctsetFailed.update); }
QString clsIVSetup::Delete_Acctset(const Recordset& r) { return request(r, accountSet(), "D", kAcctsetFailed.remove); }
QString clsIVSetup::Send_Item(const Recordset& r) { return request(r, item(), "C", kItemFailed.create); }
QString clsIVSetup::Update_Item(const Recordset& r) { return request(r, item(), "U", kItemFailed.update); }
QString clsIVSetup::Delete_Item(const Recordset& r) { return request(r, item(), "D", kItemFailed.remove); }
// clang-format on

} // namespace orv
