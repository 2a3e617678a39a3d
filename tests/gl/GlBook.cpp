#include "GlBook.h"

#include "values/Recordset.h"
#include "db/CompanyDatabase.h"
#include "db/ProcedureCatalog.h"

namespace orv::test {

Recordset GlBook::journalHeader(qint64 employeeId) {
    Recordset header;
    header.appendField(QStringLiteral("EmployeeID"), DataType::BigInt);
    header.open();
    header.addNew();
    header.setValue(QStringLiteral("EmployeeID"), Variant(static_cast<std::int64_t>(employeeId)));
    return header;
}

Recordset GlBook::journalLines() {
    Recordset lines;
    lines.appendField(QStringLiteral("GL_ID"), DataType::Integer);
    lines.appendField(QStringLiteral("GL_Name"), DataType::Text, 20);
    lines.appendField(QStringLiteral("Amount"), DataType::Currency);
    lines.appendField(QStringLiteral("Descrip"), DataType::Text, 50);
    lines.appendField(QStringLiteral("Date"), DataType::Date);
    lines.appendField(QStringLiteral("Period"), DataType::SmallInt);
    lines.appendField(QStringLiteral("Year"), DataType::SmallInt);
    lines.open();
    return lines;
}

void GlBook::addLine(Recordset& lines, int glId, const QString& amount, const QString& descrip,
                     const QDate& date) {
    lines.addNew();
    lines.setValue(QStringLiteral("GL_ID"), Variant(static_cast<std::int32_t>(glId)));
    lines.setValue(QStringLiteral("Amount"), Variant(amount));
    lines.setValue(QStringLiteral("Descrip"), Variant(descrip));
    lines.setValue(QStringLiteral("Date"), Variant(date));
    lines.setValue(QStringLiteral("Period"), Variant(static_cast<std::int32_t>(date.month())));
    lines.setValue(QStringLiteral("Year"), Variant(static_cast<std::int32_t>(date.year())));
    lines.update();
}

Currency GlBook::ledgerSum(const QString& where) {
    Recordset rs = db::CompanyDatabase::execute(
        QStringLiteral("SELECT COALESCE(SUM(Amount_NU), 0) FROM Ledger_T WHERE ") + where);
    rs.moveFirst();
    return Currency::fromRaw(rs.value(0).toInt64());
}

Currency GlBook::balance(int glId, int year) {
    return ledgerSum(QStringLiteral("GL_ID = %1 AND Year_SI = %2").arg(glId).arg(year));
}

void GlBook::expectBooksSound() {
    EXPECT_EQ(ledgerSum().raw(), 0) << "the ledger does not net to zero";
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM (SELECT 1 FROM Ledger_T GROUP BY Post_Seq, Post_No "
                                    "HAVING SUM(Amount_NU) <> 0 OR COUNT(DISTINCT Year_SI) > 1)")),
              QStringLiteral("0"))
        << "a document does not net to zero or spans years";
    EXPECT_EQ(
        scalar(QStringLiteral(
            "SELECT count(*) FROM (SELECT 1 FROM Ledger_T GROUP BY Year_SI HAVING SUM(Amount_NU) <> 0)")),
        QStringLiteral("0"))
        << "a year's trial balance does not net to zero";
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM (SELECT 1 FROM Journal_T GROUP BY Doc_No_VC "
                                    "HAVING SUM(Amount_NU) <> 0)")),
              QStringLiteral("0"))
        << "a journal does not add up to zero";
    ASSERT_NE(db::ProcedureCatalog::find(QStringLiteral("check_invariants")), nullptr);
    Recordset broken = db::CompanyDatabase::execute(QStringLiteral("check_invariants"));
    for (broken.moveFirst(); !broken.eof(); broken.moveNext())
        ADD_FAILURE() << broken.value(0).toString().toStdString() << ": "
                      << broken.value(1).toString().toStdString();
}

} // namespace orv::test
