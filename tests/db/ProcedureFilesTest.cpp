// Every procedure file of the program: its header must match its body, since
// SQLite binds an unmatched parameter name silently as NULL and the data layer
// names and types result columns by the header.
#include "db/CompanyDatabase.h"
#include "db/ProcedureCatalog.h"
#include "db/Statement.h"
#include "support/TestBook.h"
#include "values/DataError.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <set>
#include <sqlite3.h>

using namespace orv;

namespace {

struct ProcedureFile {
    QString file;
    db::Procedure procedure;
};

std::vector<ProcedureFile> programProcedures() {
    std::vector<ProcedureFile> out;
    const QDir dir(QStringLiteral(":/db/procedures"));
    for (const QString& name : dir.entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name)) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
        db::Procedure parsed = db::ProcedureCatalog::parse(QString::fromUtf8(f.readAll()));
        // The body as the program runs it, with the parts of its folder.
        const db::Procedure* loaded = db::ProcedureCatalog::find(parsed.name);
        EXPECT_NE(loaded, nullptr) << name.toStdString();
        if (loaded)
            parsed.body = loaded->body;
        out.push_back({name, parsed});
    }
    return out;
}

// The body without comments and string literals, where ":name" is a parameter.
QString codeOnly(const QString& body) {
    static const QRegularExpression noise(QStringLiteral(R"(--[^\n]*|'(?:[^']|'')*')"));
    QString s = body;
    return s.replace(noise, QStringLiteral(" "));
}

class ProcedureFilesTest : public test::TestBook {};

} // namespace

TEST_F(ProcedureFilesTest, FileNamesAndParametersMatchTheirHeaders) {
    static const QRegularExpression paramRe(QStringLiteral(R"(:([A-Za-z_]\w*))"));
    for (const auto& [file, p] : programProcedures()) {
        SCOPED_TRACE(file.toStdString());
        EXPECT_EQ(file, p.name + QStringLiteral(".sql"));
        std::set<QString> declared;
        for (const auto& param : p.params)
            declared.insert(param.name);
        std::set<QString> used;
        auto it = paramRe.globalMatch(codeOnly(p.body));
        while (it.hasNext())
            used.insert(it.next().captured(1));
        for (const QString& u : used)
            EXPECT_TRUE(declared.count(u)) << "undeclared or mis-cased parameter :" << u.toStdString();
        for (const QString& d : declared)
            EXPECT_TRUE(used.count(d)) << "unused parameter " << d.toStdString();
    }
}

TEST_F(ProcedureFilesTest, ResultHeadersNameTheColumnsTheBodySelects) {
    sqlite3* dbh = db::CompanyDatabase::handle();
    for (const auto& [file, p] : programProcedures()) {
        SCOPED_TRACE(file.toStdString());
        ASSERT_EQ(sqlite3_exec(dbh, "SAVEPOINT probe", nullptr, nullptr, nullptr), SQLITE_OK);
        const QByteArray sql = p.body.toUtf8();
        int offset = 0;
        QStringList lastColumns;
        try {
            while (offset < sql.size()) {
                db::Statement st(dbh, sql, offset);
                offset = st.tailOffset();
                if (st.isEmpty())
                    continue;
                lastColumns.clear();
                for (int c = 0; c < st.columnCount(); ++c)
                    lastColumns << st.columnName(c);
                while (st.step()) {
                }
            }
        } catch (const DataError& e) {
            ADD_FAILURE() << "body fails with no arguments: " << e.what();
        }
        sqlite3_exec(dbh, "ROLLBACK TO probe; RELEASE probe", nullptr, nullptr, nullptr);
        QStringList header;
        for (const auto& r : p.results)
            header << r.name;
        EXPECT_EQ(lastColumns.join(QLatin1Char('|')).toStdString(),
                  header.join(QLatin1Char('|')).toStdString());
    }
}
