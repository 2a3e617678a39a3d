#include "ReportDataSource.h"

#include "ReportMemory.h"
#include "ShapeGrouper.h"
#include "data/Connection.h"
#include "values/DataError.h"

namespace orv::reports {

ReportDataSource::ReportDataSource(const QString& name, const QString& connectionName,
                                   const QString& connectionString)
    : m_name(name), m_connectionName(connectionName), m_connectionString(connectionString) {}

void ReportDataSource::addCommand(ReportCommand command) {
    if (command.isGrouped() && m_connectionString != kShapeReportConnection)
        throw DataError(
            QStringLiteral("The grouped command %1 needs the connection with grouping.").arg(command.name()));
    const QString key = command.name().toLower();
    ReportResultSet result(command.resultSetName());
    m_commands.erase(key);
    m_commands.emplace(key, Entry{std::move(command), std::move(result)});
}

bool ReportDataSource::hasCommand(const QString& name) const {
    return m_commands.count(name.toLower()) != 0;
}

ReportDataSource::Entry& ReportDataSource::entry(const QString& commandName) {
    auto it = m_commands.find(commandName.toLower());
    if (it == m_commands.end())
        throw DataError(
            QStringLiteral("The report data source %1 has no command %2.").arg(m_name, commandName));
    return it->second;
}

const ReportCommand& ReportDataSource::command(const QString& name) const {
    return const_cast<ReportDataSource*>(this)->entry(name).command;
}

ReportResultSet& ReportDataSource::resultSet(const QString& commandName) {
    return entry(commandName).result;
}

void ReportDataSource::run(const QString& commandName, const std::vector<Variant>& inputs) {
    Entry& e = entry(commandName);
    const ReportCommand& cmd = e.command;
    if (inputs.size() != cmd.inputs().size())
        throw DataError(QStringLiteral("The command %1 takes %2 inputs, not %3.")
                            .arg(cmd.name())
                            .arg(cmd.inputs().size())
                            .arg(inputs.size()));
    keepReportMemoryInHeap(); // the rows of the result closed before are used again
    ShapedRows::Ptr rows = ShapedRows::fromRecordset(m_runner(m_connectionString, cmd.callText(), inputs));
    if (cmd.isGrouped())
        rows = ShapeGrouper::group(cmd.shape(), rows);
    e.result.open(std::move(rows));
}

Recordset ReportDataSource::runOnDatabase(const QString& connectionString, const QString& callText,
                                          const std::vector<Variant>& inputs) {
    Connection con(connectionString);
    con.setCursorLocation(CursorLocation::Client);
    con.open();
    Recordset rs = con.execute(callText, inputs);
    con.close();
    return rs;
}

} // namespace orv::reports
