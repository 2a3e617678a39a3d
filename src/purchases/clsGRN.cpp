#include "clsGRN.h"

namespace orv {

clsGRN::clsGRN() {
    Class_Initialize();
    // The note's own spelling of the suppliers' table; any other name finds
    // nothing.
    declareIdBranches(
        {{QStringLiteral("creditors"), QStringLiteral("SELECT * FROM creditors WHERE CompanyName = '"),
          QStringLiteral("'"), QStringLiteral("CustomerID")},
         employeesBranch()});
}

Recordset clsGRN::Get_Products() {
    return read(QStringLiteral("execute select_stock_bal_display"));
}

Recordset clsGRN::Get_Customer_Details(const QString& name) {
    return read(QStringLiteral("SELECT * FROM creditors WHERE CompanyName = '") + sqlQuote(name) +
                QStringLiteral("'"));
}

QString clsGRN::Send_Order(const Recordset& header, Recordset lines) {
    return write(kFailureText, [&] {
        Recordset document = openTable(QStringLiteral("Document_T"));
        Recordset stock = openTable(QStringLiteral("Temp_Stock_T"));

        document.addNew();
        document.setValue(QStringLiteral("customerid"), header.value(QStringLiteral("CustomerID")));
        document.setValue(QStringLiteral("EmployeeID"), header.value(QStringLiteral("EmployeeID")));
        document.update();
        const QString postingNo = document.value(QStringLiteral("DocID")).toString();
        const Variant supplier = document.value(QStringLiteral("customerid"));

        if (lines.recordCount() > 0) {
            for (lines.moveFirst(); !lines.eof(); lines.moveNext()) {
                const auto line = [&lines](const char* field) {
                    return lines.value(QString::fromLatin1(field));
                };
                stock.addNew();
                stock.setValue(QStringLiteral("Doc_No_VC"), postingNo);
                stock.setValue(QStringLiteral("date_dt"), line("Date"));
                stock.setValue(QStringLiteral("Pdt_ID_VC"), line("Product_No"));
                stock.setValue(QStringLiteral("qty_nu"), line("Qty_Order"));
                stock.setValue(QStringLiteral("Descrip_VC"), line("Description"));
                stock.setValue(QStringLiteral("doc_type"), line("Doc_Type"));
                stock.setValue(QStringLiteral("Unit_Price_TI"), line("Unit_Price_TI"));
                stock.setValue(QStringLiteral("Order_Type"), line("Order_Type"));
                stock.setValue(QStringLiteral("Order_No"), postingNo);
                stock.setValue(QStringLiteral("customerid"), supplier);
                stock.setValue(QStringLiteral("PO"), header.value(QStringLiteral("PO")));
                stock.setValue(QStringLiteral("Cur_Type"), header.value(QStringLiteral("Cur_Type")));
                stock.setValue(QStringLiteral("cur_rate"), header.value(QStringLiteral("Cur_Rate")));
                stock.setValue(QStringLiteral("vat_code"), line("vat_code"));
                stock.setValue(QStringLiteral("vat_rate"), line("vat_rate"));
                stock.update();
            }
        }
        return postingNo;
    });
}

} // namespace orv
