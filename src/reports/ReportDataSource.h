#pragma once

#include "ReportCommand.h"
#include "ReportResultSet.h"

#include "values/Recordset.h"
#include "values/Variant.h"

#include <QString>
#include <functional>
#include <map>
#include <vector>

namespace orv::reports {

// A named report data source: a connection string and named commands, each
// keeping its last result. A report window creates its own data source on
// the first press that needs it and keeps it while the window is open; the
// data source connects only while it runs a command.
class ReportDataSource {
public:
    // Runs one procedure call with its typed inputs and returns its rows.
    using Runner = std::function<Recordset(const QString& connectionString, const QString& callText,
                                           const std::vector<Variant>& inputs)>;

    ReportDataSource(const QString& name, const QString& connectionName, const QString& connectionString);
    // A window holds its report's own source through this class: it is
    // destroyed whole, with the commands and results the report added.
    virtual ~ReportDataSource() = default;
    ReportDataSource(const ReportDataSource&) = delete;
    ReportDataSource& operator=(const ReportDataSource&) = delete;

    const QString& name() const { return m_name; }
    const QString& connectionName() const { return m_connectionName; }
    const QString& connectionString() const { return m_connectionString; }

    // Grouped commands need the connection string with grouping.
    void addCommand(ReportCommand command);
    bool hasCommand(const QString& name) const;
    const ReportCommand& command(const QString& name) const; // throws DataError when unknown

    // The result set of a command ("rs" + its name), open or closed.
    ReportResultSet& resultSet(const QString& commandName);
    // Runs the command with its inputs in call order and opens its result
    // with the new rows. Closes nothing itself. Throws DataError when the
    // connection, the procedure or the grouping fails; the result then stays
    // as it was.
    void run(const QString& commandName, const std::vector<Variant>& inputs);

    // Replaces the way procedures are run (tests); the default goes through
    // the data layer's Connection.
    void setRunner(Runner runner) { m_runner = std::move(runner); }
    static Recordset runOnDatabase(const QString& connectionString, const QString& callText,
                                   const std::vector<Variant>& inputs);

private:
    struct Entry {
        ReportCommand command;
        ReportResultSet result;
    };
    Entry& entry(const QString& commandName);

    QString m_name;
    QString m_connectionName;
    QString m_connectionString;
    std::map<QString, Entry> m_commands; // by command name, lower case
    Runner m_runner = &ReportDataSource::runOnDatabase;
};

} // namespace orv::reports
