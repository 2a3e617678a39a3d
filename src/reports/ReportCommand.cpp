#include "ReportCommand.h"

#include "ShapeParser.h"
#include "values/DataError.h"

namespace orv::reports {

ReportCommand::ReportCommand(const QString& name, const QString& procedure, const QString& returnValueName,
                             std::vector<ReportParameter> inputs)
    : m_name(name), m_procedure(procedure), m_returnValue(returnValueName), m_inputs(std::move(inputs)),
      m_callText(buildCallText(procedure, int(m_inputs.size()))) {}

ReportCommand::ReportCommand(const QString& name, const QString& procedure, const QString& returnValueName,
                             std::vector<ReportParameter> inputs, const QString& shapeText)
    : ReportCommand(name, procedure, returnValueName, std::move(inputs)) {
    m_shapeText = shapeText;
    m_shape = ShapeParser::parse(shapeText);
    const QString inner = m_shape->innermostCall();
    if (inner.simplified().compare(m_callText.simplified(), Qt::CaseInsensitive) != 0)
        throw DataError(QStringLiteral("The grouping statement of %1 calls \"%2\", not \"%3\".")
                            .arg(name, inner, m_callText));
}

QString ReportCommand::buildCallText(const QString& procedure, int inputCount) {
    QString text = QStringLiteral("{? = CALL dbo.") + procedure;
    if (inputCount == 0)
        return text + QStringLiteral(" }");
    QStringList marks;
    for (int i = 0; i < inputCount; ++i)
        marks << QStringLiteral(" ?");
    return text + u'(' + marks.join(u',') + QStringLiteral(") }");
}

} // namespace orv::reports
