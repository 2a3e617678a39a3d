#include "frmARSetup.h"

#include "uicore/Controls.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QPointer>
#include <QVBoxLayout>

namespace orv {

namespace {

using F = SetupField;
using P = PartySetupWindow;
constexpr auto& T = frmARSetup::kText;

// The customer's own boxes and texts; the other party boxes stand where both
// party windows have them.
std::vector<SetupField> customerFields() {
    return {
        P::field("cboCOA", qtext(T["lblCOA"]), {4, 2}).whenEmpty(qtext(frmARSetup::kText["NoCode"])),
        P::field("cboCompany", qtext(T["lblCompany"]), {0, 0}).whenEmpty(qtext(frmARSetup::kText["NoName"])),
        P::field("txtCustName", qtext(T["lblCustName"]), {0, 1}),
        P::field("txtCreditTerm", {}, {0, 2}),
        P::field("txtCreditLimit", {}, {1, 2}),
        P::field("cboCurrency", {}, {2, 2}).whenEmpty(qtext(frmARSetup::kText["NoCurrency"])),
        P::field("cboForex", qtext(T["lblForex"]), {3, 2}).whenEmpty(qtext(frmARSetup::kText["NoCurType"])),
        P::field("txtGLName", {}, {5, 2}),
    };
}

} // namespace

frmARSetup::frmARSetup(QWidget* parent)
    : SetupWindowOver({&clsARSetup::Get_Customer_Details, &clsARSetup::Send_Order, &clsARSetup::Update_Order,
                       &clsARSetup::Delete_Order, &clsARSetup::Get_COA_Details},
                      PartyTexts{QStringLiteral("Customers"), QStringLiteral("Customer Code"),
                                 qtext(kText["NoCustomer"]), qtext(kText["NothingToDelete"])},
                      customerFields(), parent),
      fraShipping(makeControl<QGroupBox>(this, QStringLiteral("fraShipping"))),
      fraEmployee(makeControl<QGroupBox>(this, QStringLiteral("fraEmployee"))) {
    record()->stagedIn(QStringLiteral("Temp_Customers"));
    shipping = addShipping();
    employee = addEmployees();

    auto* page = new QVBoxLayout(this);
    page->addWidget(Frame1);
    page->addLayout(buttonRow());
    page->addWidget(fraShipping);
    page->addWidget(fraEmployee);
    applyCaptions(this, kText);
    resize(820, 600);
}

SetupSection* frmARSetup::addShipping() {
    SectionRequests requests{.create = "cmdShip",
                             .update = "UpdateShip",
                             .remove = "DeleteShip",
                             .clear = "Command1",
                             .table = "Shippers",
                             .column = "CompanyName",
                             .missing = qtext(kText["NoShipper"])};
    readsAndWriters(requests, {&clsARSetup::Get_Shipper_Details, &clsARSetup::Send_Ship,
                               &clsARSetup::Update_Ship, &clsARSetup::Delete_Ship});
    return addSection(fraShipping,
                      {
                          F::list("cboShipcode", qtext(T["lblShipcode"]), {0, 0})
                              .feeds("CompanyName")
                              .whenEmpty(qtext(kText["NoShipName"]))
                              .typingLimited()
                              .notShown(),
                          F::text("txtshipphone", qtext(T["lblShipphone"]), {1, 0})
                              .labelled("lblShipphone")
                              .feeds("Phone")
                              .whenEmpty(qtext(kText["NoShipPhone"]))
                              .typingLimited(),
                          F::text("txtshipaddr", qtext(T["lblShipaddr"]), {0, 1})
                              .labelled("lblShipaddr")
                              .feeds("Shipaddr")
                              .whenEmpty(qtext(kText["NoShipAddress"]))
                              .typingLimited(),
                      },
                      std::move(requests))
        ->stagedIn(QStringLiteral("Temp_Shippers"));
}

SetupSection* frmARSetup::addEmployees() {
    SectionRequests requests{.create = "cmdEmp",
                             .update = "UpdateEmp",
                             .remove = "DeleteEmp",
                             .clear = "Command2",
                             .table = "Employees",
                             .column = "LastName",
                             .missing = qtext(kText["NoEmployee"])};
    readsAndWriters(requests, {&clsARSetup::Get_Employee_Details, &clsARSetup::Send_Employee,
                               &clsARSetup::Update_Employee, &clsARSetup::Delete_Employee});
    requests.ownChecks = [this] {
        auto holdsComma = [this](const char* control, const QString& message) {
            QPointer<QWidget> box(employee->box(QString::fromLatin1(control)));
            return Check::when([box] { return fieldText(box).contains(QLatin1Char(',')); }, message, box);
        };
        return CheckList{holdsComma("cboEmployee", qtext(kText["CommaInLastName"])),
                         holdsComma("txtfirstname", qtext(kText["CommaInFirstName"]))};
    };
    SetupSection* section = addSection(fraEmployee,
                                       {
                                           F::list("cboEmployee", qtext(T["lblLastName"]), {0, 0})
                                               .labelled("lblLastName")
                                               .feeds("LastName")
                                               .whenEmpty(qtext(kText["NoLastName"]))
                                               .typingLimited()
                                               .notShown(),
                                           F::text("txtfirstname", qtext(T["lblFirstName"]), {1, 0})
                                               .labelled("lblFirstName")
                                               .feeds("FirstName")
                                               .whenEmpty(qtext(kText["NoFirstName"]))
                                               .typingLimited(),
                                           F::date("DTPickerBirth", qtext(T["lblBirthDate"]), {1, 1})
                                               .labelled("lblBirthDate")
                                               .feeds("BirthDate", DataType::Date),
                                           F::date("DTPickerHire", qtext(T["lblHireDate"]), {0, 1})
                                               .labelled("lblHireDate")
                                               .feeds("HireDate", DataType::Date),
                                           F::text("txtEmpAdd", qtext(T["lblEmpAdd"]), {0, 2})
                                               .feeds("Address")
                                               .whenEmpty(qtext(kText["NoEmpAddress"]))
                                               .typingLimited(),
                                           F::text("txtEmpNo", qtext(T["lblEmpNo"]), {1, 2})
                                               .feeds("HomePhone")
                                               .whenEmpty(qtext(kText["NoContact"]))
                                               .typingLimited(),
                                       },
                                       std::move(requests));
    section->stagedIn(QStringLiteral("Temp_Employees"));
    for (const char* picker : {"DTPickerBirth", "DTPickerHire"})
        section->box<QDateEdit>(QString::fromLatin1(picker))->setDate(startDate());
    return section;
}

std::vector<SetupWindow::ListFill> frmARSetup::lists() const {
    std::vector<ListFill> fills = PartySetupWindow::lists();
    // The shipper and employee lists are read before the currencies.
    fills.insert(fills.end() - 1, {namesOf(shipping), namesOf(employee)});
    return fills;
}

CheckList frmARSetup::validateChecks() {
    return partyChecks({"cboCompany", "txtAddress", "txtCity", "txtPhone", "txtCountry", "txtPostal",
                        "txtRegion", "txtCreditTerm", "txtCreditLimit", "cboCOA", "cboUnrealisedGain",
                        "cboUnrealisedLoss", "cboRealisedGain", "cboRealisedLoss", "cboCurrency"});
}

} // namespace orv
