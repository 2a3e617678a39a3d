#pragma once

#include "KeyHeader.h"
#include "values/Currency.h"

#include <optional>

namespace orv {

// How a party header reads its parties: a key header's reads and, where the
// window shows it, the party's outstanding balance.
struct PartyReads : KeyReads {
    std::function<Variant(const QString& name)> balance; // empty: no balance box
};

// The party of a document, a key header over the customers or suppliers by
// CompanyName: the chosen party's address, its currency kind (FOREIGN when
// its Forex, trimmed, is 1, else LOCAL) and the document's rate box, which
// takes the clerk's rate for a FOREIGN party and holds 1, disabled, for a
// LOCAL one. Windows that bill on credit show the credit term and limit and
// the outstanding balance too.
class PartyHeader : public KeyHeader {
    Q_OBJECT
public:
    static inline const QString kForeign = QStringLiteral("FOREIGN");
    static inline const QString kLocal = QStringLiteral("LOCAL");

    // The texts of the rate checks, the same in every window with a rate box.
    static constexpr auto kText = makeTextTable({
        {"EnterRate", "Enter Currency Rate for this transaction"},
        {"RateNotNumber", "Enter numerical, up to 3 decimal points and not character"},
        {"RateNotPositive", "Currency rate must not be negative"},
    });

    // The optional boxes: the rate box under one of its two names, the
    // credit term and limit, the balance.
    enum Box { RateBox = 1, CreditBoxes = 2, BalanceBox = 4, PaymentRateBox = 8 };

    // copies: the header fields the post fills from the party (HeaderCopy).
    PartyHeader(QWidget* window, PartyReads reads, int boxes, std::vector<HeaderCopy> copies = {});

    QComboBox* cboCompany;
    QLineEdit* txtAddress;
    QLineEdit* txtCity;
    QLineEdit* txtRegion;
    QLineEdit* txtCountry;
    QLineEdit* txtPostal;
    QLineEdit* txtPhone;
    QLineEdit* cboCreditor; // "FOREIGN" or "LOCAL"
    QLineEdit* txtCurType;
    QLineEdit* txtCurRate = nullptr;
    QLineEdit* txtPymntRate = nullptr;
    QLineEdit* txtCreditTerm = nullptr;
    QLineEdit* txtCreditLimit = nullptr;
    QLineEdit* txtbalance = nullptr;

    // The rate box, whichever its name; null when the header has none.
    QLineEdit* rateBox() const { return txtCurRate ? txtCurRate : txtPymntRate; }
    bool isForeign() const;
    // The rate as the document keeps it, to four decimals (more are rounded).
    static bool readRate(const QString& text, Currency* rate);

    void clear() override;

    // The three checks of the rate box: empty ("Missing field"), not a
    // number ("Invalid Input", text selected), zero or less (text selected).
    CheckList rateChecks() const;
    // The credit limit as read at the pick, less the balance as read at the
    // pick, less the document's gross must not fall below zero. What the
    // clerk typed into the balance or total boxes plays no part; a party not
    // chosen has no credit, nor has a gross beyond the money range (none).
    Check creditCheck(const QString& message, std::function<std::optional<Currency>()> gross) const;

protected:
    QList<QWidget*> rows() const override;
    void showRecord(const RowView& record) override;
    void clearDetails() override;
    bool copiedValue(const QString& from, Variant* value) const override;

private:
    std::function<Variant(const QString&)> m_balanceRead;
    Variant m_balance; // as read at the pick
};

} // namespace orv
