#include "frmGL.h"

#include "reports/ReportLauncher.h"
#include "reports/gl/DE_GL_Report.h"
#include "reports/gl/GlReportLayouts.h"
#include "ui/Controls.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orv {

using reports::DE_GL_Report;
using reports::ReportButton;
using reports::ReportDataSource;
using reports::ReportLauncher;

namespace {

ReportDataSource& glSource() {
    return DE_GL_Report::shared();
}

// The frames' captions are bold MS Sans Serif 8.25 pt; what they hold keeps the window's font.
QFont frameFont(QFont base) {
    base.setFamily(QStringLiteral("MS Sans Serif"));
    base.setPointSizeF(8.25);
    base.setBold(true);
    return base;
}

// The window's own font, set explicitly so that a frame's bold caption font does not reach it.
QFont contentFont(const QFont& base) {
    QFont f(base);
    f.setFamily(base.family());
    f.setPointSizeF(base.pointSizeF());
    f.setBold(false);
    return f;
}

} // namespace

frmGL::frmGL(QWidget* parent)
    : Window(parent), Frame2(makeControl<QGroupBox>(this, QStringLiteral("Frame2"))),
      Frame1(makeControl<QGroupBox>(this, QStringLiteral("Frame1"))) {
    setObjectName(QStringLiteral("frmGL"));
    setWindowTitle(QStringLiteral("GL Reports"));
    layOut();
    onClick(Command1, [this] { Command1_Click(); });
    onClick(Command2, [this] { Command2_Click(); });
    onClick(Command9, [this] { Command9_Click(); });
    onClick(Command3, [this] { Command3_Click(); });
    onClick(Command4, [this] { Command4_Click(); });
    onClick(Command6, [this] { Command6_Click(); });
    onClick(Command8, [this] { Command8_Click(); });
}

void frmGL::addReportRow(QGroupBox* frame, QLabel*& label, const QString& labelName, const QString& caption,
                         QPushButton*& button, const QString& buttonName, const QString& buttonCaption) {
    auto* grid = static_cast<QGridLayout*>(frame->layout());
    const int row = grid->rowCount();
    label = makeControl<QLabel>(frame, labelName);
    label->setText(caption);
    label->setFont(contentFont(font()));
    button = makeControl<QPushButton>(frame, buttonName);
    button->setText(buttonCaption);
    button->setFont(contentFont(font()));
    grid->addWidget(label, row, 0);
    grid->addWidget(button, row, 1);
}

