#include "clsStk_Adj.h"

namespace orv {

clsStk_Adj::clsStk_Adj() {
    Class_Initialize();
    declareIdBranches({employeesBranch()});
}

Recordset clsStk_Adj::Get_Customer_Details(const QString& id) {
    return read(QStringLiteral("SELECT * FROM Product_AccountSet_T WHERE Acctset_ID = '") + sqlQuote(id) +
                QStringLiteral("'"));
}

Recordset clsStk_Adj::Get_Customer_Order(const QString& id) {
    return read(QStringLiteral("EXEC stock_balance_adjustment '") + sqlQuote(id) + QStringLiteral("'"));
}

QString clsStk_Adj::Send_Order(const Recordset& header, Recordset lines) {
    return write(kFailureText, [&] {
        Recordset document = openTable(QStringLiteral("Document_T"));
        Recordset adjustment = openTable(QStringLiteral("Stock_Adj_T"));

        document.addNew();
        document.setValue(QStringLiteral("EmployeeID"), header.value(QStringLiteral("EmployeeID")));
        document.setValue(QStringLiteral("date_dt"), header.value(QStringLiteral("Date")));
        document.update();
        const QString journalNo = document.value(QStringLiteral("DocID")).toString();
        const Variant postingDate = document.value(QStringLiteral("date_dt"));

        if (lines.recordCount() > 0) {
            for (lines.moveFirst(); !lines.eof(); lines.moveNext()) {
                const auto line = [&lines](const char* field) {
                    return lines.value(QString::fromLatin1(field));
                };
                adjustment.addNew();
                adjustment.setValue(QStringLiteral("DocID"), journalNo);
                adjustment.setValue(QStringLiteral("Doc_ID"), line("Doc_ID"));
                adjustment.setValue(QStringLiteral("Pdt_ID_VC"), line("Pdt_ID_VC"));
                adjustment.setValue(QStringLiteral("qty_nu"), line("Qty_NU"));
                adjustment.setValue(QStringLiteral("Unit_Price_TI"), line("Unit_Price_TI"));
                adjustment.setValue(QStringLiteral("Descrip_VC"), line("Description"));
                adjustment.setValue(QStringLiteral("date_dt"), postingDate);
                adjustment.setValue(QStringLiteral("GL_ID"), line("GL_ID"));
                adjustment.setValue(QStringLiteral("Stock_IN"), header.value(QStringLiteral("stock_in")));
                adjustment.setValue(QStringLiteral("doc_type"), QStringLiteral("ADJ"));
                adjustment.update();
            }
        }
        return journalNo;
    });
}

} // namespace orv
