#include "GlBook.h"

#include "db/CompanyDatabase.h"
#include "db/ProcedureCatalog.h"
#include "values/Recordset.h"

namespace orv::test {

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
    TestBook::expectBooksSound();
}

} // namespace orv::test
