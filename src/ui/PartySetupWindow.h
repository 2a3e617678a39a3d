#pragma once

#include "SetupWindow.h"
#include "uicore/TextTable.h"

class QGroupBox;
class QHBoxLayout;
class QLineEdit;

namespace orv {

// The set-up frame of a trading party, a customer or a supplier: a party is
// also an account of the chart (its key is the code of its own account,
// chosen in the code list), trades in one currency, LOCAL or FOREIGN, and a
// foreign party names four exchange gain and loss accounts. The frame declares
// the party's fields (columns, checks, lists, key filters, what a LOCAL or a
// FOREIGN party sends); the window places them, gives its own captions, texts
// and further fields, and the order of its checks.
class PartySetupWindow : public SetupWindow {
    Q_OBJECT
public:
    // The captions and messages both party windows share, under their
    // controls' names, then the messages; the last two say what the party
    // record cannot hold.
    // clang-format off
    static constexpr auto kText = makeTextTable({
        {"Frame2", "Function"}, {"lblAddress", "Address"}, {"lblCity", "City"}, {"lblRegion", "Region"},
        {"lblPostal", "PostalCode"}, {"lblCountry", "Country"}, {"lblPhone", "Phone"},
        {"lblCreditTerm", "Credit term :"}, {"lblCreditLimit", "Credit Limit :"}, {"lblCurrency", "Currency :"},
        {"lblUnrealisedGain", "Unrealised Gain"}, {"lblUnrealisedLoss", "Unrealised Loss"},
        {"lblRealisedGain", "Realised Gain"}, {"lblRealisedLoss", "Realised Loss"}, {"Foreign", "FOREIGN"},
        {"Local", "LOCAL"}, {"NoConversionAccounts", " Specify Foreign Currency Conversion Accounting Code "},
        {"NoUnrealisedGain", "Select Unrealised Gain Acccount Code!"},
        {"NoUnrealisedLoss", "Select Unrealised Loss Acccount Code!"},
        {"NoRealisedGain", "Select Realised Gain Acccount Code!"},
        {"NoRealisedLoss", "Select Realised Loss Acccount Code!"}, {"NoAddress", "Enter Address"},
        {"NoCity", "Enter City"}, {"NoPhone", "Enter Phone Number"},
        {"PhoneNegative", "Phone number must not be negative"}, {"NoCountry", "Enter Country Name"},
        {"NoPostal", "Enter Postal Number"}, {"PostalNegative", "Postal number must not be negative"},
        {"NoRegion", "Enter Region Name"}, {"NoCreditTerm", "Enter Credit Term"},
        {"CreditTermNegative", "Credit Term must not be negative"}, {"NoCreditLimit", "Enter Credit Limit"},
        {"CreditLimitNegative", "number must not be negative"},
        {"CreditTermWhole", "Credit Term: type a whole number of days"},
        {"CreditLimitWhole", "Credit Limit: type a whole number"},
    });
    // clang-format on

    QGroupBox* Frame1;                // the party's fields
    QGroupBox* Frame2;                // "Function"
    QLineEdit* txtCustName = nullptr; // never visible: the name of the party last loaded
    QLineEdit *txtAddress = nullptr, *txtCity = nullptr, *txtRegion = nullptr, *txtCountry = nullptr;
    QLineEdit *txtPostal = nullptr, *txtPhone = nullptr, *txtCreditTerm = nullptr, *txtCreditLimit = nullptr;
    QComboBox* cboCOA = nullptr;
    QLineEdit* txtGLName = nullptr;
    QComboBox *cboCurrency = nullptr, *cboForex = nullptr;
    QComboBox *cboUnrealisedGain = nullptr, *cboUnrealisedLoss = nullptr;
    QComboBox *cboRealisedGain = nullptr, *cboRealisedLoss = nullptr;

    void cboCompany_Click() override { pickRecord(m_texts.noParty); }
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

    // The party's record, laid out in Frame1: every party field in the order
    // of the staging record, each as the window places it (placedBy), then
    // the window's further fields.
    SetupSection* setParty(std::vector<SetupField> placed);
    // The buttons: CREATE NEW beside the frame "Function" (CLEAR ALL, UPDATE,
    // DELETE), REFRESH hidden at the end.
    QHBoxLayout* buttonRow();
    // The currency type's check, the four conversion accounts missing, the
    // checks of the named boxes in order, the window's own, and last what
    // the record cannot hold (credit term and limit whole numbers of 32 bits).
    CheckList partyChecks(const QStringList& controls, CheckList own = {});

    void showDetails(const Recordset& record) override;

private:
    std::vector<SetupField> partyFields();
    bool isForeign() const;
    std::vector<QComboBox*> accountBoxes() const;

    PartyTexts m_texts;
};

} // namespace orv
