#include "frmARSetup.h"

#include "uicore/Controls.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QVBoxLayout>

namespace orv {

namespace {

using F = SetupField;
constexpr auto& T = frmARSetup::kText;

// Where the customer's boxes stand, and the customer's own captions and texts.
std::vector<SetupField> customerPlaces() {
    return {
        F::list("cboCOA", qtext(T["lblCOA"]), {4, 2}).whenEmpty(qtext(T["NoCode"])),
        F::list("cboCompany", qtext(T["lblCompany"]), {0, 0}).whenEmpty(qtext(T["NoName"])),
        F::text("txtCustName", qtext(T["lblCustName"]), {0, 1}),
        F::text("txtCreditTerm", {}, {0, 2}),
        F::text("txtCreditLimit", {}, {1, 2}),
        F::list("cboCurrency", {}, {2, 2}).whenEmpty(qtext(T["NoCurrency"])),
        F::list("cboForex", qtext(T["lblForex"]), {3, 2}).whenEmpty(qtext(T["NoCurType"])),
        F::text("txtGLName", {}, {5, 2}),
    };
}

} // namespace

frmARSetup::frmARSetup(QWidget* parent)
    : SetupWindowOver(&clsARSetup::Get_Customer_Details,
                      PartyTexts{QStringLiteral("Customers"), QStringLiteral("Customer Code"),
                                 qtext(kText["NoCustomer"]), qtext(kText["NothingToDelete"])},
                      parent),
      fraShipping(makeControl<QGroupBox>(this, QStringLiteral("fraShipping"))),
      fraEmployee(makeControl<QGroupBox>(this, QStringLiteral("fraEmployee"))) {
    setParty(customerPlaces())->stagedIn(QStringLiteral("Temp_Customers"));
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
                             .missing = qtext(kText["NoShipper"])};
    readsAndWriters(requests, {&clsARSetup::Get_Shipper_Details, &clsARSetup::Send_Ship,
                               &clsARSetup::Update_Ship, &clsARSetup::Delete_Ship});
    return addSection(fraShipping,
                      {
                          F::names("cboShipcode", qtext(T["lblShipcode"]), {0, 0}, "Shippers", "CompanyName")
                              .feeds("CompanyName")
                              .whenEmpty(qtext(kText["NoShipName"])),
                          F::typed("txtshipphone", qtext(T["lblShipphone"]), {1, 0}, "Phone")
                              .labelled("lblShipphone")
                              .whenEmpty(qtext(kText["NoShipPhone"])),
                          F::typed("txtshipaddr", qtext(T["lblShipaddr"]), {0, 1}, "Shipaddr")
                              .labelled("lblShipaddr")
                              .whenEmpty(qtext(kText["NoShipAddress"])),
                      },
                      std::move(requests))
        ->stagedIn(QStringLiteral("Temp_Shippers"));
}

SetupSection* frmARSetup::addEmployees() {
    SectionRequests requests{.create = "cmdEmp",
                             .update = "UpdateEmp",
                             .remove = "DeleteEmp",
                             .clear = "Command2",
                             .missing = qtext(kText["NoEmployee"])};
    readsAndWriters(requests, {&clsARSetup::Get_Employee_Details, &clsARSetup::Send_Employee,
                               &clsARSetup::Update_Employee, &clsARSetup::Delete_Employee});
    requests.ownChecks = [this] {
        auto holdsComma = [](QWidget* name, const QString& message) {
            QPointer<QWidget> box(name);
            return Check::when([box] { return fieldText(box).contains(QLatin1Char(',')); }, message, name);
        };
        return CheckList{holdsComma(cboEmployee, qtext(kText["CommaInLastName"])),
                         holdsComma(txtfirstname, qtext(kText["CommaInFirstName"]))};
    };
    SetupSection* section =
        addSection(fraEmployee,
                   {
                       F::names("cboEmployee", qtext(T["lblLastName"]), {0, 0}, "Employees", "LastName")
                           .labelled("lblLastName")
                           .feeds("LastName")
                           .whenEmpty(qtext(kText["NoLastName"]))
                           .into(cboEmployee),
                       F::typed("txtfirstname", qtext(T["lblFirstName"]), {1, 0}, "FirstName")
                           .labelled("lblFirstName")
                           .whenEmpty(qtext(kText["NoFirstName"]))
                           .into(txtfirstname),
                       F::date("DTPickerBirth", qtext(T["lblBirthDate"]), {1, 1})
                           .labelled("lblBirthDate")
                           .feeds("BirthDate", DataType::Date)
                           .into(DTPickerBirth),
                       F::date("DTPickerHire", qtext(T["lblHireDate"]), {0, 1})
                           .labelled("lblHireDate")
                           .feeds("HireDate", DataType::Date)
                           .into(DTPickerHire),
                       F::typed("txtEmpAdd", qtext(T["lblEmpAdd"]), {0, 2}, "Address")
                           .whenEmpty(qtext(kText["NoEmpAddress"])),
                       F::typed("txtEmpNo", qtext(T["lblEmpNo"]), {1, 2}, "HomePhone")
                           .whenEmpty(qtext(kText["NoContact"])),
                   },
                   std::move(requests));
    section->stagedIn(QStringLiteral("Temp_Employees"));
    for (QDateEdit* picker : {DTPickerBirth, DTPickerHire})
        picker->setDate(startDate());
    return section;
}

CheckList frmARSetup::validateChecks() {
    return partyChecks({"cboCompany", "txtAddress", "txtCity", "txtPhone", "txtCountry", "txtPostal",
                        "txtRegion", "txtCreditTerm", "txtCreditLimit", "cboCOA", "cboUnrealisedGain",
                        "cboUnrealisedLoss", "cboRealisedGain", "cboRealisedLoss", "cboCurrency"});
}

} // namespace orv
