#pragma once

#include "reports/ReportDataSource.h"

namespace orv::reports {

// The general-ledger report data source (connection conGL, with grouping):
// one command per report of the "GL Reports" window. Each window has its
// own, made on the first press that needs it.
class DE_GL_Report : public ReportDataSource {
public:
    static inline const QString TB_Bal = QStringLiteral("TB_Bal");
    static inline const QString cmBS = QStringLiteral("cmBS");
    static inline const QString cmdBS_NoCode = QStringLiteral("cmdBS_NoCode");
    static inline const QString cmPL = QStringLiteral("cmPL");
    static inline const QString cm12_YTD = QStringLiteral("cm12_YTD");
    static inline const QString cmGListing_Grouping = QStringLiteral("cmGListing_Grouping");

    DE_GL_Report();
};

} // namespace orv::reports
