#include "JournalDataClass.h"

namespace orv {

JournalDataClass::JournalDataClass() {
    Class_Initialize();
    declareIdBranches({employeesBranch()});
}

QString JournalDataClass::writeJournal(const Recordset& header, Recordset lines, bool closing) {
    return write(kFailureText, [&] {
        // The marker goes in before the header: the line guards and the
        // commit checks read it for the whole document.
        if (closing)
            m_connection.execute(QStringLiteral("INSERT INTO Closing_Ctx_T VALUES (1)"));
        Recordset document = openTable(QStringLiteral("Document_T"));
        Recordset journal = openTable(QStringLiteral("Journal_T"));

        document.addNew();
        document.setValue(QStringLiteral("EmployeeID"), header.value(QStringLiteral("EmployeeID")));
        document.update();
        const QString postingNo = document.value(QStringLiteral("DocID")).toString();

        if (lines.recordCount() > 0) {
            lines.moveFirst();
            while (!lines.eof()) {
                journal.addNew();
                journal.setValue(QStringLiteral("Doc_No_VC"), postingNo);
                journal.setValue(QStringLiteral("GL_ID"), lines.value(QStringLiteral("GL_ID")));
                journal.setValue(QStringLiteral("Amount_NU"), lines.value(QStringLiteral("Amount")));
                journal.setValue(QStringLiteral("Descrip_VC"), lines.value(QStringLiteral("Descrip")));
                journal.setValue(QStringLiteral("date_dt"), lines.value(QStringLiteral("Date")));
                journal.setValue(QStringLiteral("Period_TI"), lines.value(QStringLiteral("Period")));
                journal.setValue(QStringLiteral("Year_SI"), lines.value(QStringLiteral("Year")));
                journal.update();
                lines.moveNext();
            }
        }
        return postingNo;
    });
}

} // namespace orv
