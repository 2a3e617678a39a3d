#include "clsSale_Entry.h"

namespace orv {

clsSale_Entry::clsSale_Entry() {
    declareDocument({orderFields({{QStringLiteral("credit_term"), DataType::Integer},
                                  {QStringLiteral("credit_limit"), DataType::Integer},
                                  {QStringLiteral("Cur_Type"), DataType::Text, 10},
                                  {QStringLiteral("Cur_Rate"), DataType::Currency}}),
                     {{QStringLiteral("Product_No"), DataType::Text, 20},
                      {QStringLiteral("Description"), DataType::Text, 20},
                      {QStringLiteral("qty_on_order"), DataType::Integer},
                      {QStringLiteral("qty_billed"), DataType::Integer},
                      {QStringLiteral("qty_to_bill"), DataType::Integer},
                      {QStringLiteral("Unit_Price"), DataType::Currency},
                      {QStringLiteral("do_no"), DataType::Integer},
                      {QStringLiteral("PO"), DataType::Text, 10},
                      {QStringLiteral("VAT_code"), DataType::Integer},
                      {QStringLiteral("VAT_rate"), DataType::Currency},
                      {QStringLiteral("Gross"), DataType::Currency},
                      {QStringLiteral("VAT_Total"), DataType::Currency},
                      {QStringLiteral("Nett"), DataType::Currency}}},
                    {QStringLiteral("Orders"),
                     orderColumns(),
                     QStringLiteral("Sales_T"),
                     {fromSaved(QStringLiteral("customerid"), QStringLiteral("customerid")),
                      fromLine(QStringLiteral("Pdt_ID_VC"), QStringLiteral("Product_No")),
                      fromLine(QStringLiteral("Descrip_VC"), QStringLiteral("Description")),
                      fromLine(QStringLiteral("qty_to_bill"), QStringLiteral("qty_to_bill")),
                      fromLine(QStringLiteral("unit_price"), QStringLiteral("Unit_Price")),
                      fromLine(QStringLiteral("do_no"), QStringLiteral("do_no")),
                      fromSaved(QStringLiteral("inv_no"), QStringLiteral("OrderID")),
                      fromHeader(QStringLiteral("Credit_Term"), QStringLiteral("credit_term")),
                      fromHeader(QStringLiteral("Credit_Limit"), QStringLiteral("credit_limit")),
                      fixed(QStringLiteral("doc_type"), Variant(QStringLiteral("DO"))),
                      fromSaved(QStringLiteral("date_dt"), QStringLiteral("RequiredDate")),
                      fromLine(QStringLiteral("PO"), QStringLiteral("PO")),
                      fromHeader(QStringLiteral("Cur_Type"), QStringLiteral("Cur_Type")),
                      fromHeader(QStringLiteral("cur_rate"), QStringLiteral("Cur_Rate")),
                      fromLine(QStringLiteral("vat_code"), QStringLiteral("VAT_code")),
                      // The line's fraction as the percentage the table keeps: 0.175 as 17.5.
                      scaledLine(QStringLiteral("vat_rate"), QStringLiteral("VAT_rate"), 100)},
                     QStringLiteral("OrderID")});
}

Recordset clsSale_Entry::Get_Balance(const QString& name) {
    return read(QStringLiteral("EXEC select_customer_balance ?"), {Variant(name)});
}

Recordset clsSale_Entry::Get_Customer_Order(const QString& name) {
    return read(QStringLiteral("EXEC select_customer_order2 ?"), {Variant(name)});
}

} // namespace orv
