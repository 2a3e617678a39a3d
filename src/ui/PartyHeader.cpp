#include "PartyHeader.h"

#include "uicore/Controls.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>

namespace orv {

namespace {

QString textOf(const Variant& v) {
    return v.isBlank() ? QString() : v.toString();
}

} // namespace

PartyHeader::PartyHeader(QWidget* window, PartyReads reads, int boxes)
    : QGroupBox(window), cboCompany(makeControl<QComboBox>(this, QStringLiteral("cboCompany"))),
      txtAddress(makeControl<QLineEdit>(this, QStringLiteral("txtAddress"))),
      txtCity(makeControl<QLineEdit>(this, QStringLiteral("txtCity"))),
      txtRegion(makeControl<QLineEdit>(this, QStringLiteral("txtRegion"))),
      txtCountry(makeControl<QLineEdit>(this, QStringLiteral("txtCountry"))),
      txtPostal(makeControl<QLineEdit>(this, QStringLiteral("txtPostal"))),
      txtPhone(makeControl<QLineEdit>(this, QStringLiteral("txtPhone"))),
      cboCreditor(makeControl<QLineEdit>(this, QStringLiteral("cboCreditor"))),
      txtCurType(makeControl<QLineEdit>(this, QStringLiteral("txtCurType"))), m_reads(std::move(reads)),
      m_form(new QFormLayout(this)) {
    setObjectName(QStringLiteral("Frame1"));
    if (boxes & RateBox)
        txtCurRate = makeControl<QLineEdit>(this, QStringLiteral("txtCurRate"));
    if (boxes & CreditBoxes) {
        txtCreditTerm = makeControl<QLineEdit>(this, QStringLiteral("txtCreditTerm"));
        txtCreditLimit = makeControl<QLineEdit>(this, QStringLiteral("txtCreditLimit"));
    }
    if (boxes & BalanceBox)
        txtbalance = makeControl<QLineEdit>(this, QStringLiteral("txtbalance"));
    cboCompany->setEditable(true);
    cboCompany->setInsertPolicy(QComboBox::NoInsert);
    connect(cboCompany->lineEdit(), &QLineEdit::textEdited, this, [this] { clearDetails(); });
}

QList<QLineEdit*> PartyHeader::detailBoxes() const {
    QList<QLineEdit*> boxes{txtAddress,  txtCity,    txtRegion,  txtCountry,    txtPostal,     txtPhone,
                            cboCreditor, txtCurType, txtCurRate, txtCreditTerm, txtCreditLimit};
    boxes.removeAll(nullptr);
    return boxes;
}

void PartyHeader::layOut(const QStringList& captions) {
    QList<QWidget*> rows{cboCompany,    txtAddress,     txtCity,     txtRegion,  txtCountry,
                         txtPostal,     txtPhone,       cboCreditor, txtCurType, txtCurRate,
                         txtCreditTerm, txtCreditLimit, txtbalance};
    rows.removeAll(nullptr);
    for (int i = 0; i < rows.size(); ++i)
        m_form->addRow(captions.value(i), rows.at(i));
}

void PartyHeader::fillList() {
    cboCompany->clear();
    Recordset parties = m_reads.list();
    for (const RowView party : parties.rows())
        cboCompany->addItem(party.text(QStringLiteral("CompanyName")));
    cboCompany->setCurrentIndex(-1);
}

void PartyHeader::clearDetails() {
    m_hasLoaded = false;
    for (QLineEdit* box : detailBoxes())
        box->clear();
    // No party, no rate: the box waits for a party to be chosen.
    if (txtCurRate)
        txtCurRate->setEnabled(false);
}

void PartyHeader::load() {
    clearDetails();
    const QString name = cboCompany->currentText();
    Recordset party = m_reads.details(name);
    if (party.recordCount() > 0) {
        const RowView row(party, 0);
        const auto text = [&row](const char* field) { return textOf(row.value(QString::fromLatin1(field))); };
        txtAddress->setText(text("Address"));
        txtCity->setText(text("City"));
        txtPhone->setText(text("Phone"));
        txtCountry->setText(text("Country"));
        txtPostal->setText(text("PostalCode"));
        txtRegion->setText(text("Region"));
        txtCurType->setText(text("Cur_Type"));
        const bool foreign = text("Forex").trimmed() == QLatin1String("1");
        cboCreditor->setText(foreign ? kForeign : kLocal);
        if (txtCurRate) {
            txtCurRate->setText(foreign ? QString() : QStringLiteral("1"));
            txtCurRate->setEnabled(foreign);
        }
        if (txtCreditTerm) {
            txtCreditTerm->setText(text("credit_term"));
            txtCreditLimit->setText(text("credit_limit"));
        }
        m_loaded = name;
        m_hasLoaded = true;
    }
    if (txtbalance && m_reads.balance) {
        const QString balance = textOf(m_reads.balance(name)).trimmed();
        txtbalance->setText(balance.isEmpty() ? QStringLiteral("0") : balance);
    }
}

void PartyHeader::clear() {
    clearDetails();
    if (txtbalance)
        txtbalance->clear();
    cboCompany->setCurrentIndex(-1);
    cboCompany->setEditText(QString());
}

bool PartyHeader::isForeign() const {
    return cboCreditor->text() == kForeign;
}

bool PartyHeader::isLoaded() const {
    return m_hasLoaded && m_loaded == cboCompany->currentText();
}

QString PartyHeader::id() const {
    return m_reads.id(cboCompany->currentText());
}

CheckList PartyHeader::checks(const QString& message) const {
    return {
        Check::empty(cboCompany, message),
        // A typed name that is no party's, or whose details were never
        // read, cannot carry a party's address, currency and rate.
        Check::when([this] { return id().isEmpty() || !isLoaded(); }, message, cboCompany),
    };
}

} // namespace orv
