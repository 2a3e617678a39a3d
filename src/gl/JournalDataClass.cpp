#include "JournalDataClass.h"

namespace orv {

JournalDataClass::JournalDataClass() {
    Class_Initialize();
    declareIdBranches({employeesBranch()});
    declareDocument({{{QStringLiteral("EmployeeID"), DataType::BigInt}},
                     {{QStringLiteral("GL_ID"), DataType::Integer},
                      // Shown, never written: as long as an account's name.
                      {QStringLiteral("GL_Name"), DataType::Text, 20},
                      {QStringLiteral("Amount"), DataType::Currency},
                      {QStringLiteral("Descrip"), DataType::Text},
                      {QStringLiteral("Date"), DataType::Date},
                      {QStringLiteral("Period"), DataType::SmallInt},
                      {QStringLiteral("Year"), DataType::SmallInt}}},
                    {QStringLiteral("Document_T"),
                     {fromHeader(QStringLiteral("EmployeeID"), QStringLiteral("EmployeeID"))},
                     QStringLiteral("Journal_T"),
                     {fromSaved(QStringLiteral("Doc_No_VC"), QStringLiteral("DocID")),
                      fromLine(QStringLiteral("GL_ID"), QStringLiteral("GL_ID")),
                      fromLine(QStringLiteral("Amount_NU"), QStringLiteral("Amount")),
                      fromLine(QStringLiteral("Descrip_VC"), QStringLiteral("Descrip")),
                      fromLine(QStringLiteral("date_dt"), QStringLiteral("Date")),
                      fromLine(QStringLiteral("Period_TI"), QStringLiteral("Period")),
                      fromLine(QStringLiteral("Year_SI"), QStringLiteral("Year"))},
                     QStringLiteral("DocID")});
}

QString JournalDataClass::writeJournal(const Recordset& header, const Recordset& lines, bool closing) {
    // The closing marker goes in before the header: the line guards and the
    // commit checks read it for the whole document.
    return writeDocument(kFailureText, header, lines, [&] {
        if (closing)
            m_connection.execute(QStringLiteral("INSERT INTO Closing_Ctx_T VALUES (1)"));
    });
}

} // namespace orv
