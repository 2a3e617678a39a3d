#include "PartySetupWindow.h"

#include "uicore/Controls.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace orv {

namespace {

using F = SetupField;
constexpr auto& T = PartySetupWindow::kText;
const Requests kSent = kCreate | kUpdate; // what the delete does not carry
const QString kChart = QStringLiteral("COA_T");
const QString kCode = QStringLiteral("GL_ID");

SetupField text(const char* control, std::string_view caption, Cell cell, const char* column,
                QLineEdit*& member) {
    return F::typed(control, qtext(caption), cell, column).into(member);
}

// A number held as typed.
SetupField number(const char* control, std::string_view caption, Cell cell, const char* column,
                  QLineEdit*& member, std::string_view empty, std::string_view notPositive) {
    SetupField f = text(control, caption, cell, column, member).whenEmpty(qtext(empty));
    return f.checkedAs(CheckAs::Number).positive(qtext(notPositive));
}

// A whole number of 32 bits, and what it says of any other text.
SetupField credit(const char* control, std::string_view caption, const char* column, QLineEdit*& member,
                  std::string_view empty, std::string_view notPositive, std::string_view notWhole) {
    SetupField f = number(control, caption, {}, column, member, empty, notPositive);
    return f.feeds(column, DataType::Integer)
        .within(std::nullopt, std::nullopt, qtext(notWhole))
        .filtered(Keys::Filtered);
}

} // namespace

// The party's record in the order of its staging record, with the captions,
// cells, checks and lists both party windows give a box.
std::vector<SetupField> PartySetupWindow::partyFields() {
    // A LOCAL party carries the placeholder 1 in each of its four conversion
    // accounts, which are asked for only of a FOREIGN one.
    const auto account = [this](const char* control, std::string_view caption, Cell cell, const char* column,
                                QComboBox*& member, std::string_view empty) {
        SetupField f = F::list(control, qtext(caption), cell).feeds(column, DataType::Integer);
        return f.carriedBy(kSent)
            .whenEmpty(qtext(empty))
            .tinting()
            .checkedAs(CheckAs::Text)
            .checkedOnlyIf([this] { return isForeign(); })
            .listedFrom(kChart, kCode)
            .inChartAs(qtext(caption) + QStringLiteral(" Account Code"))
            .sentInstead([this](const QString&) {
                const bool local = cboForex->currentText() == qtext(T["Local"]);
                return local ? std::optional<QString>(QStringLiteral("1")) : std::nullopt;
            })
            .into(member);
    };
    return {
        F::chartCode("cboCOA", {}, {}, m_texts.codeWhat).carriedBy(kSent).into(cboCOA),
        F::names("cboCompany", {}, {}, m_texts.masterTable, "CompanyName")
            .feeds("CompanyName")
            .carriedBy(kSent),
        F::lastPicked("txtCustName", "CompanyName", m_texts.nothingToDelete).into(txtCustName),
        text("txtAddress", T["lblAddress"], {1, 0}, "Address", txtAddress).whenEmpty(qtext(T["NoAddress"])),
        text("txtCity", T["lblCity"], {3, 0}, "City", txtCity).whenEmpty(qtext(T["NoCity"])),
        text("txtRegion", T["lblRegion"], {2, 1}, "Region", txtRegion).whenEmpty(qtext(T["NoRegion"])),
        number("txtPostal", T["lblPostal"], {1, 1}, "PostalCode", txtPostal, T["NoPostal"],
               T["PostalNegative"]),
        text("txtCountry", T["lblCountry"], {2, 0}, "Country", txtCountry).whenEmpty(qtext(T["NoCountry"])),
        number("txtPhone", T["lblPhone"], {3, 1}, "Phone", txtPhone, T["NoPhone"], T["PhoneNegative"]),
        credit("txtCreditTerm", T["lblCreditTerm"], "Credit_Term", txtCreditTerm, T["NoCreditTerm"],
               T["CreditTermNegative"], T["CreditTermWhole"]),
        credit("txtCreditLimit", T["lblCreditLimit"], "Credit_Limit", txtCreditLimit, T["NoCreditLimit"],
               T["CreditLimitNegative"], T["CreditLimitWhole"]),
        F::list("cboCurrency", qtext(T["lblCurrency"]))
            .feeds("Cur_Type")
            .typingLimited()
            .listedFrom(QStringLiteral("Forex_Master_T"), QStringLiteral("Cur_Type"))
            .into(cboCurrency),
        account("cboUnrealisedGain", T["lblUnrealisedGain"], {4, 0}, "UnRG", cboUnrealisedGain,
                T["NoUnrealisedGain"]),
        account("cboUnrealisedLoss", T["lblUnrealisedLoss"], {5, 0}, "UnRL", cboUnrealisedLoss,
                T["NoUnrealisedLoss"]),
        account("cboRealisedGain", T["lblRealisedGain"], {4, 1}, "RG", cboRealisedGain, T["NoRealisedGain"]),
        account("cboRealisedLoss", T["lblRealisedLoss"], {5, 1}, "RL", cboRealisedLoss, T["NoRealisedLoss"]),
        // Sent as 1 for FOREIGN, exactly so (case and blanks count), else 0.
        F::list("cboForex")
            .feeds("Forex", DataType::Integer)
            .carriedBy(kCreate)
            .withEntries({qtext(T["Foreign"]), qtext(T["Local"])})
            .checkedAs(CheckAs::Text)
            .tinting()
            .sentInstead([](const QString& kind) {
                return std::optional<QString>(kind == qtext(T["Foreign"]) ? QStringLiteral("1")
                                                                          : QStringLiteral("0"));
            })
            .into(cboForex),
        F::accountName("txtGLName", "cboCOA").into(txtGLName),
    };
}

