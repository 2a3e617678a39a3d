#pragma once

#include "clsARSetup.h"
#include "ui/PartySetupWindow.h"

#include <memory>

namespace orv {

class EmployeeFrame;
class ShippingFrame;

// "Customer Master": customers, shippers and employees, each in a frame of
// its own. A customer is also an account of the chart: its key is the code of
// its own account, chosen in the customer code list. The customer frame
// follows the set-up frame; the shipping and employee frames check inside
// each button and never disable one. REFRESH, pressed after every pick,
// rebuilds the staging records of all three frames.
class frmARSetup : public PartySetupWindow {
    Q_OBJECT
public:
    static inline const QString kSpecifyCurType =
        QStringLiteral("Specify Customer Currency Type (FOREIGN or LOCAL)!");
    static inline const QString kSpecifyName = QStringLiteral("Specify Customer Name!");
    static inline const QString kSpecifyCode = QStringLiteral("Specify Customer Code");
    static inline const QString kSpecifyCurrency = QStringLiteral("Specify Currency Type");
    static inline const QString kNothingToDelete =
        QStringLiteral("Select the Customer to delete from the CompanyName list!");
    static inline const QString kNoCustomer = QStringLiteral("No customer is named \"%1\"");

    explicit frmARSetup(QWidget* parent = nullptr);
    ~frmARSetup() override;

    ShippingFrame* shipping;
    EmployeeFrame* employee;

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

    Recordset readAccount(std::int32_t code) override;
    QString accountKey(const QString& code) override;

    std::vector<ListFill> lists() const override;
    CheckList validateChecks() override;

private:
    void layOut();

    std::unique_ptr<clsARSetup> m_ar;
};

} // namespace orv
