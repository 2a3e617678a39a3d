#include "clsDO_Entry.h"

namespace orv {

Recordset clsDO_Entry::Get_Products() {
    return read(QStringLiteral("execute select_delivery_order_display"));
}

QString clsDO_Entry::Send_Order(const Recordset& header, const Recordset& lines) {
    const DocumentLayout layout{QStringLiteral("Orders"),
                                orderColumns(header),
                                QStringLiteral("Temp_Stock_T"),
                                {fromSaved(QStringLiteral("Doc_No_VC"), QStringLiteral("OrderID")),
                                 fromLine(QStringLiteral("date_dt"), QStringLiteral("Date")),
                                 fromLine(QStringLiteral("Pdt_ID_VC"), QStringLiteral("Product_No")),
                                 fromLine(QStringLiteral("qty_nu"), QStringLiteral("Qty_Order")),
                                 fromLine(QStringLiteral("Descrip_VC"), QStringLiteral("Description")),
                                 fromLine(QStringLiteral("doc_type"), QStringLiteral("doc_type")),
                                 fromLine(QStringLiteral("Sell_Price"), QStringLiteral("Sell_Price")),
                                 fromLine(QStringLiteral("Order_Type"), QStringLiteral("Order_Type")),
                                 fromSaved(QStringLiteral("Order_No"), QStringLiteral("OrderID")),
                                 fromSaved(QStringLiteral("customerid"), QStringLiteral("customerid")),
                                 fromHeader(QStringLiteral("PO"), QStringLiteral("PO")),
                                 fromLine(QStringLiteral("vat_code"), QStringLiteral("vat_code")),
                                 fromLine(QStringLiteral("vat_rate"), QStringLiteral("vat_rate"))},
                                QStringLiteral("OrderID")};
    return writeDocument(kFailureText, layout, header, lines);
}

} // namespace orv
