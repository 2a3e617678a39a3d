// The shipping and employee frames of the customer master window: their own
// checks, requests and clearing, buttons that are never disabled, and the
// REFRESH their picks press.
#include "ArWindowTest.h"

#include <QDateEdit>

using namespace orv;

namespace {

class SetUpFramesTest : public test::ArWindowTest {
protected:
    void fillShipper(const QString& name, const QString& phone, const QString& address) {
        const Shipping s = shipping();
        s.cboShipcode->setEditText(name);
        s.txtshipphone->setText(phone);
        s.txtshipaddr->setText(address);
    }
    void fillEmployee(const QString& last, const QString& first, const QString& address,
                      const QString& phone) {
        const Employees e = employees();
        e.cboEmployee->setEditText(last);
        e.txtfirstname->setText(first);
        e.txtEmpAdd->setText(address);
        e.txtEmpNo->setText(phone);
    }
    bool shipperButtonsEnabled() const {
        const Shipping s = shipping();
        return s.cmdShip->isEnabled() && s.UpdateShip->isEnabled() && s.DeleteShip->isEnabled() &&
               s.Command1->isEnabled();
    }
    bool employeeButtonsEnabled() const {
        const Employees e = employees();
        return e.cmdEmp->isEnabled() && e.UpdateEmp->isEnabled() && e.DeleteEmp->isEnabled() &&
               e.Command2->isEnabled();
    }
};

TEST_F(SetUpFramesTest, ShipperChecksRunInOrderAndBlanksCount) {
    open();
    const Shipping s = shipping();
    const struct {
        QWidget* box;
        QString text;
        QString message;
    } steps[] = {{s.cboShipcode, "   ", qtext(frmARSetup::kText["NoShipName"])},
                 {s.txtshipphone, "not a number", qtext(frmARSetup::kText["NoShipPhone"])},
                 {s.txtshipaddr, "5 Harbour Rd", qtext(frmARSetup::kText["NoShipAddress"])}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.message.toStdString());
        EXPECT_EQ(press(s.DeleteShip), step.message);
        EXPECT_EQ(ui.messages().back().title, kAppTitle);
        EXPECT_TRUE(focusedIn(step.box));
        setFieldText(step.box, step.text);
    }
    // A name of blanks passes the frame; the database refuses it, and what
    // was typed stays for the clerk to correct.
    EXPECT_EQ(press(s.cmdShip), QStringLiteral("Type the shipper's name."));
    EXPECT_EQ(s.cboShipcode->currentText(), QStringLiteral("   "));
    EXPECT_EQ(s.txtshipphone->text(), QStringLiteral("not a number"));
    EXPECT_EQ(s.txtshipaddr->text(), QStringLiteral("5 Harbour Rd"));
    EXPECT_TRUE(focusedIn(s.cboShipcode));
    EXPECT_TRUE(shipperButtonsEnabled());
    EXPECT_EQ(count(QStringLiteral("Temp_Shippers")), 0);
}

