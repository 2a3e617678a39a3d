#include "ReportLauncher.h"

#include "ParameterConversion.h"
#include "ReportPaginator.h"
#include "ReportPreview.h"
#include "ui/UiServices.h"
#include "values/DataError.h"

#include <QWidget>

namespace orv::reports {

bool ReportLauncher::launch(const ReportButton& button) {
    try {
        ReportDataSource& source = button.dataSource();
        ReportResultSet& result = source.resultSet(button.command);
        if (result.isOpen())
            result.close();
        if (!runChecks(button.checks))
            return false;
        std::vector<Variant> values;
        if (!convertInputs(button, source.command(button.command), &values))
            return false;
        source.run(button.command, values);
        const ReportLayout& layout = button.layout();
        return showReport(layout, layoutRows(source, layout));
    } catch (const std::exception& e) {
        UiServices::current().reportError(e);
        return false;
    }
}

bool ReportLauncher::convertInputs(const ReportButton& button, const ReportCommand& command,
                                   std::vector<Variant>* values) {
    const std::vector<ReportParameter>& params = command.inputs();
    if (button.inputs.size() != params.size())
        throw DataError(QStringLiteral("The button gives %1 inputs; the command %2 takes %3.")
                            .arg(button.inputs.size())
                            .arg(command.name())
                            .arg(params.size()));
    for (size_t i = 0; i < params.size(); ++i) {
        const LauncherInput& in = button.inputs[i];
        if (in.value) {
            values->push_back(in.value());
            continue;
        }
        const QString name =
            !in.boxName.isEmpty() ? in.boxName : (in.box ? in.box->objectName() : params[i].name);
        QString problem;
        std::optional<Variant> v = ParameterConversion::fromBox(in.box, params[i], name, &problem);
        if (!v) {
            refuse(in.box, problem);
            return false;
        }
        values->push_back(*v);
    }
    return true;
}

void ReportLauncher::refuse(QWidget* box, const QString& message) {
    UiServices::current().message(message);
    if (box)
        box->setFocus(Qt::OtherFocusReason);
}

ShapedRows::Ptr ReportLauncher::layoutRows(ReportDataSource& source, const ReportLayout& layout) {
    ShapedRows::Ptr rows = source.resultSet(layout.command()).rows();
    for (const QString& level : layout.childLevels())
        rows = rows->flattenChild(level);
    return rows;
}

bool ReportLauncher::showReport(const ReportLayout& layout, const ShapedRows::Ptr& rows) {
    ReportPaginator::Options options;
    std::unique_ptr<Progress> progress;
    options.progress = [&](int done, int total) {
        if (!progress)
            progress = UiServices::current().beginProgress(
                nullptr, QStringLiteral("Preparing %1...").arg(layout.caption()), total);
        return progress->advance(done);
    };
    try {
        ReportDocument doc = ReportPaginator::layOut(layout, rows, options);
        ReportPreview::present(layout.name(), std::move(doc), layout.previewGeometry());
        return true;
    } catch (const ReportCancelled&) {
        return false; // the clerk stopped it: no preview, nothing to say
    }
}

} // namespace orv::reports
