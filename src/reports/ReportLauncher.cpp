#include "ReportLauncher.h"

#include "ParameterConversion.h"
#include "ReportPaginator.h"
#include "ReportPreview.h"
#include "db/CompanyDatabase.h"
#include "uicore/UiServices.h"
#include "values/DataError.h"

#include <QWidget>

namespace orv::reports {

namespace {

// While it lives, the statements of the books report to the progress, and
// Cancel stops the one running.
class WatchedRun {
public:
    explicit WatchedRun(Progress& progress) {
        db::CompanyDatabase::watchLongWork([&progress, this] {
            m_cancelled = !progress.advance(0);
            return !m_cancelled;
        });
    }
    ~WatchedRun() { db::CompanyDatabase::watchLongWork({}); }
    WatchedRun(const WatchedRun&) = delete;
    WatchedRun& operator=(const WatchedRun&) = delete;
    bool cancelled() const { return m_cancelled; }

private:
    bool m_cancelled = false;
};

QString preparingText(const ReportLayout& layout) {
    return QStringLiteral("Preparing %1...").arg(layout.caption());
}

} // namespace

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
        const ReportLayout& layout = button.layout();
        // The busy pointer from the procedure's run on, and the dialog with
        // Cancel once it has run half a second, through to the preview.
        const std::unique_ptr<Progress> progress =
            UiServices::current().beginProgress(nullptr, preparingText(layout), 0);
        {
            WatchedRun run(*progress);
            try {
                source.run(button.command, values);
            } catch (const std::exception&) {
                if (run.cancelled())
                    return false; // the clerk stopped it: nothing to say
                throw;
            }
            if (run.cancelled())
                return false;
        }
        return showReport(layout, layoutRows(source, layout), progress.get());
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
        // A message names the box by its caption, never by a control's name.
        const QString name = !in.boxName.isEmpty()                           ? in.boxName
                             : in.box && !in.box->accessibleName().isEmpty() ? in.box->accessibleName()
                                                                             : QStringLiteral("This box");
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

bool ReportLauncher::showReport(const ReportLayout& layout, const ShapedRows::Ptr& rows,
                                Progress* following) {
    ReportPaginator::Options options;
    std::unique_ptr<Progress> own;
    Progress* progress = following;
    bool counted = false;
    options.progress = [&](int done, int total) {
        if (!progress) {
            own = UiServices::current().beginProgress(nullptr, preparingText(layout), total);
            progress = own.get();
        } else if (!counted && following) {
            progress->setTotal(total);
        }
        counted = true;
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
