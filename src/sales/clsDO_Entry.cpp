#include "clsDO_Entry.h"

namespace orv {

clsDO_Entry::clsDO_Entry() {
    declareDocument({orderFields({{QStringLiteral("PO"), DataType::Text, 10}}),
                     {{QStringLiteral("Date"), DataType::Date},
                      {QStringLiteral("Product_No"), DataType::Text, 20},
                      {QStringLiteral("Qty_Bal"), DataType::Integer},
                      {QStringLiteral("Qty_Order"), DataType::Integer},
                      {QStringLiteral("Description"), DataType::Text, 30},
                      {QStringLiteral("Doc_Type"), DataType::Text, 5},
                      {QStringLiteral("Sell_Price"), DataType::Currency},
                      {QStringLiteral("Order_Type"), DataType::Text, 4},
                      {QStringLiteral("vat_code"), DataType::Integer},
                      {QStringLiteral("vat_rate"), DataType::Currency},
                      {QStringLiteral("ExtendedPrice"), DataType::Currency}}},
                    {QStringLiteral("Orders"),
                     orderColumns(),
                     QStringLiteral("Temp_Stock_T"),
                     {fromSaved(QStringLiteral("Doc_No_VC"), QStringLiteral("OrderID")),
                      fromLine(QStringLiteral("date_dt"), QStringLiteral("Date")),
                      fromLine(QStringLiteral("Pdt_ID_VC"), QStringLiteral("Product_No")),
                      fromLine(QStringLiteral("qty_nu"), QStringLiteral("Qty_Order")),
                      fromLine(QStringLiteral("Descrip_VC"), QStringLiteral("Description")),
                      fromLine(QStringLiteral("doc_type"), QStringLiteral("Doc_Type")),
                      fromLine(QStringLiteral("Sell_Price"), QStringLiteral("Sell_Price")),
                      fromLine(QStringLiteral("Order_Type"), QStringLiteral("Order_Type")),
                      fromSaved(QStringLiteral("Order_No"), QStringLiteral("OrderID")),
                      fromSaved(QStringLiteral("customerid"), QStringLiteral("customerid")),
                      fromHeader(QStringLiteral("PO"), QStringLiteral("PO")),
                      fromLine(QStringLiteral("vat_code"), QStringLiteral("vat_code")),
                      fromLine(QStringLiteral("vat_rate"), QStringLiteral("vat_rate"))},
                     QStringLiteral("OrderID")});
}

Recordset clsDO_Entry::Get_Products() {
    return read(QStringLiteral("execute select_delivery_order_display"));
}

} // namespace orv