TEST_F(SetUpFramesTest, ShippersAreCreatedUpdatedAndDeletedWithTheirSentences) {
    open();
    const Shipping s = shipping();
    fillShipper(QStringLiteral("O'Hara Freight"), QStringLiteral("62223333"), QStringLiteral("5 Harbour Rd"));
    EXPECT_EQ(press(s.cmdShip), QStringLiteral("Shipper only created for unassigned Code O'Hara Freight"));
    EXPECT_EQ(ui.pointers().back().pointer, Pointer::Arrow);
    EXPECT_EQ(items(s.cboShipcode), QStringList{"O'Hara Freight"});
    EXPECT_TRUE(s.cboShipcode->currentText().isEmpty());
    EXPECT_TRUE(shipperButtonsEnabled());
    EXPECT_EQ(s.staging().value(QStringLiteral("CompanyName")).toString(), QStringLiteral("O'Hara Freight"));

    // A pick loads the shipper and presses REFRESH: the customer requests
    // are enabled again and every staging record is built anew.
    window->cmdSend->setEnabled(false);
    choose(s.cboShipcode, QStringLiteral("O'Hara Freight"));
    EXPECT_EQ(s.txtshipphone->text(), QStringLiteral("62223333"));
    EXPECT_EQ(s.txtshipaddr->text(), QStringLiteral("5 Harbour Rd"));
    EXPECT_TRUE(window->cmdSend->isEnabled());
    EXPECT_TRUE(s.staging().value(QStringLiteral("CompanyName")).isBlank());

    s.txtshipaddr->setText(QStringLiteral("7 Pier Rd"));
    EXPECT_EQ(press(s.UpdateShip), QStringLiteral("Shipper Updated for O'Hara Freight"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Shipaddr FROM Shippers")), QStringLiteral("7 Pier Rd"));

    choose(s.cboShipcode, QStringLiteral("O'Hara Freight"));
    window->cmdClear->click();
    EXPECT_EQ(s.txtshipphone->text(), QStringLiteral("62223333")) << "CLEAR ALL leaves the shipping frame";
    s.Command1->click();
    EXPECT_TRUE(s.txtshipphone->text().isEmpty());

    fillShipper(QStringLiteral("O'Hara Freight"), QStringLiteral("x"), QStringLiteral("y"));
    EXPECT_EQ(press(s.DeleteShip), QStringLiteral("Shipper deleted for O'Hara Freight"));
    EXPECT_TRUE(items(s.cboShipcode).isEmpty());
    fillShipper(QStringLiteral("Nobody"), QStringLiteral("x"), QStringLiteral("y"));
    EXPECT_EQ(press(s.UpdateShip),
              clsARSetup::kShipperFailed.update +
                  QStringLiteral("\nThere is no shipper of that name; choose the shipper "
                                 "from the list."));
    EXPECT_TRUE(shipperButtonsEnabled());
    expectBooksSound();
}

TEST_F(SetUpFramesTest, AShipperRemovedMeanwhileLoadsNothingAndTypingStopsAtTheColumn) {
    addShipper(QStringLiteral("Speedy"));
    open();
    const Shipping s = shipping();
    type(s.cboShipcode, QString(50, QLatin1Char('s')));
    EXPECT_EQ(s.cboShipcode->currentText().size(), 40);
    type(s.txtshipphone, QString(30, QLatin1Char('9')));
    EXPECT_EQ(s.txtshipphone->text().size(), 24);

    deleteShipper(QStringLiteral("Speedy"));
    window->cmdSend->setEnabled(false);
    ui.clear();
    choose(s.cboShipcode, QStringLiteral("Speedy"));
    EXPECT_EQ(ui.texts(), QStringList{qtext(frmARSetup::kText["NoShipper"]).arg(QStringLiteral("Speedy"))});
    EXPECT_EQ(s.txtshipphone->text().size(), 24) << "nothing loaded";
    EXPECT_FALSE(window->cmdSend->isEnabled()) << "no REFRESH";
}

TEST_F(SetUpFramesTest, EmployeeChecksRunInOrderAndRefuseACommaInEitherName) {
    open();
    const Employees e = employees();
    const struct {
        QWidget* box;
        QString text;
        QString message;
    } steps[] = {{e.cboEmployee, "Lee, Jr", qtext(frmARSetup::kText["NoLastName"])},
                 {e.txtfirstname, "Ken", qtext(frmARSetup::kText["NoFirstName"])},
                 {e.txtEmpAdd, "3 Hill St", qtext(frmARSetup::kText["NoEmpAddress"])},
                 {e.txtEmpNo, "  ", qtext(frmARSetup::kText["NoContact"])},
                 {e.cboEmployee, "Lee", qtext(frmARSetup::kText["CommaInLastName"])},
                 {e.txtfirstname, "Ken", qtext(frmARSetup::kText["CommaInFirstName"])}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.message.toStdString());
        if (step.message == qtext(frmARSetup::kText["CommaInFirstName"]))
            e.txtfirstname->setText(QStringLiteral("K, en"));
        EXPECT_EQ(press(e.cmdEmp), step.message);
        EXPECT_EQ(ui.messages().back().title, kAppTitle);
        EXPECT_TRUE(focusedIn(step.box));
        setFieldText(step.box, step.text);
    }
    EXPECT_EQ(count(QStringLiteral("Temp_Employees")), 0);
    EXPECT_EQ(press(e.cmdEmp), QStringLiteral("Employee created for  Lee"));
    EXPECT_EQ(count(QStringLiteral("Employees")), 1) << "a contact number of blanks passes the frame";
}

TEST_F(SetUpFramesTest, EmployeesCarryThePickersDatesWhichStayAfterClear) {
    open();
    const Employees e = employees();
    EXPECT_EQ(e.DTPickerHire->date(), QDate(2010, 1, 4));
    EXPECT_EQ(e.DTPickerBirth->date(), QDate(2010, 1, 4));
    fillEmployee(QStringLiteral("Tan"), QStringLiteral("Mary"), QStringLiteral("3 Hill St"),
                 QStringLiteral("61112222"));
    EXPECT_EQ(press(e.cmdEmp), QStringLiteral("Employee created for  Tan"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT HireDate || ' ' || BirthDate FROM Employees")),
              QStringLiteral("2010-01-04 2010-01-04"));
    EXPECT_TRUE(employeeButtonsEnabled());
    EXPECT_EQ(items(e.cboEmployee), QStringList{"Tan"});
    EXPECT_TRUE(e.txtfirstname->text().isEmpty());

    addEmployee(QStringLiteral("Tan"), QStringLiteral("John")); // hired 2009-03-01, born 1980-07-21
    e.DTPickerHire->setDate(QDate(2001, 2, 3));
    fillEmployee(QStringLiteral("Tan"), QStringLiteral("John"), QStringLiteral("8 Bay Rd"),
                 QStringLiteral("6"));
    EXPECT_EQ(press(e.UpdateEmp), QStringLiteral("Employee updated for  Tan"));
    EXPECT_EQ(
        scalar(QStringLiteral("SELECT Address || ' ' || HireDate FROM Employees WHERE FirstName = 'John'")),
        QStringLiteral("8 Bay Rd 2001-02-03"));

    // Two employees share the last name: both are listed, either loads the
    // first one.
    EXPECT_EQ(items(e.cboEmployee), (QStringList{"Tan", "Tan"}));
    window->cmdUpdate->setEnabled(false);
    QStringList loaded;
    for (int index : {0, 1}) {
        e.cboEmployee->setCurrentIndex(index);
        emit e.cboEmployee->activated(index);
        loaded << e.txtfirstname->text() + QLatin1Char(' ') + e.txtEmpNo->text();
    }
    EXPECT_EQ(loaded[0], loaded[1]);
    EXPECT_TRUE(window->cmdUpdate->isEnabled()) << "the pick pressed REFRESH";

    choose(e.cboEmployee, QStringLiteral("Tan"));
    e.DTPickerBirth->setDate(QDate(1975, 5, 6));
    e.Command2->click();
    EXPECT_TRUE(e.cboEmployee->currentText().isEmpty());
    EXPECT_TRUE(e.txtEmpAdd->text().isEmpty());
    EXPECT_EQ(e.DTPickerBirth->date(), QDate(1975, 5, 6));
    fillEmployee(QStringLiteral("Ng"), QStringLiteral("Ann"), QStringLiteral("1 Sea Rd"),
                 QStringLiteral("7"));
    press(e.cmdEmp);
    EXPECT_EQ(scalar(QStringLiteral("SELECT BirthDate FROM Employees WHERE LastName = 'Ng'")),
              QStringLiteral("1975-05-06"));

    fillEmployee(QStringLiteral("Ng"), QStringLiteral("Ann"), QStringLiteral("x"), QStringLiteral("y"));
    EXPECT_EQ(press(e.DeleteEmp), QStringLiteral("Employee deleted for  Ng"));
    EXPECT_EQ(items(e.cboEmployee), (QStringList{"Tan", "Tan"}));
    EXPECT_TRUE(employeeButtonsEnabled());
    expectBooksSound();
}

TEST_F(SetUpFramesTest, AnEmployeeWithPostingsStaysAndARemovedOneLoadsNothing) {
    postJournal(kPettyCash, 0, addEmployee(QStringLiteral("Tan"), QStringLiteral("Mary")));
    addEmployee(QStringLiteral("Lim"), QStringLiteral("Bob"));
    open();
    const Employees e = employees();
    fillEmployee(QStringLiteral("Tan"), QStringLiteral("Mary"), QStringLiteral("x"), QStringLiteral("y"));
    EXPECT_EQ(press(e.DeleteEmp),
              clsARSetup::kEmployeeFailed.remove +
                  QStringLiteral("\nThe employee has keyed in documents and cannot be deleted."));
    EXPECT_EQ(e.txtfirstname->text(), QStringLiteral("Mary")) << "a refusal keeps what was typed";
    EXPECT_EQ(count(QStringLiteral("Employees")), 2);

    type(e.cboEmployee, QString(25, QLatin1Char('l')));
    EXPECT_EQ(e.cboEmployee->currentText().size(), 20);
    type(e.txtfirstname, QString(12, QLatin1Char('f')));
    EXPECT_EQ(e.txtfirstname->text().size(), 10);

    deleteEmployee(QStringLiteral("Lim"), QStringLiteral("Bob"));
    ui.clear();
    choose(e.cboEmployee, QStringLiteral("Lim"));
    EXPECT_EQ(ui.texts(), QStringList{qtext(frmARSetup::kText["NoEmployee"]).arg(QStringLiteral("Lim"))});
    EXPECT_EQ(e.txtfirstname->text().size(), 10) << "nothing loaded";
    expectBooksSound();
}

} // namespace
