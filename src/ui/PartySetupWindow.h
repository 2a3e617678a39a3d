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
// foreign party names four exchange gain and loss accounts. The window
// declares its record as a field table of the party's fields (field() gives
// each its column, type and key filter), with its captions, cells and texts,
// and gives the order of its checks.
class PartySetupWindow : public SetupWindow {
    Q_OBJECT
public:
    // The captions and messages both party windows share, under their
    // controls' names, then the messages.
    static constexpr auto kText = makeTextTable({
        {"Frame2", "Function"},
        {"lblAddress", "Address"},
        {"lblCity", "City"},
        {"lblRegion", "Region"},
        {"lblPostal", "PostalCode"},
        {"lblCountry", "Country"},
        {"lblPhone", "Phone"},
        {"lblCreditTerm", "Credit term :"},
        {"lblCreditLimit", "Credit Limit :"},
        {"lblCurrency", "Currency :"},
        {"lblUnrealisedGain", "Unrealised Gain"},
        {"lblUnrealisedLoss", "Unrealised Loss"},
        {"lblRealisedGain", "Realised Gain"},
        {"lblRealisedLoss", "Realised Loss"},
        {"Foreign", "FOREIGN"},
        {"Local", "LOCAL"},
        {"NoConversionAccounts", " Specify Foreign Currency Conversion Accounting Code "},
        {"NoUnrealisedGain", "Select Unrealised Gain Acccount Code!"},
        {"NoUnrealisedLoss", "Select Unrealised Loss Acccount Code!"},
        {"NoRealisedGain", "Select Realised Gain Acccount Code!"},
        {"NoRealisedLoss", "Select Realised Loss Acccount Code!"},
        {"NoAddress", "Enter Address"},
        {"NoCity", "Enter City"},
        {"NoPhone", "Enter Phone Number"},
        {"PhoneNegative", "Phone number must not be negative"},
        {"NoCountry", "Enter Country Name"},
        {"NoPostal", "Enter Postal Number"},
        {"PostalNegative", "Postal number must not be negative"},
        {"NoRegion", "Enter Region Name"},
        {"NoCreditTerm", "Enter Credit Term"},
        {"CreditTermNegative", "Credit Term must not be negative"},
        {"NoCreditLimit", "Enter Credit Limit"},
        {"CreditLimitNegative", "number must not be negative"},
        // What the party record cannot hold.
        {"CreditTermWhole", "Credit Term: type a whole number of days"},
        {"CreditLimitWhole", "Credit Limit: type a whole number"},
    });

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
