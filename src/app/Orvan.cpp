#include "Orvan.h"

#include "ui/UiServices.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace orv {

namespace {

QGroupBox* frame(const QString& caption, const QString& name, QWidget* parent) {
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(name);
    return box;
}

} // namespace

Orvan::Orvan() {
    setObjectName(QStringLiteral("Orvan"));
    setWindowTitle(QStringLiteral("Orvan"));
    auto* page = new QVBoxLayout(this);
    buildInventory(page);
    buildPayables(page);
    buildReceivables(page);
    buildBank(page);
    buildLedger(page);
    wireButtons();
}

QPushButton* Orvan::addButton(const QString& name, const QString& caption) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    m_buttons[name] = b;
    return b;
}

QPushButton* Orvan::button(const QString& name) const {
    const auto it = m_buttons.find(name);
    return it == m_buttons.end() ? nullptr : it->second;
}

void Orvan::buildInventory(QVBoxLayout* page) {
    auto* section = frame(QStringLiteral("Inventory"), QStringLiteral("fraInventory"), this);
    auto* grid = new QGridLayout(section);
    auto* setUp = frame(QStringLiteral("Set Up"), QStringLiteral("fraStkSetUp"), section);
    (new QVBoxLayout(setUp))
        ->addWidget(addButton(QStringLiteral("cmdCallStk_Setup"), QStringLiteral("Set Up")));
    auto* report = frame(QStringLiteral("Report"), QStringLiteral("fraStkReport"), section);
    auto* reportRow = new QVBoxLayout(report);
    reportRow->addWidget(addButton(QStringLiteral("cmd_Stk_Adj"), QStringLiteral("Adjust")));
    reportRow->addWidget(addButton(QStringLiteral("cmdCallStk_Report"), QStringLiteral("Report")));
    auto* vat = frame(QStringLiteral("VAT"), QStringLiteral("fraVAT"), section);
    auto* vatGrid = new QGridLayout(vat);
    vatGrid->addWidget(addButton(QStringLiteral("cmdVAT"), QStringLiteral("Set Up")), 0, 0);
    vatGrid->addWidget(addButton(QStringLiteral("Command3"), QStringLiteral("Adjust")), 0, 1);
    vatGrid->addWidget(addButton(QStringLiteral("Command5"), QStringLiteral("Recon")), 1, 0);
    vatGrid->addWidget(addButton(QStringLiteral("Command4"), QStringLiteral("Report")), 1, 1);
    Label1 = new QLabel(QStringLiteral("Help"), section);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setCursor(Qt::PointingHandCursor);
    Label1->installEventFilter(this);
    grid->addWidget(Label1, 0, 3, Qt::AlignRight | Qt::AlignTop);
    grid->addWidget(setUp, 1, 0);
    grid->addWidget(report, 1, 1);
    grid->addWidget(vat, 1, 2, 1, 2);
    grid->addWidget(addButton(QStringLiteral("Command6"), QStringLiteral("Website")), 2, 0, 1, 4);
    page->addWidget(section);
}

void Orvan::buildPayables(QVBoxLayout* page) {
    auto* section = frame(QStringLiteral("Accounts Payable"), QStringLiteral("fraAP"), this);
    auto* row = new QHBoxLayout(section);
    auto* left = new QVBoxLayout;
    left->addWidget(addButton(QStringLiteral("cmdCallAP_Setup"), QStringLiteral("Set Up")));
    left->addWidget(addButton(QStringLiteral("cmdCallAP_Report"), QStringLiteral("Report")));
    row->addLayout(left);
    auto* entry = frame(QStringLiteral("Data Entry"), QStringLiteral("fraAPEntry"), section);
    auto* g = new QGridLayout(entry);
    g->addWidget(addButton(QStringLiteral("cmdCall_GRN"), QStringLiteral("GRN")), 0, 0);
    g->addWidget(addButton(QStringLiteral("cmdCallPur_Inv"), QStringLiteral("INV")), 0, 1);
    g->addWidget(addButton(QStringLiteral("cmdPur_CN"), QStringLiteral("CN")), 0, 2);
    g->addWidget(addButton(QStringLiteral("cmdPurInv_Adj"), QStringLiteral("JE")), 0, 3);
    g->addWidget(addButton(QStringLiteral("Command2"), QStringLiteral("FOREX Reversal")), 1, 0);
    g->addWidget(addButton(QStringLiteral("cmdAP_Adjust"), QStringLiteral("ADJUST")), 1, 1);
    g->addWidget(addButton(QStringLiteral("cmdForex"), QStringLiteral("FOREX Translation")), 1, 2, 1, 2);
    row->addWidget(entry, 1);
    page->addWidget(section);
}