PartySetupWindow::PartySetupWindow(PartyTexts texts, QWidget* parent)
    : SetupWindow(parent), Frame1(makeControl<QGroupBox>(this, QStringLiteral("Frame1"))),
      Frame2(makeControl<QGroupBox>(this, QStringLiteral("Frame2"))), m_texts(std::move(texts)) {}

SetupSection* PartySetupWindow::setParty(std::vector<SetupField> placed) {
    SetupSection* party = setRecord(placedBy(partyFields(), std::move(placed)));
    auto* grid = new QGridLayout(Frame1);
    party->layOut(grid);
    for (int column : {1, 4, 7})
        grid->setColumnStretch(column, 1);
    onChoice(cboForex, [this] { cboForex_Click(); });
    return party;
}

QHBoxLayout* PartySetupWindow::buttonRow() {
    Frame2->setTitle(qtext(kText["Frame2"]));
    auto* functions = new QHBoxLayout(Frame2);
    for (QWidget* b : {cmdClear, cmdUpdate, cmdDelete})
        functions->addWidget(b);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdSend);
    buttons->addWidget(Frame2);
    buttons->addWidget(cmdNew);
    buttons->addStretch(1);
    return buttons;
}

void PartySetupWindow::showDetails(const Recordset& record) {
    SetupWindow::showDetails(record);
    cboForex_Click();
}

bool PartySetupWindow::isForeign() const {
    return cboForex->currentText() == qtext(kText["Foreign"]); // exact: case and blanks count
}

std::vector<QComboBox*> PartySetupWindow::accountBoxes() const {
    return {cboUnrealisedGain, cboUnrealisedLoss, cboRealisedGain, cboRealisedLoss};
}

void PartySetupWindow::cboForex_Click() {
    for (QComboBox* box : accountBoxes())
        box->setEnabled(isForeign());
}

CheckList PartySetupWindow::partyChecks(const QStringList& controls, CheckList own) {
    CheckList checks = record()->checksOf(QStringLiteral("cboForex"));
    const std::vector<QComboBox*> accounts = accountBoxes();
    checks.push_back(Check::allEmpty({accounts.begin(), accounts.end()}, qtext(kText["NoConversionAccounts"]))
                         .onlyIf([this] { return isForeign(); }));
    auto append = [&checks](CheckList more) {
        for (Check& c : more)
            checks.push_back(std::move(c));
    };
    for (const QString& control : controls)
        append(record()->checksOf(control));
    append(std::move(own));
    for (const char* credit : {"txtCreditTerm", "txtCreditLimit"})
        append(record()->fitChecksOf(QString::fromLatin1(credit)));
    return checks;
}

} // namespace orv
