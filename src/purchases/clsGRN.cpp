#include "clsGRN.h"

namespace orv {

clsGRN::clsGRN() {
    Class_Initialize();
    // The note's own spelling of the suppliers' table; any other name finds
    // nothing.
    declareIdBranches(
        {{QStringLiteral("creditors"), QStringLiteral("SELECT * FROM creditors WHERE CompanyName = ?"),
          QStringLiteral("CustomerID")},
         employeesBranch()});
    declareDocument({{{QStringLiteral("CustomerID"), DataType::Text, 8},
                      {QStringLiteral("EmployeeID"), DataType::BigInt},
                      {QStringLiteral("PO"), DataType::Text},
                      {QStringLiteral("Cur_Type"), DataType::Text},
                      {QStringLiteral("Cur_Rate"), DataType::Currency}},
                     {{QStringLiteral("Date"), DataType::Date},
                      {QStringLiteral("Product_No"), DataType::Text},
                      {QStringLiteral("Qty_Bal"), DataType::Integer},
                      {QStringLiteral("Qty_Order"), DataType::Integer},
                      {QStringLiteral("Description"), DataType::Text},
                      {QStringLiteral("Doc_Type"), DataType::Text},
                      {QStringLiteral("Unit_Price_TI"), DataType::Currency},
                      {QStringLiteral("Order_Type"), DataType::Text},
                      {QStringLiteral("vat_code"), DataType::Integer},
                      {QStringLiteral("vat_rate"), DataType::Currency},
                      {QStringLiteral("ExtendedPrice"), DataType::Currency}}},
                    {QStringLiteral("Document_T"),
                     {fromHeader(QStringLiteral("customerid"), QStringLiteral("CustomerID")),
                      fromHeader(QStringLiteral("EmployeeID"), QStringLiteral("EmployeeID"))},
                     QStringLiteral("Temp_Stock_T"),
                     {fromSaved(QStringLiteral("Doc_No_VC"), QStringLiteral("DocID")),
                      fromLine(QStringLiteral("date_dt"), QStringLiteral("Date")),
                      fromLine(QStringLiteral("Pdt_ID_VC"), QStringLiteral("Product_No")),
                      fromLine(QStringLiteral("qty_nu"), QStringLiteral("Qty_Order")),
                      fromLine(QStringLiteral("Descrip_VC"), QStringLiteral("Description")),
                      fromLine(QStringLiteral("doc_type"), QStringLiteral("Doc_Type")),
                      fromLine(QStringLiteral("Unit_Price_TI"), QStringLiteral("Unit_Price_TI")),
                      fromLine(QStringLiteral("Order_Type"), QStringLiteral("Order_Type")),
                      fromSaved(QStringLiteral("Order_No"), QStringLiteral("DocID")),
                      fromSaved(QStringLiteral("customerid"), QStringLiteral("customerid")),
                      fromHeader(QStringLiteral("PO"), QStringLiteral("PO")),
                      fromHeader(QStringLiteral("Cur_Type"), QStringLiteral("Cur_Type")),
                      fromHeader(QStringLiteral("cur_rate"), QStringLiteral("Cur_Rate")),
                      fromLine(QStringLiteral("vat_code"), QStringLiteral("vat_code")),
                      fromLine(QStringLiteral("vat_rate"), QStringLiteral("vat_rate"))},
                     QStringLiteral("DocID")});
}

Recordset clsGRN::Get_Products() {
    return read(QStringLiteral("execute select_stock_bal_display"));
}

Recordset clsGRN::Get_Customer_Details(const QString& name) {
    return read(QStringLiteral("SELECT * FROM creditors WHERE CompanyName = ?"), {Variant(name)});
}

} // namespace orv