void Orvan::buildReceivables(QVBoxLayout* page) {
    auto* section = frame(QStringLiteral("Accounts Receivable"), QStringLiteral("fraAR"), this);
    auto* row = new QHBoxLayout(section);
    auto* left = new QVBoxLayout;
    left->addWidget(addButton(QStringLiteral("cmdCallAR_Setup"), QStringLiteral("Set Up")));
    left->addWidget(addButton(QStringLiteral("cmdCallAR_Report"), QStringLiteral("Report")));
    row->addLayout(left);
    auto* entry = frame(QStringLiteral("Data Entry"), QStringLiteral("fraAREntry"), section);
    auto* g = new QGridLayout(entry);
    g->addWidget(addButton(QStringLiteral("cmdCallDO_Entry"), QStringLiteral("DO")), 0, 0);
    g->addWidget(addButton(QStringLiteral("cmdCallSales_Entry"), QStringLiteral("INV")), 0, 1);
    g->addWidget(addButton(QStringLiteral("cmdCallSales_CN"), QStringLiteral("CN")), 0, 2);
    g->addWidget(addButton(QStringLiteral("cmdSales_Adj"), QStringLiteral("JE")), 0, 3);
    g->addWidget(addButton(QStringLiteral("cmdFX_AR"), QStringLiteral("FOREX Reversal")), 1, 0);
    g->addWidget(addButton(QStringLiteral("cmdAR_Adjust"), QStringLiteral("ADJUST")), 1, 1);
    g->addWidget(addButton(QStringLiteral("cmdAR_UnRG"), QStringLiteral("FOREX Translation")), 1, 2, 1, 2);
    row->addWidget(entry, 1);
    page->addWidget(section);
}

void Orvan::buildBank(QVBoxLayout* page) {
    auto* section = frame(QStringLiteral("Bank"), QStringLiteral("fraBank"), this);
    auto* row = new QHBoxLayout(section);
    auto* left = new QVBoxLayout;
    left->addWidget(addButton(QStringLiteral("cmdCallBank_Setup"), QStringLiteral("Set Up")));
    left->addWidget(addButton(QStringLiteral("cmdCallBank_Report"), QStringLiteral("Report")));
    row->addLayout(left);
    auto* entry = frame(QStringLiteral("Data Entry"), QStringLiteral("fraBankEntry"), section);
    auto* h = new QHBoxLayout(entry);
    h->addWidget(addButton(QStringLiteral("cmdCall_Receipt"), QStringLiteral("Collection")));
    h->addWidget(addButton(QStringLiteral("cmdCall_Pymnt"), QStringLiteral("Payment")));
    h->addWidget(addButton(QStringLiteral("cmdCash_Adj"), QStringLiteral("Adjustment")));
    row->addWidget(entry, 1);
    page->addWidget(section);
}

void Orvan::buildLedger(QVBoxLayout* page) {
    auto* section = frame(QStringLiteral("General Ledger"), QStringLiteral("fraGL"), this);
    auto* h = new QHBoxLayout(section);
    h->addWidget(addButton(QStringLiteral("cmdCallGL_Setup"), QStringLiteral("Set Up")));
    h->addWidget(addButton(QStringLiteral("Command1"), QStringLiteral("Forex")));
    h->addWidget(addButton(QStringLiteral("cmdCallGL_Entry"), QStringLiteral("Journal")));
    h->addWidget(addButton(QStringLiteral("cmdGL_Report"), QStringLiteral("Report")));
    h->addWidget(addButton(QStringLiteral("cmdRE_Entry"), QStringLiteral("Close A/C")));
    h->addWidget(addButton(QStringLiteral("cmdExit_Main"), QStringLiteral("EXIT")));
    page->addWidget(section);
}

void Orvan::wireButtons() {
    const auto targets = mainMenuTargets();
    for (const auto& [name, b] : m_buttons) {
        if (name == QLatin1String("cmdExit_Main")) {
            onClick(b, [this] { cmdExit_Main_Click(); });
            continue;
        }
        const auto it = targets.find(name);
        if (it == targets.end()) {
            b->setEnabled(false);
            continue;
        }
        onClick(b, it->second);
    }
}

bool Orvan::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label1 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Label1_Click();
        return true;
    }
    return Window::eventFilter(watched, event);
}

QString Orvan::helpTitle() {
    // "About ", the title, " v", the major version, ".2", the minor version.
    const QStringList version = QCoreApplication::applicationVersion().split(QLatin1Char('.'));
    const QString major = version.value(0, QStringLiteral("1"));
    const QString minor = version.value(1, QStringLiteral("0"));
    return QStringLiteral("About ") + kAppTitle + QStringLiteral(" v") + major + QStringLiteral(".2") + minor;
}

void Orvan::Label1_Click() {
    UiServices::current().message(
        QStringLiteral(
            "Orvanwise keeps the books of a small trading company: the chart of accounts, customers "
            "and suppliers, stock, VAT, cash and bank, and the documents and reports that go with "
            "them. Every document is posted whole or not at all, and the books always balance."),
        helpTitle(), MessageIcon::Information);
}

void Orvan::cmdExit_Main_Click() {
    UiServices::current().endProgram();
}

} // namespace orv
