#include "clsStk_Adj.h"

namespace orv {

clsStk_Adj::clsStk_Adj() {
    Class_Initialize();
    declareIdBranches({employeesBranch()});
    declareDocument({{{QStringLiteral("EmployeeID"), DataType::BigInt},
                      {QStringLiteral("stock_in"), DataType::Integer},
                      {QStringLiteral("Date"), DataType::Date}},
                     {{QStringLiteral("Doc_ID"), DataType::Text},
                      {QStringLiteral("Pdt_ID_VC"), DataType::Text},
                      {QStringLiteral("Qty_NU"), DataType::Integer},
                      {QStringLiteral("Unit_Price_TI"), DataType::Currency},
                      // Shown, never written: as long as an item's name.
                      {QStringLiteral("Pdt_Name_VC"), DataType::Text, 30},
                      {QStringLiteral("Description"), DataType::Text},
                      {QStringLiteral("GL_ID"), DataType::Integer}}},
                    {QStringLiteral("Document_T"),
                     {fromHeader(QStringLiteral("EmployeeID"), QStringLiteral("EmployeeID")),
                      fromHeader(QStringLiteral("date_dt"), QStringLiteral("Date"))},
                     QStringLiteral("Stock_Adj_T"),
                     {fromSaved(QStringLiteral("DocID"), QStringLiteral("DocID")),
                      fromLine(QStringLiteral("Doc_ID"), QStringLiteral("Doc_ID")),
                      fromLine(QStringLiteral("Pdt_ID_VC"), QStringLiteral("Pdt_ID_VC")),
                      fromLine(QStringLiteral("qty_nu"), QStringLiteral("Qty_NU")),
                      fromLine(QStringLiteral("Unit_Price_TI"), QStringLiteral("Unit_Price_TI")),
                      fromLine(QStringLiteral("Descrip_VC"), QStringLiteral("Description")),
                      fromSaved(QStringLiteral("date_dt"), QStringLiteral("date_dt")),
                      fromLine(QStringLiteral("GL_ID"), QStringLiteral("GL_ID")),
                      fromHeader(QStringLiteral("Stock_IN"), QStringLiteral("stock_in")),
                      fixed(QStringLiteral("doc_type"), QStringLiteral("ADJ"))},
                     QStringLiteral("DocID")});
}

Recordset clsStk_Adj::Get_Customer_Details(const QString& id) {
    return read(QStringLiteral("SELECT * FROM Product_AccountSet_T WHERE Acctset_ID = ?"), {Variant(id)});
}

Recordset clsStk_Adj::Get_Customer_Order(const QString& id) {
    return read(QStringLiteral("EXEC stock_balance_adjustment ?"), {Variant(id)});
}

Recordset clsStk_Adj::Get_Customer_Order(const QString& id, const QString& afterItem, int items) {
    return read(QStringLiteral("EXEC stock_balance_adjustment ?, ?, ?"),
                {Variant(id), afterItem.isEmpty() ? Variant::null() : Variant(afterItem), Variant(items)});
}

QDate clsStk_Adj::receivedOn(const QString& docId) {
    const Recordset layer =
        read(QStringLiteral("SELECT date_dt FROM Stock_Layer_T WHERE Layer_Ref = ?"), {Variant(docId)});
    return layer.recordCount() > 0 ? layer.valueAt(0, 0).toDate() : QDate();
}

} // namespace orv
