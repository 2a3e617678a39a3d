#pragma once

#include "SetupWindow.h"

class QGroupBox;
class QHBoxLayout;
class QLineEdit;

namespace orv {

// The set-up frame of a trading party, a customer or a supplier: a party is
// also an account of the chart (its key is the code of its own account,
// chosen in the code list), trades in one currency, LOCAL or FOREIGN, and a
// foreign party names four exchange gain and loss accounts. The window
// declares its record as a field table of the party's fields (field() gives
// each its column, type and key filter), with its captions, cells and texts,
// and gives the order of its checks.
class PartySetupWindow : public SetupWindow {
    Q_OBJECT
public:
    static inline const QString kForeign = QStringLiteral("FOREIGN");
    static inline const QString kLocal = QStringLiteral("LOCAL");
    static inline const QString kSpecifyConversionAccounts =
        QStringLiteral(" Specify Foreign Currency Conversion Accounting Code ");
    static inline const QString kSelectUnrealisedGain =
        QStringLiteral("Select Unrealised Gain Acccount Code!");
    static inline const QString kSelectUnrealisedLoss =
        QStringLiteral("Select Unrealised Loss Acccount Code!");
    static inline const QString kSelectRealisedGain = QStringLiteral("Select Realised Gain Acccount Code!");
    static inline const QString kSelectRealisedLoss = QStringLiteral("Select Realised Loss Acccount Code!");
    static inline const QString kEnterAddress = QStringLiteral("Enter Address");
    static inline const QString kEnterCity = QStringLiteral("Enter City");
    static inline const QString kEnterPhone = QStringLiteral("Enter Phone Number");
    static inline const QString kPhoneNegative = QStringLiteral("Phone number must not be negative");
    static inline const QString kEnterCountry = QStringLiteral("Enter Country Name");
    static inline const QString kEnterPostal = QStringLiteral("Enter Postal Number");
    static inline const QString kPostalNegative = QStringLiteral("Postal number must not be negative");
    static inline const QString kEnterRegion = QStringLiteral("Enter Region Name");
    static inline const QString kEnterCreditTerm = QStringLiteral("Enter Credit Term");
    static inline const QString kCreditTermNegative = QStringLiteral("Credit Term must not be negative");
    static inline const QString kEnterCreditLimit = QStringLiteral("Enter Credit Limit");
    static inline const QString kCreditLimitNegative = QStringLiteral("number must not be negative");
    // What the party record and the chart of accounts cannot hold.
    static inline const QString kCreditTermWhole =
        QStringLiteral("Credit Term must be a whole number of days, at most 2147483647");
    static inline const QString kCreditLimitWhole =
        QStringLiteral("Credit Limit must be a whole number, at most 2147483647");

    // A field of the party record, by its box's name: the box's kind, the
    // staging field it feeds and the requests that carry it, its width, key
    // filter and the checks both party windows give it; placed in the cell
    // given, under the caption given or the party's own.
    static SetupField field(const QString& control, const QString& caption = {}, Cell cell = {});
    // The party's record: its fields in the order of the staging record,
    // each as the window declares it or else as both windows have it, and
    // the window's further fields last.
    static std::vector<SetupField> partyRecord(std::vector<SetupField> own);

    QGroupBox* Frame1;      // the party's fields
    QGroupBox* Frame2;      // "Function"
    QLineEdit* txtCustName; // never visible: the name of the party last loaded
    QLineEdit* txtAddress;
    QLineEdit* txtCity;
    QLineEdit* txtRegion;
    QLineEdit* txtCountry;
    QLineEdit* txtPostal;
    QLineEdit* txtPhone;
    QLineEdit* txtCreditTerm;
    QLineEdit* txtCreditLimit;
    QComboBox* cboCOA;
    QLineEdit* txtGLName;
    QComboBox* cboCurrency;
    QComboBox* cboForex;
    QComboBox* cboUnrealisedGain;
    QComboBox* cboUnrealisedLoss;
    QComboBox* cboRealisedGain;
    QComboBox* cboRealisedLoss;

    void cboCompany_Click() override;
    void cboCOA_Click();
    void cboForex_Click();

protected:
    // The texts that tell one kind of party from the other.
    struct PartyTexts {
        QString masterTable;     // the name list's table
        QString codeWhat;        // the code list, in messages: "Customer Code"
        QString noParty;         // a picked name no longer on record, with %1
        QString nothingToDelete; // DELETE with no party loaded
    };
    // own: the fields the window declares itself (partyRecord).
    PartySetupWindow(PartyTexts texts, std::vector<SetupField> own, QWidget* parent);

    // The buttons: CREATE NEW beside the frame "Function" (CLEAR ALL, UPDATE,
    // DELETE), REFRESH hidden at the end.
    QHBoxLayout* buttonRow();
    // The currency type's check, the four conversion accounts missing, the
    // checks of the named boxes in order, the window's own, and last what
    // the record cannot hold (credit term and limit whole numbers of 32 bits).
    CheckList partyChecks(const QStringList& controls, CheckList own = {});

    std::vector<ListFill> lists() const override;
    ListFill nameList() const override;
    void showDetails(const Recordset& record) override;
    CheckList requestChecks(Request request) override;
    std::vector<Assignment> assignments(Request request) override;

    bool isForeign() const;
    std::vector<QComboBox*> accountBoxes() const;
    void enableAccountBoxes();

private:
    Check conversionAccountsMissing();

    PartyTexts m_texts;
};

} // namespace orv