void frmGL::layOut() {
    Frame2->setTitle(QStringLiteral("FINANCIAL REPORTS"));
    Frame2->setFont(frameFont(font()));
    new QGridLayout(Frame2);
    addReportRow(Frame2, Label4, QStringLiteral("Label4"), QStringLiteral("PRINT PREVIEW - TRIAL BALANCE"),
                 Command1, QStringLiteral("Command1"), QStringLiteral("Print TB"));
    addReportRow(Frame2, Label5, QStringLiteral("Label5"),
                 QStringLiteral("PRINT PREVIEW - BALANCE SHEET WITH ACCT CODE"), Command2,
                 QStringLiteral("Command2"), QStringLiteral("Print BS"));
    addReportRow(Frame2, Label14, QStringLiteral("Label14"), QStringLiteral("PRINT PREVIEW - BALANCE SHEET"),
                 Command9, QStringLiteral("Command9"), QStringLiteral("Print BS"));
    addReportRow(Frame2, Label6, QStringLiteral("Label6"), QStringLiteral("PRINT PREVIEW - PROFIT/ (LOSS)"),
                 Command3, QStringLiteral("Command3"), QStringLiteral("Print PL"));
    addReportRow(Frame2, Label7, QStringLiteral("Label7"),
                 QStringLiteral("PRINT PREVIEW - 12 MTHS PROFT/ (LOSS)"), Command4,
                 QStringLiteral("Command4"), QStringLiteral("Print 12mth YTD"));

    Frame1->setTitle(QStringLiteral("TRANSACTION LISTING"));
    Frame1->setFont(frameFont(font()));
    auto* listing = new QGridLayout(Frame1);
    addReportRow(Frame1, Label9, QStringLiteral("Label9"),
                 QStringLiteral("PRINT PREVIEW - TRANSACTION LISTING"), Command6, QStringLiteral("Command6"),
                 QStringLiteral("Print GL Listing"));
    auto* codes = new QHBoxLayout;
    Label10 = makeControl<QLabel>(Frame1, QStringLiteral("Label10"));
    Label10->setText(QStringLiteral("STARTING GL CODE"));
    txtAcctCode = makeControl<QLineEdit>(Frame1, QStringLiteral("txtAcctCode"));
    Label11 = makeControl<QLabel>(Frame1, QStringLiteral("Label11"));
    Label11->setText(QStringLiteral("ENDING GL CODE"));
    txtAcctCode2 = makeControl<QLineEdit>(Frame1, QStringLiteral("txtAcctCode2"));
    for (QWidget* w : {static_cast<QWidget*>(Label10), static_cast<QWidget*>(txtAcctCode),
                       static_cast<QWidget*>(Label11), static_cast<QWidget*>(txtAcctCode2)}) {
        w->setFont(contentFont(font()));
        codes->addWidget(w);
    }
    listing->addLayout(codes, listing->rowCount(), 0, 1, 2);

    Command8 = makeControl<QPushButton>(this, QStringLiteral("Command8"));
    Command8->setText(QStringLiteral("REFRESH"));
    Label13 = makeControl<QLabel>(this, QStringLiteral("Label13"));
    Label13->setText(QStringLiteral("SPECIFY REPORTING YEAR :"));
    txtYear = makeControl<QLineEdit>(this, QStringLiteral("txtYear"));
    txtYear->setText(QStringLiteral("2010"));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Command8);
    bottom->addStretch(1);
    bottom->addWidget(Label13);
    bottom->addWidget(txtYear);

    auto* page = new QVBoxLayout(this);
    page->addWidget(Frame2);
    page->addWidget(Frame1);
    page->addLayout(bottom);
}

void frmGL::printForYear(const QString& command, bool tint, LayoutOf layout) {
    ReportButton button;
    button.dataSource = &glSource;
    button.command = command;
    button.checks = {{txtYear, kSpecifyYear, tint}};
    button.inputs = {{txtYear, kYearBoxName, {}}};
    button.layout = layout;
    ReportLauncher::launch(button);
}

void frmGL::Command1_Click() {
    printForYear(DE_GL_Report::TB_Bal, true, &reports::rptCOA);
}

void frmGL::Command2_Click() {
    printForYear(DE_GL_Report::cmBS, true, &reports::rptBS);
}

// The balance sheet without codes focuses the empty year box but leaves its colour.
void frmGL::Command9_Click() {
    printForYear(DE_GL_Report::cmdBS_NoCode, false, &reports::rptBS_No_Acctcode);
}

void frmGL::Command3_Click() {
    printForYear(DE_GL_Report::cmPL, true, &reports::rptPL);
}

void frmGL::Command4_Click() {
    printForYear(DE_GL_Report::cm12_YTD, true, &reports::rpt12_YTD);
}

void frmGL::Command6_Click() {
    ReportButton button;
    button.dataSource = &glSource;
    button.command = DE_GL_Report::cmGListing_Grouping;
    button.checks = {{txtYear, kSpecifyYear, true},
                     {txtAcctCode, kSpecifyStartCode, true},
                     {txtAcctCode2, kSpecifyEndCode, true}};
    button.inputs = {{txtYear, kYearBoxName, {}},
                     {txtAcctCode, kStartCodeBoxName, {}},
                     {txtAcctCode2, kEndCodeBoxName, {}}};
    button.layout = &reports::rptGLListing;
    ReportLauncher::launch(button);
}

// REFRESH empties the three boxes; their colours stay and nothing runs.
void frmGL::Command8_Click() {
    txtYear->clear();
    txtAcctCode->clear();
    txtAcctCode2->clear();
}

} // namespace orv
