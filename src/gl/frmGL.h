#pragma once

#include "ui/Window.h"

#include <functional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orv {

namespace reports {
class ReportLayout;
}

// "GL Reports": previews the six general-ledger reports for one reporting
// year (the trial balance, the two balance sheets, the profit and loss, the
// monthly profit and loss) and the transaction listing of a range of
// accounts. Each button runs one command of DE_GL_Report and shows its
// layout; REFRESH empties the three boxes.
class frmGL : public Window {
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

    void Command1_Click(); // Print TB
    void Command2_Click(); // Print BS
    void Command9_Click(); // Print BS, without account codes
    void Command3_Click(); // Print PL
    void Command4_Click(); // Print 12mth YTD
    void Command6_Click(); // Print GL Listing
    void Command8_Click(); // REFRESH

private:
    using LayoutOf = const reports::ReportLayout& (*)();
    // A report over the reporting year alone.
    void printForYear(const QString& command, bool tint, LayoutOf layout);
    // A row of a frame: the report's label at left, its button at right.
    void addReportRow(QGroupBox* frame, QLabel*& label, const QString& labelName, const QString& caption,
                      QPushButton*& button, const QString& buttonName, const QString& buttonCaption);
    void layOut();

    QGroupBox* Frame2;
    QGroupBox* Frame1;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label14;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label9;
    QLabel* Label10;
    QLabel* Label11;
    QLabel* Label13;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command9;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command6;
    QPushButton* Command8;
    QLineEdit* txtAcctCode;
    QLineEdit* txtAcctCode2;
    QLineEdit* txtYear;
};

} // namespace orv
