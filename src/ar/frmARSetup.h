#pragma once

#include "clsARSetup.h"
#include "ui/PartySetupWindow.h"

#include <QDate>

namespace orv {

// "Customer Master": customers, shippers and employees, each a section of its
// own. A customer is also an account of the chart: its key is the code of its
// own account, chosen in the customer code list. The customer section follows
// the set-up frame; the shipping and employee sections run their own checks,
// clear their own boxes and never disable a button. REFRESH, pressed after
// every pick, rebuilds the staging records of all three sections.
class frmARSetup : public SetupWindowOver<clsARSetup, PartySetupWindow> {
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
    static inline const QString kSpecifyShipName = QStringLiteral("Specify Shipping Name!");
    static inline const QString kSpecifyShipPhone = QStringLiteral("Specify Shipping Contact Number!");
    static inline const QString kSpecifyShipAddress = QStringLiteral("Specify Shipping Address!");
    static inline const QString kNoShipper = QStringLiteral("No shipper is named \"%1\"");
    static inline const QString kSpecifyLastName = QStringLiteral("Specify Last Name!");
    static inline const QString kSpecifyFirstName = QStringLiteral("Specify First Name!");
    static inline const QString kSpecifyEmpAddress = QStringLiteral("Specify Employee Address!");
    static inline const QString kSpecifyContact = QStringLiteral("Specify Employee Contact Number!");
    // Every posting window lists an employee as "Last, First" and finds the
    // key again by splitting at the first comma.
    static inline const QString kCommaInLastName = QStringLiteral("Last Name must not contain a comma!");
    static inline const QString kCommaInFirstName = QStringLiteral("First Name must not contain a comma!");
    static inline const QString kNoEmployee = QStringLiteral("No employee has the last name \"%1\"");
    // The date both employee pickers show when the window opens.
    static QDate startDate() { return QDate(2010, 1, 4); }

    explicit frmARSetup(QWidget* parent = nullptr);

    QGroupBox* fraShipping;
    QGroupBox* fraEmployee;
    SetupSection* shipping;
    SetupSection* employee;

protected:
    std::vector<ListFill> lists() const override;
    CheckList validateChecks() override;

private:
    SetupSection* addShipping();
    SetupSection* addEmployees();
};

} // namespace orv
