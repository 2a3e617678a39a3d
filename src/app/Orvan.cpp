#include "Orvan.h"

#include "uicore/UiServices.h"

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

constexpr auto& T = Orvan::kText;

QGroupBox* frame(PinnedText caption, QWidget* parent) {
    auto* box = new QGroupBox(qtext(caption.text), parent);
    box->setObjectName(qtext(caption.key));
    return box;
}

} // namespace

Orvan::Orvan() {
    setObjectName(QStringLiteral("Orvan"));
    setWindowTitle(qtext(T["Orvan"]));
    auto* page = new QVBoxLayout(this);
    buildInventory(page);
    buildPayables(page);
    buildReceivables(page);
    buildBank(page);
    buildLedger(page);
    wireButtons();
}

QPushButton* Orvan::addButton(PinnedText caption) {
    auto* b = new QPushButton(qtext(caption.text), this);
    b->setObjectName(qtext(caption.key));
    m_buttons[b->objectName()] = b;
    return b;
}

QPushButton* Orvan::button(const QString& name) const {
    const auto it = m_buttons.find(name);
    return it == m_buttons.end() ? nullptr : it->second;
}

void Orvan::buildInventory(QVBoxLayout* page) {
    auto* section = frame(T.entry("fraInventory"), this);
    auto* grid = new QGridLayout(section);
    auto* setUp = frame(T.entry("fraStkSetUp"), section);
    (new QVBoxLayout(setUp))->addWidget(addButton(T.entry("cmdCallStk_Setup")));
    auto* report = frame(T.entry("fraStkReport"), section);
    auto* reportRow = new QVBoxLayout(report);
    reportRow->addWidget(addButton(T.entry("cmd_Stk_Adj")));
    reportRow->addWidget(addButton(T.entry("cmdCallStk_Report")));
    auto* vat = frame(T.entry("fraVAT"), section);
    auto* vatGrid = new QGridLayout(vat);
    vatGrid->addWidget(addButton(T.entry("cmdVAT")), 0, 0);
    vatGrid->addWidget(addButton(T.entry("Command3")), 0, 1);
    vatGrid->addWidget(addButton(T.entry("Command5")), 1, 0);
    vatGrid->addWidget(addButton(T.entry("Command4")), 1, 1);
    Label1 = new QLabel(qtext(T["Label1"]), section);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setCursor(Qt::PointingHandCursor);
    Label1->installEventFilter(this);
    grid->addWidget(Label1, 0, 3, Qt::AlignRight | Qt::AlignTop);
    grid->addWidget(setUp, 1, 0);
    grid->addWidget(report, 1, 1);
    grid->addWidget(vat, 1, 2, 1, 2);
    grid->addWidget(addButton(T.entry("Command6")), 2, 0, 1, 4);
    page->addWidget(section);
}

QGroupBox* Orvan::addEntrySection(QVBoxLayout* page, PinnedText section, PinnedText setUp, PinnedText report,
                                  PinnedText entry) {
    auto* box = frame(section, this);
    auto* row = new QHBoxLayout(box);
    auto* left = new QVBoxLayout;
    left->addWidget(addButton(setUp));
    left->addWidget(addButton(report));
    row->addLayout(left);
    auto* entryFrame = frame(entry, box);
    row->addWidget(entryFrame, 1);
    page->addWidget(box);
    return entryFrame;
}

void Orvan::addDocumentRows(QGroupBox* entry, const std::array<PinnedText, 7>& buttons) {
    auto* grid = new QGridLayout(entry);
    for (int i = 0; i < 6; ++i)
        grid->addWidget(addButton(buttons[i]), i / 4, i % 4);
    grid->addWidget(addButton(buttons[6]), 1, 2, 1, 2);
}

void Orvan::buildPayables(QVBoxLayout* page) {
    QGroupBox* entry = addEntrySection(page, T.entry("fraAP"), T.entry("cmdCallAP_Setup"),
                                       T.entry("cmdCallAP_Report"), T.entry("fraAPEntry"));
    addDocumentRows(entry, {T.entry("cmdCall_GRN"), T.entry("cmdCallPur_Inv"), T.entry("cmdPur_CN"),
                            T.entry("cmdPurInv_Adj"), T.entry("Command2"), T.entry("cmdAP_Adjust"),
                            T.entry("cmdForex")});
}

void Orvan::buildReceivables(QVBoxLayout* page) {
    QGroupBox* entry = addEntrySection(page, T.entry("fraAR"), T.entry("cmdCallAR_Setup"),
                                       T.entry("cmdCallAR_Report"), T.entry("fraAREntry"));
    addDocumentRows(entry, {T.entry("cmdCallDO_Entry"), T.entry("cmdCallSales_Entry"),
                            T.entry("cmdCallSales_CN"), T.entry("cmdSales_Adj"), T.entry("cmdFX_AR"),
                            T.entry("cmdAR_Adjust"), T.entry("cmdAR_UnRG")});
}

void Orvan::buildBank(QVBoxLayout* page) {
    auto* row = new QHBoxLayout(addEntrySection(page, T.entry("fraBank"), T.entry("cmdCallBank_Setup"),
                                                T.entry("cmdCallBank_Report"), T.entry("fraBankEntry")));
    for (PinnedText button : {T.entry("cmdCall_Receipt"), T.entry("cmdCall_Pymnt"), T.entry("cmdCash_Adj")})
        row->addWidget(addButton(button));
}

void Orvan::buildLedger(QVBoxLayout* page) {
    auto* section = frame(T.entry("fraGL"), this);
    auto* h = new QHBoxLayout(section);
    h->addWidget(addButton(T.entry("cmdCallGL_Setup")));
    h->addWidget(addButton(T.entry("Command1")));
    h->addWidget(addButton(T.entry("cmdCallGL_Entry")));
    h->addWidget(addButton(T.entry("cmdGL_Report")));
    h->addWidget(addButton(T.entry("cmdRE_Entry")));
    h->addWidget(addButton(T.entry("cmdExit_Main")));
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
    return qtext(T["HelpTitle"]) + kAppTitle + qtext(T["HelpMajor"]) + major + qtext(T["HelpMinor"]) + minor;
}

void Orvan::Label1_Click() {
    UiServices::current().message(qtext(T["Help"]), helpTitle(), MessageIcon::Information);
}

void Orvan::cmdExit_Main_Click() {
    UiServices::current().endProgram();
}

} // namespace orv
