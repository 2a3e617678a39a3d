#include "clsPurInv.h"

namespace orv {

clsPurInv::clsPurInv() {
    Class_Initialize();
    declareIdBranches(
        {{QStringLiteral("Creditors"), QStringLiteral("SELECT * FROM Creditors WHERE CompanyName = ?"),
          QStringLiteral("CustomerID")},
         employeesBranch()});
    declareDocument({{{QStringLiteral("CustomerID"), DataType::Text, 8},
                      {QStringLiteral("EmployeeID"), DataType::BigInt},
                      {QStringLiteral("inv_no"), DataType::Integer},
                      {QStringLiteral("Date_dt"), DataType::Date}},
                     {{QStringLiteral("ProductID"), DataType::Text, 20},
                      {QStringLiteral("Description"), DataType::Text, 20},
                      {QStringLiteral("Qty_GRN"), DataType::Integer},
                      {QStringLiteral("Qty_Billed"), DataType::Integer},
                      {QStringLiteral("Qty_to_Bill"), DataType::Integer},
                      {QStringLiteral("Unit_Price"), DataType::Currency},
                      {QStringLiteral("GRN_No"), DataType::Integer},
                      {QStringLiteral("PO"), DataType::Text, 10},
                      {QStringLiteral("VAT_code"), DataType::Integer},
                      {QStringLiteral("VAT_rate"), DataType::Currency},
                      {QStringLiteral("Gross"), DataType::Currency},
                      {QStringLiteral("VAT_Total"), DataType::Currency},
                      {QStringLiteral("Nett"), DataType::Currency},
                      {QStringLiteral("Cur_Type"), DataType::Text, 10},
                      {QStringLiteral("Cur_Rate"), DataType::Currency}}},
                    {QStringLiteral("Document_T"),
                     {fromHeader(QStringLiteral("customerid"), QStringLiteral("CustomerID")),
                      fromHeader(QStringLiteral("EmployeeID"), QStringLiteral("EmployeeID")),
                      fromHeader(QStringLiteral("inv_no"), QStringLiteral("inv_no"))},
                     QStringLiteral("Purchases_T"),
                     {fromSaved(QStringLiteral("customerid"), QStringLiteral("customerid")),
                      fromLine(QStringLiteral("Pdt_ID_VC"), QStringLiteral("ProductID")),
                      fromLine(QStringLiteral("Descrip_VC"), QStringLiteral("Description")),
                      fromLine(QStringLiteral("qty_to_bill"), QStringLiteral("Qty_to_Bill")),
                      fromLine(QStringLiteral("unit_price"), QStringLiteral("Unit_Price")),
                      fromLine(QStringLiteral("do_no"), QStringLiteral("GRN_No")),
                      fromSaved(QStringLiteral("inv_no"), QStringLiteral("inv_no")),
                      fixed(QStringLiteral("doc_type"), Variant(QStringLiteral("GRN"))),
                      fromHeader(QStringLiteral("date_dt"), QStringLiteral("Date_dt")),
                      fromLine(QStringLiteral("PO"), QStringLiteral("PO")),
                      fromLine(QStringLiteral("Cur_Type"), QStringLiteral("Cur_Type")),
                      fromLine(QStringLiteral("cur_rate"), QStringLiteral("Cur_Rate")),
                      fromLine(QStringLiteral("vat_code"), QStringLiteral("VAT_code")),
                      // The line's fraction as the percentage the table keeps: 0.07 as 7.
                      scaledLine(QStringLiteral("vat_rate"), QStringLiteral("VAT_rate"), 100)},
                     QStringLiteral("DocID")});
}

Recordset clsPurInv::Get_Customer_Details(const QString& name) {
    return read(QStringLiteral("SELECT * FROM Creditors WHERE CompanyName = ?"), {Variant(name)});
}

Recordset clsPurInv::Get_Customer_Order(const QString& name) {
    return read(QStringLiteral("EXEC select_creditor_order ?"), {Variant(name)});
}

} // namespace orv
