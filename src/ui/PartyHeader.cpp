#include "PartyHeader.h"

#include "uicore/Controls.h"
#include "uicore/UiServices.h"

#include <QComboBox>
#include <QLineEdit>

namespace orv {

namespace {

KeyHeaderDef partyDef(int boxes, std::vector<HeaderCopy> copies) {
    KeyHeaderDef def{
        QStringLiteral("cboCompany"), QString(), QStringLiteral("CompanyName"), {}, std::move(copies)};
    def.details = {{QStringLiteral("txtAddress"), QStringLiteral("Address")},
                   {QStringLiteral("txtCity"), QStringLiteral("City")},
                   {QStringLiteral("txtRegion"), QStringLiteral("Region")},
                   {QStringLiteral("txtCountry"), QStringLiteral("Country")},
                   {QStringLiteral("txtPostal"), QStringLiteral("PostalCode")},
                   {QStringLiteral("txtPhone"), QStringLiteral("Phone")},
                   {QStringLiteral("txtCurType"), QStringLiteral("Cur_Type")}};
    if (boxes & PartyHeader::CreditBoxes) {
        def.details.push_back({QStringLiteral("txtCreditTerm"), QStringLiteral("credit_term")});
        def.details.push_back({QStringLiteral("txtCreditLimit"), QStringLiteral("credit_limit")});
    }
    return def;
}

} // namespace

PartyHeader::PartyHeader(QWidget* window, PartyReads reads, int boxes, std::vector<HeaderCopy> copies)
    : KeyHeader(window, partyDef(boxes, std::move(copies)), reads), cboCompany(list()),
      txtAddress(box(QStringLiteral("txtAddress"))), txtCity(box(QStringLiteral("txtCity"))),
      txtRegion(box(QStringLiteral("txtRegion"))), txtCountry(box(QStringLiteral("txtCountry"))),
      txtPostal(box(QStringLiteral("txtPostal"))), txtPhone(box(QStringLiteral("txtPhone"))),
      cboCreditor(makeControl<QLineEdit>(window, QStringLiteral("cboCreditor"))),
      txtCurType(box(QStringLiteral("txtCurType"))), txtCreditTerm(box(QStringLiteral("txtCreditTerm"))),
      txtCreditLimit(box(QStringLiteral("txtCreditLimit"))), m_balanceRead(std::move(reads.balance)) {
    cboCreditor->setReadOnly(true);
    if (boxes & RateBox)
        txtCurRate = makeControl<QLineEdit>(window, QStringLiteral("txtCurRate"));
    else if (boxes & PaymentRateBox)
        txtPymntRate = makeControl<QLineEdit>(window, QStringLiteral("txtPymntRate"));
    if (boxes & BalanceBox)
        txtbalance = makeControl<QLineEdit>(window, QStringLiteral("txtbalance"));
}

QList<QWidget*> PartyHeader::rows() const {
    QList<QWidget*> rows{cboCompany,    txtAddress,     txtCity,     txtRegion,  txtCountry,
                         txtPostal,     txtPhone,       cboCreditor, txtCurType, rateBox(),
                         txtCreditTerm, txtCreditLimit, txtbalance};
    rows.removeAll(nullptr);
    return rows;
}

// --- the party chosen ---------------------------------------------------------

void PartyHeader::showRecord(const RowView& record) {
    KeyHeader::showRecord(record);
    const bool foreign = record.value(QStringLiteral("Forex")).toString().trimmed() == QLatin1String("1");
    cboCreditor->setText(foreign ? kForeign : kLocal);
    if (QLineEdit* rate = rateBox()) {
        rate->setText(foreign ? QString() : QStringLiteral("1"));
        rate->setEnabled(foreign);
    }
    if (txtbalance && m_balanceRead) {
        m_balance = m_balanceRead(cboCompany->currentText());
        const QString balance = m_balance.isBlank() ? QString() : m_balance.toString().trimmed();
        txtbalance->setText(balance.isEmpty() ? QStringLiteral("0") : balance);
    }
}

void PartyHeader::clearDetails() {
    KeyHeader::clearDetails();
    cboCreditor->clear();
    m_balance = Variant();
    // No party, no rate: the box waits for a party to be chosen.
    if (QLineEdit* rate = rateBox()) {
        rate->clear();
        rate->setEnabled(false);
    }
}

void PartyHeader::clear() {
    KeyHeader::clear();
    if (txtbalance)
        txtbalance->clear();
}

bool PartyHeader::isForeign() const {
    return cboCreditor->text() == kForeign;
}

// --- the rate ----------------------------------------------------------------------

bool PartyHeader::readRate(const QString& text, Currency* rate) {
    if (Currency::tryParseRounded(text, rate))
        return true;
    // Any other text that reads as a number ("1e2"), held to four decimals.
    if (!isNumericText(text))
        return false;
    try {
        *rate = Variant(text.trimmed().toDouble()).toCurrency();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool PartyHeader::copiedValue(const QString& from, Variant* value) const {
    QLineEdit* rate = rateBox();
    if (!rate || from != rate->objectName())
        return KeyHeader::copiedValue(from, value);
    Currency kept;
    *value = readRate(rate->text(), &kept) ? Variant(kept) : Variant(rate->text());
    return true;
}

CheckList PartyHeader::rateChecks() const {
    QLineEdit* rate = rateBox();
    return {
        Check::when([rate] { return rate->text().isEmpty(); }, qtext(kText["EnterRate"]), rate,
                    kTitleMissingField),
        Check::when(
            [rate] {
                Currency value;
                return !readRate(rate->text(), &value);
            },
            qtext(kText["RateNotNumber"]), rate, kTitleInvalidInput)
            .selectingText(),
        Check::when(
            [rate] {
                Currency value;
                return readRate(rate->text(), &value) && value.raw() <= 0;
            },
            qtext(kText["RateNotPositive"]), rate)
            .selectingText(),
    };
}

// --- credit ----------------------------------------------------------------------------

Check PartyHeader::creditCheck(const QString& message, std::function<std::optional<Currency>()> gross) const {
    return Check::when(
        [this, gross = std::move(gross)] {
            const std::optional<Currency> owed = gross();
            if (!isLoaded() || !owed)
                return true;
            const Variant limit = valueAtPick(QStringLiteral("credit_limit"));
            const Currency room =
                (limit.isBlank() ? Currency() : limit.toCurrency()) -
                (m_balance.isBlank() || m_balance.toString().trimmed().isEmpty() ? Currency()
                                                                                 : m_balance.toCurrency());
            return room < *owed;
        },
        message);
}

} // namespace orv
