#pragma once

#include "clsARSetup.h"
#include "ui/SetupWindow.h"

#include <memory>

class QGroupBox;
class QLineEdit;

namespace orv {

class EmployeeFrame;
class ShippingFrame;

// "Customer Master": customers, shippers and employees, each in a frame of
// its own. A customer is also an account of the chart: its key is the code of
// its own account, chosen in the customer code list. The customer frame
// follows the set-up frame; the shipping and employee frames check inside
// each button and never disable one. REFRESH, pressed after every pick,
// rebuilds the staging records of all three frames.
class frmARSetup : public SetupWindow {
    Q_OBJECT
public:
    static inline const QString kForeign = QStringLiteral("FOREIGN");
    static inline const QString kLocal = QStringLiteral("LOCAL");

    static inline const QString kSpecifyCurType =
        QStringLiteral("Specify Customer Currency Type (FOREIGN or LOCAL)!");
    static inline const QString kSpecifyConversionAccounts =
        QStringLiteral(" Specify Foreign Currency Conversion Accounting Code ");
    static inline const QString kSpecifyName = QStringLiteral("Specify Customer Name!");
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
    static inline const QString kSpecifyCode = QStringLiteral("Specify Customer Code");
    static inline const QString kSelectUnrealisedGain =
        QStringLiteral("Select Unrealised Gain Acccount Code!");
    static inline const QString kSelectUnrealisedLoss =
        QStringLiteral("Select Unrealised Loss Acccount Code!");
    static inline const QString kSelectRealisedGain = QStringLiteral("Select Realised Gain Acccount Code!");
    static inline const QString kSelectRealisedLoss = QStringLiteral("Select Realised Loss Acccount Code!");
    static inline const QString kSpecifyCurrency = QStringLiteral("Specify Currency Type");
    // What the customer record and the chart of accounts cannot hold.
    static inline const QString kCreditTermWhole =
        QStringLiteral("Credit Term must be a whole number of days, at most 2147483647");
    static inline const QString kCreditLimitWhole =
        QStringLiteral("Credit Limit must be a whole number, at most 2147483647");
    static inline const QString kNotAnAccount =
        QStringLiteral("%1 %2 is not an account of the Chart of Accounts");
    static inline const QString kNothingToDelete =
        QStringLiteral("Select the Customer to delete from the CompanyName list!");
    static inline const QString kNoCustomer = QStringLiteral("No customer is named \"%1\"");

    explicit frmARSetup(QWidget* parent = nullptr);
    ~frmARSetup() override;

    QGroupBox* Frame1;      // "Customer Set-Up"
    QGroupBox* Frame2;      // "Function"
    QLineEdit* txtCustName; // never visible: the name of the customer last loaded
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
    ShippingFrame* shipping;
    EmployeeFrame* employee;

    void cboCompany_Click() override;
    void cboCOA_Click();
    void cboForex_Click();
    // REFRESH: enables the customer requests and rebuilds all three staging records.
    void cmdNew_Click() override;
    void Create_New_Shipper();
    void Create_New_Employee();

protected:
    void Form_Load() override;
    void createDataClass() override;
    Recordset readTable(const QString& table) override;
    Recordset readDetails(const QString& name) override;
    QString write(Request request) override;

    std::vector<ListFill> lists() const override;
    ListFill nameList() const override;
    std::vector<FieldDef> stagingFields() const override;
    void showDetails(const Recordset& record) override;
    CheckList validateChecks() override;
    CheckList requestChecks(Request request) override;
    std::vector<Assignment> assignments(Request request) override;
    std::vector<QWidget*> clearedFields() const override;

private:
    void layOut();
    std::vector<QComboBox*> accountBoxes() const;
    void enableAccountBoxes();
    bool isForeign() const;
    // The account of a code as typed, or an empty result when the text is no
    // code of the chart.
    Recordset account(const QString& code);
    Check inChart(QComboBox* box, const QString& what);

    std::unique_ptr<clsARSetup> m_ar;
};

} // namespace orv
