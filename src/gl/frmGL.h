#pragma once

#include "ui/ReportWindow.h"

namespace orv {

// "GL Reports": previews the six general-ledger reports for one reporting
// year (the trial balance, the two balance sheets, the profit and loss, the
// monthly profit and loss) and the transaction listing of a range of
// accounts. Each button runs one command of DE_GL_Report and shows its
// layout; REFRESH empties the three boxes.
class frmGL : public ReportWindow {
    Q_OBJECT
public:
    static inline const QString kSpecifyYear = QStringLiteral("Specify a Year");
    static inline const QString kSpecifyStartCode = QStringLiteral("Specify starting GL Code");
    static inline const QString kSpecifyEndCode = QStringLiteral("Specify Ending GL Code");
    // How the messages name the boxes when their text is not a number in range.
    static inline const QString kYearBoxName = QStringLiteral("The reporting year");
    static inline const QString kStartCodeBoxName = QStringLiteral("The starting GL code");
    static inline const QString kEndCodeBoxName = QStringLiteral("The ending GL code");

    explicit frmGL(QWidget* parent = nullptr);

private:
    void Command8_Click(); // REFRESH
};

} // namespace orv
