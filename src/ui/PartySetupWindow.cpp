#include "PartySetupWindow.h"

#include "uicore/Controls.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <algorithm>

namespace orv {

namespace {

using F = SetupField;
constexpr auto& T = PartySetupWindow::kText;
const Requests kSent = kCreate | kUpdate; // what the delete does not carry

// The party's record in the order of its staging record, with the captions
// and cells both party windows give a box; the boxes the requests do not
// carry come last.
std::vector<SetupField> partyFields() {
    const auto text = [](const char* control, std::string_view caption, Cell cell, const char* column) {
        return F::text(control, qtext(caption), cell).feeds(column).typingLimited();
    };
    // A text column holds a number as typed, limited to its width.
    const auto number = [](const char* control, std::string_view caption, Cell cell, const char* column,
                           DataType type, const QString& empty, const QString& notPositive) {
        SetupField f = F::text(control, qtext(caption), cell).feeds(column, type).whenEmpty(empty);
        return f.checkedAs(CheckAs::Number).positive(notPositive);
    };
    const auto account = [](const char* control, std::string_view caption, Cell cell, const char* column,
                            const QString& empty) {
        SetupField f =
            F::list(control, qtext(caption), cell).feeds(column, DataType::Integer).carriedBy(kSent);
        return f.whenEmpty(empty).tinting().checkedAs(CheckAs::Text);
    };
    return {
        F::list("cboCOA")
            .feeds("GL_ID", DataType::Integer)
            .carriedBy(kSent)
            .checkedAs(CheckAs::Text)
            .keyOf("COA_T"),
        F::list("cboCompany").feeds("CompanyName").carriedBy(kSent).typingLimited().notShown(),
        text("txtCustName", {}, {}, "CompanyName").carriedBy(kDelete).notShown(),
        text("txtAddress", T["lblAddress"], {1, 0}, "Address").whenEmpty(qtext(T["NoAddress"])),
        text("txtCity", T["lblCity"], {3, 0}, "City").whenEmpty(qtext(T["NoCity"])),
        text("txtRegion", T["lblRegion"], {2, 1}, "Region").whenEmpty(qtext(T["NoRegion"])),
        number("txtPostal", T["lblPostal"], {1, 1}, "PostalCode", DataType::Text, qtext(T["NoPostal"]),
               qtext(T["PostalNegative"]))
            .typingLimited(),
        text("txtCountry", T["lblCountry"], {2, 0}, "Country").whenEmpty(qtext(T["NoCountry"])),
        number("txtPhone", T["lblPhone"], {3, 1}, "Phone", DataType::Text, qtext(T["NoPhone"]),
               qtext(T["PhoneNegative"]))
            .typingLimited(),
        number("txtCreditTerm", T["lblCreditTerm"], {}, "Credit_Term", DataType::Integer,
               qtext(T["NoCreditTerm"]), qtext(T["CreditTermNegative"]))
            .filtered(Keys::Filtered),
        number("txtCreditLimit", T["lblCreditLimit"], {}, "Credit_Limit", DataType::Integer,
               qtext(T["NoCreditLimit"]), qtext(T["CreditLimitNegative"]))
            .filtered(Keys::Filtered),
        F::list("cboCurrency", qtext(T["lblCurrency"])).feeds("Cur_Type").typingLimited(),
        account("cboUnrealisedGain", T["lblUnrealisedGain"], {4, 0}, "UnRG", qtext(T["NoUnrealisedGain"])),
        account("cboUnrealisedLoss", T["lblUnrealisedLoss"], {5, 0}, "UnRL", qtext(T["NoUnrealisedLoss"])),
        account("cboRealisedGain", T["lblRealisedGain"], {4, 1}, "RG", qtext(T["NoRealisedGain"])),
        account("cboRealisedLoss", T["lblRealisedLoss"], {5, 1}, "RL", qtext(T["NoRealisedLoss"])),
        F::list("cboForex")
            .feeds("Forex", DataType::Integer)
            .carriedBy(kCreate)
            .withEntries({qtext(T["Foreign"]), qtext(T["Local"])})
            .checkedAs(CheckAs::Text)
            .tinting(),
        F::text("txtGLName").shownFrom("GL_Name_VC"),
    };
}

const std::vector<SetupField>& party() {
    static const std::vector<SetupField> fields = partyFields();
    return fields;
}

} // namespace

SetupField PartySetupWindow::field(const QString& control, const QString& caption, Cell cell) {
    for (SetupField field : party()) {
        if (field.control == control) {
            // A window's caption replaces the party's, where it gives one.
            if (!caption.isEmpty()) {
                const SetupField placed = F::text(control, caption, cell);
                field.caption = placed.caption;
                field.label = placed.label;
            }
            field.cell = cell;
            return field;
        }
    }
    return F::text(control, caption, cell);
}

std::vector<SetupField> PartySetupWindow::partyRecord(std::vector<SetupField> own) {
    std::vector<SetupField> fields;
    for (const SetupField& field : party()) {
        auto mine = std::find_if(own.begin(), own.end(),
                                 [&field](const SetupField& f) { return f.control == field.control; });
        if (mine == own.end()) {
            fields.push_back(field);
            continue;
        }
        fields.push_back(std::move(*mine));
        own.erase(mine);
    }
    for (SetupField& field : own)
        fields.push_back(std::move(field));
    return fields;
}

PartySetupWindow::PartySetupWindow(PartyTexts texts, std::vector<SetupField> own, QWidget* parent)
    : SetupWindow(parent), Frame1(makeControl<QGroupBox>(this, QStringLiteral("Frame1"))),
      Frame2(makeControl<QGroupBox>(this, QStringLiteral("Frame2"))), m_texts(std::move(texts)) {
    std::vector<SetupField> fields = partyRecord(std::move(own));
    // The four conversion accounts are asked for only of a FOREIGN party.
    for (SetupField& f : fields) {
        if (f.column == "UnRG" || f.column == "UnRL" || f.column == "RG" || f.column == "RL")
            f.checkedOnlyIf([this] { return isForeign(); });
    }
    const SetupSection* party = setRecord(std::move(fields));
    const std::pair<QLineEdit**, const char*> textBoxes[] = {
        {&txtCustName, "txtCustName"}, {&txtAddress, "txtAddress"},       {&txtCity, "txtCity"},
        {&txtRegion, "txtRegion"},     {&txtCountry, "txtCountry"},       {&txtPostal, "txtPostal"},
        {&txtPhone, "txtPhone"},       {&txtCreditTerm, "txtCreditTerm"}, {&txtCreditLimit, "txtCreditLimit"},
        {&txtGLName, "txtGLName"}};
    for (const auto& [member, name] : textBoxes)
        *member = party->box<QLineEdit>(QString::fromLatin1(name));
    const std::pair<QComboBox**, const char*> lists[] = {{&cboCOA, "cboCOA"},
                                                         {&cboCurrency, "cboCurrency"},
                                                         {&cboForex, "cboForex"},
                                                         {&cboUnrealisedGain, "cboUnrealisedGain"},
                                                         {&cboUnrealisedLoss, "cboUnrealisedLoss"},
                                                         {&cboRealisedGain, "cboRealisedGain"},
                                                         {&cboRealisedLoss, "cboRealisedLoss"}};
    for (const auto& [member, name] : lists)
        *member = party->box<QComboBox>(QString::fromLatin1(name));

    auto* grid = new QGridLayout(Frame1);
    party->layOut(grid);
    for (int column : {1, 4, 7})
        grid->setColumnStretch(column, 1);
    txtCustName->setVisible(false);
    if (auto* label = findChild<QLabel*>(QStringLiteral("lblCustName")))
        label->setVisible(false);
    txtGLName->setEnabled(false);
    onChoice(cboCOA, [this] { cboCOA_Click(); });
    followAccountName(cboCOA, txtGLName);
    onChoice(cboForex, [this] { cboForex_Click(); });
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

// --- lists and picks ------------------------------------------------------------------------

std::vector<SetupWindow::ListFill> PartySetupWindow::lists() const {
    const QString coa = QStringLiteral("COA_T");
    const QString code = QStringLiteral("GL_ID");
    return {
        nameList(),
        {cboCOA, coa, code},
        {cboUnrealisedGain, coa, code},
        {cboUnrealisedLoss, coa, code},
        {cboRealisedGain, coa, code},
        {cboRealisedLoss, coa, code},
        {cboCurrency, QStringLiteral("Forex_Master_T"), QStringLiteral("Cur_Type")},
    };
}

SetupWindow::ListFill PartySetupWindow::nameList() const {
    return {cboCompany, m_texts.masterTable, QStringLiteral("CompanyName")};
}

void PartySetupWindow::cboCompany_Click() {
    pickRecord(m_texts.noParty);
}

void PartySetupWindow::showDetails(const Recordset& record) {
    SetupWindow::showDetails(record);
    txtCustName->setText(cboCompany->currentText());
    enableAccountBoxes();
}

void PartySetupWindow::cboCOA_Click() {
    pickAccount(cboCOA, txtGLName, m_texts.codeWhat);
}

bool PartySetupWindow::isForeign() const {
    return cboForex->currentText() == qtext(kText["Foreign"]); // exact: case and blanks count
}

std::vector<QComboBox*> PartySetupWindow::accountBoxes() const {
    return {cboUnrealisedGain, cboUnrealisedLoss, cboRealisedGain, cboRealisedLoss};
}

void PartySetupWindow::enableAccountBoxes() {
    const bool foreign = isForeign();
    for (QComboBox* box : accountBoxes())
        box->setEnabled(foreign);
}

void PartySetupWindow::cboForex_Click() {
    enableAccountBoxes();
}

// --- checks and requests ----------------------------------------------------------------------

Check PartySetupWindow::conversionAccountsMissing() {
    QPointer<PartySetupWindow> self(this);
    // All four conversion accounts missing: the four boxes turn light blue
    // and the focus stays where it is.
    return Check::when(
        [self] {
            if (!self || !self->isForeign())
                return false;
            for (QComboBox* box : self->accountBoxes()) {
                if (!box->currentText().isEmpty())
                    return false;
            }
            for (QComboBox* box : self->accountBoxes())
                tintField(box);
            return true;
        },
        qtext(kText["NoConversionAccounts"]));
}

CheckList PartySetupWindow::partyChecks(const QStringList& controls, CheckList own) {
    CheckList checks = record()->checksOf(QStringLiteral("cboForex"));
    checks.push_back(conversionAccountsMissing());
    auto append = [&checks](CheckList more) {
        for (Check& c : more)
            checks.push_back(std::move(c));
    };
    for (const QString& control : controls)
        append(record()->checksOf(control));
    append(std::move(own));
    auto notWhole = [](QWidget* field, const QString& message) {
        QPointer<QWidget> f(field);
        return Check::when(
                   [f] {
                       bool ok = false;
                       fieldText(f).trimmed().toInt(&ok);
                       return !ok;
                   },
                   message, field)
            .selectingText();
    };
    append({notWhole(txtCreditTerm, qtext(kText["CreditTermWhole"])),
            notWhole(txtCreditLimit, qtext(kText["CreditLimitWhole"]))});
    return checks;
}

CheckList PartySetupWindow::requestChecks(Request request) {
    if (request == Request::Delete) {
        // The delete names the party last loaded; with none loaded there is
        // nothing to delete.
        QPointer<QLineEdit> loaded(txtCustName);
        return {Check::when([loaded] { return loaded && loaded->text().isEmpty(); }, m_texts.nothingToDelete,
                            cboCompany)};
    }
    CheckList checks = {inChart(cboCOA, m_texts.codeWhat)};
    // The conversion accounts travel as typed unless the party is LOCAL.
    if (cboForex->currentText() != qtext(kText["Local"])) {
        checks.push_back(inChart(cboUnrealisedGain, QStringLiteral("Unrealised Gain Account Code")));
        checks.push_back(inChart(cboUnrealisedLoss, QStringLiteral("Unrealised Loss Account Code")));
        checks.push_back(inChart(cboRealisedGain, QStringLiteral("Realised Gain Account Code")));
        checks.push_back(inChart(cboRealisedLoss, QStringLiteral("Realised Loss Account Code")));
    }
    return checks;
}

std::vector<SetupWindow::Assignment> PartySetupWindow::assignments(Request request) {
    std::vector<Assignment> fields = SetupWindow::assignments(request);
    // A LOCAL party carries the placeholder 1 in its four conversion
    // accounts, on an update as on a create.
    const bool local = cboForex->currentText() == qtext(kText["Local"]);
    const bool foreign = isForeign();
    const std::vector<QComboBox*> accounts = accountBoxes();
    for (Assignment& a : fields) {
        if (a.box == cboForex)
            a.text = [foreign] { return foreign ? QStringLiteral("1") : QStringLiteral("0"); };
        else if (local && std::find(accounts.begin(), accounts.end(), a.box) != accounts.end())
            a.text = [] { return QStringLiteral("1"); };
    }
    return fields;
}

} // namespace orv
