#pragma once

#include "SetupWindow.h"

class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLineEdit;

namespace orv {

// The set-up frame of a trading party, a customer or a supplier: a party is
// also an account of the chart (its key is the code of its own account,
// chosen in the code list), trades in one currency, LOCAL or FOREIGN, and a
// foreign party names four exchange gain and loss accounts. The window gives
// its texts, lays the fields out, orders its checks from the blocks below and
// reads through its data class.
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
    static inline const QString kNotAnAccount =
        QStringLiteral("%1 %2 is not an account of the Chart of Accounts");

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
    PartySetupWindow(PartyTexts texts, QWidget* parent);

    // --- the data class ---------------------------------------------------
    // Get_ID("COA_T", text): the code of the account, or the empty text.
    virtual QString accountKey(const QString& code) = 0;

    // --- layout -------------------------------------------------------------
    // A label and its box in the fields' grid; no label for an empty name.
    void place(int row, int column, const QString& labelName, const QString& caption, QWidget* box);
    // The buttons: CREATE NEW beside the frame "Function" (CLEAR ALL, UPDATE,
    // DELETE), REFRESH hidden at the end.
    QHBoxLayout* buttonRow();

    // --- check blocks, in the words of both windows -------------------------
    // Four empty conversion accounts of a FOREIGN party: all four tinted.
    Check conversionAccountsMissing();
    // A number box: empty, not a number, zero or less.
    CheckList numberChecks(QLineEdit* box, const QString& emptyMessage, const QString& negativeMessage);
    // One conversion account empty while the party is FOREIGN.
    Check foreignAccountEmpty(QComboBox* box, const QString& message);
    // Credit term and limit whole numbers of 32 bits, as the record holds them.
    CheckList wholeNumberChecks();

    std::vector<ListFill> lists() const override;
    ListFill nameList() const override;
    std::vector<FieldDef> stagingFields() const override;
    void showDetails(const Recordset& record) override;
    CheckList requestChecks(Request request) override;
    std::vector<Assignment> assignments(Request request) override;
    std::vector<QWidget*> clearedFields() const override;

    bool isForeign() const;
    std::vector<QComboBox*> accountBoxes() const;
    void enableAccountBoxes();

private:
    PartyTexts m_texts;
    QGridLayout* m_grid;
};

} // namespace orv
