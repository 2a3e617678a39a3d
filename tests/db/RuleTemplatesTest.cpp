// Rule files written once: a template's twins and a part used by several
// triggers come out as the rule files the book is built from.
#include "db/SchemaBuilder.h"
#include "values/DataError.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

using namespace orv;
using db::SchemaBuilder;

namespace {

struct Folder {
    QTemporaryDir dir;
    void write(const QString& name, const char* text) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    std::map<QString, QString> files() const {
        std::map<QString, QString> out;
        for (const auto& file : SchemaBuilder::filesOf(dir.path()))
            out[file.name] = file.text;
        return out;
    }
};

const char* const kPart = "-- What every request checks first.\n"
                          "--   Masters  the master table\n"
                          "SELECT db_fail('${Requests}: no ${missing}')\n"
                          "  WHERE NOT EXISTS (SELECT 1 FROM ${Masters});\n\n";

} // namespace

TEST(RuleTemplatesTest, TwinsAndPartsAreWrittenOutAsTheRuleFilesOfTheBook) {
    Folder folder;
    folder.write(QStringLiteral("Request_Rules.sqlt"), kPart);
    folder.write(QStringLiteral("Temp_Bank.sql"), "BEGIN\n"
                                                  "  -- @use Request_Rules\n"
                                                  "  --   ${Masters} = Bank_T\n"
                                                  "  --   ${missing} = bank\n"
                                                  "  SELECT 1;\n"
                                                  "END;\n");
    folder.write(QStringLiteral("Parties.sqlt"), "-- @twin Temp_Customers\n"
                                                 "--   ${Parties} = Customers\n"
                                                 "-- @twin Temp_Suppliers\n"
                                                 "--   ${Parties} = Creditors\n"
                                                 "BEGIN\n"
                                                 "  -- @use Request_Rules\n"
                                                 "  --   ${Masters} = ${Parties}\n"
                                                 "  --   ${missing} = party\n"
                                                 "END;\n");
    const auto files = folder.files();
    // The part makes no file of its own.
    ASSERT_EQ(files.size(), 3U);
    EXPECT_EQ(files.at(QStringLiteral("Temp_Bank.sql")),
              QStringLiteral("BEGIN\n"
                             "  SELECT db_fail('Temp_Bank: no bank')\n"
                             "    WHERE NOT EXISTS (SELECT 1 FROM Bank_T);\n"
                             "  SELECT 1;\n"
                             "END;\n"));
    EXPECT_EQ(files.at(QStringLiteral("Temp_Suppliers.sql")),
              QStringLiteral("BEGIN\n"
                             "  SELECT db_fail('Temp_Suppliers: no party')\n"
                             "    WHERE NOT EXISTS (SELECT 1 FROM Creditors);\n"
                             "END;\n"));
    EXPECT_TRUE(files.at(QStringLiteral("Temp_Customers.sql")).contains(QLatin1String("FROM Customers)")));
}

TEST(RuleTemplatesTest, AWordNobodyGivesOrAMissingPartStopsTheBuild) {
    const struct {
        const char* file;
        const char* text;
    } refused[] = {
        {"Banks.sqlt", "-- @twin Temp_Bank\n--   ${Masters} = Bank_T\nSELECT ${Masters}, ${Other};\n"},
        {"Temp_Bank.sql", "-- @use Request_Rules\n--   ${Masters} = Bank_T\n"},
        {"Temp_Bank.sql", "-- @use No_Such_Rules\n"},
    };
    for (const auto& [file, text] : refused) {
        SCOPED_TRACE(text);
        Folder folder;
        folder.write(QStringLiteral("Request_Rules.sqlt"), kPart);
        folder.write(QString::fromLatin1(file), text);
        EXPECT_THROW(folder.files(), DataError);
    }
}
