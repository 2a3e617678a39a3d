#pragma once

#include "ReportParameter.h"
#include "ShapeStatement.h"

#include <QString>
#include <optional>
#include <vector>

namespace orv::reports {

// A command of a report data source: one stored procedure with its typed
// inputs, run plain or through a grouping statement. The return value
// parameter is named as each report gives it and is never read.
class ReportCommand {
public:
    // A plain command. The call text is built from the procedure's name and
    // the number of inputs.
    ReportCommand(const QString& name, const QString& procedure, const QString& returnValueName,
                  std::vector<ReportParameter> inputs);
    // A grouped command: `shapeText` is its grouping statement, sent as
    // written; it is parsed here so a malformed statement fails at once.
    ReportCommand(const QString& name, const QString& procedure, const QString& returnValueName,
                  std::vector<ReportParameter> inputs, const QString& shapeText);

    const QString& name() const { return m_name; }
    const QString& procedure() const { return m_procedure; }
    const QString& returnValueName() const { return m_returnValue; }
    const std::vector<ReportParameter>& inputs() const { return m_inputs; }

    // "{? = CALL dbo.name( ?, ?) }", or "{? = CALL dbo.name }" without inputs.
    const QString& callText() const { return m_callText; }
    // The grouping statement, or the call for a plain command.
    QString commandText() const { return m_shape ? m_shapeText : m_callText; }
    bool isGrouped() const { return m_shape.has_value(); }
    const ShapeStatement& shape() const { return *m_shape; }
    // The result set's name: "rs" + the command's name.
    QString resultSetName() const { return QStringLiteral("rs") + m_name; }

    static QString buildCallText(const QString& procedure, int inputCount);

private:
    QString m_name;
    QString m_procedure;
    QString m_returnValue;
    std::vector<ReportParameter> m_inputs;
    QString m_callText;
    QString m_shapeText;
    std::optional<ShapeStatement> m_shape;
};

} // namespace orv::reports
