// Subsystems meet in the database: an employee created in the customer master
// window is listed by the journal window, and a journal posts under that
// employee's key.
#include "app/Orvan.h"
#include "ar/frmARSetup.h"
#include "db/CompanyDatabase.h"
#include "gl/frmGLEntry.h"
#include "support/TestBook.h"
#include "support/gui/RecordingUiServices.h"
#include "ui/WindowRegistry.h"
#include "values/Recordset.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>

using namespace orv;

namespace {

class EmployeeAcrossWindowsTest : public test::TestBook {
protected:
    void SetUp() override {
        TestBook::SetUp();
        QCoreApplication::setApplicationVersion(QStringLiteral("1.0"));
        menu = WindowRegistry::shared().show<Orvan>();
    }
    void TearDown() override {
        WindowRegistry::shared().discardAll();
        TestBook::TearDown();
    }
    // A journal line on an account of the pick grid with its amount.
    static void addLine(frmGLEntry* journal, int account, const QString& amount) {
        int row = 0;
        while (row < journal->hfgProducts->rows() &&
               journal->hfgProducts->cellText(row, 0) != QString::number(account))
            ++row;
        ASSERT_LT(row, journal->hfgProducts->rows()) << account;
        journal->hfgProducts_MouseDown(row);
        journal->dgrOrderDetails_DragDrop();
        Recordset lines = journal->lines();
        const int last = lines.recordCount() - 1;
        lines.setValueAt(last, lines.fieldIndex(QStringLiteral("Amount")), Variant(amount));
        lines.setValueAt(last, lines.fieldIndex(QStringLiteral("Descrip")), Variant(QStringLiteral("rent")));
        journal->Total_All();
    }

    RecordingUiServices ui;
    Orvan* menu = nullptr;
};

} // namespace

TEST_F(EmployeeAcrossWindowsTest, AnEmployeeCreatedInCustomerMasterPostsAJournal) {
    menu->button(QStringLiteral("cmdCallGL_Entry"))->click();
    frmGLEntry* journal = WindowRegistry::shared().find<frmGLEntry>();
    ASSERT_NE(journal, nullptr);
    EXPECT_EQ(journal->cboEmployee->count(), 0);
    journal->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QPushButton* setUp = menu->button(QStringLiteral("cmdCallAR_Setup"));
    ASSERT_TRUE(setUp->isEnabled());
    setUp->click();
    auto* master = WindowRegistry::shared().find<frmARSetup>();
    ASSERT_NE(master, nullptr);
    const auto fillEmployee = [master] {
        master->employee->box<QComboBox>(QStringLiteral("cboEmployee"))
            ->setEditText(QStringLiteral("O'Brien"));
        master->employee->box<QLineEdit>(QStringLiteral("txtfirstname"))->setText(QStringLiteral("Sean"));
        master->employee->box<QLineEdit>(QStringLiteral("txtEmpAdd"))->setText(QStringLiteral("4 Quay St"));
        master->employee->box<QLineEdit>(QStringLiteral("txtEmpNo"))->setText(QStringLiteral("63334444"));
    };
    fillEmployee();
    ui.clear();
    master->findChild<QPushButton*>(QStringLiteral("cmdEmp"))->click();
    EXPECT_EQ(ui.lastText(), QStringLiteral("Employee created for  O'Brien"));

    // The journal window, opened again, lists the employee as "Last, First".
    menu->button(QStringLiteral("cmdCallGL_Entry"))->click();
    journal = WindowRegistry::shared().find<frmGLEntry>();
    ASSERT_NE(journal, nullptr);
    ASSERT_EQ(journal->cboEmployee->count(), 1);
    EXPECT_EQ(journal->cboEmployee->itemText(0), QStringLiteral("O'Brien, Sean"));
    journal->cboEmployee->setCurrentIndex(0);
    addLine(journal, 6100, QStringLiteral("100"));
    addLine(journal, 1010, QStringLiteral("-100"));
    ui.clear();
    journal->cmdSend->click();
    EXPECT_EQ(ui.lastText(), qtext(JournalWindow::kJournalText["Posted"]) + QStringLiteral("1"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT EmployeeID FROM Document_T")),
              scalar(QStringLiteral("SELECT EmployeeID FROM Employees WHERE LastName = 'O''Brien'")));

    // Now the employee has history and stays.
    fillEmployee();
    master->findChild<QPushButton*>(QStringLiteral("DeleteEmp"))->click();
    EXPECT_EQ(ui.lastText(), QStringLiteral("Employee Deletion Failed\n"
                                            "The employee has keyed in documents and cannot be deleted."));
    EXPECT_EQ(count(QStringLiteral("Employees")), 1);

    Recordset broken = db::CompanyDatabase::execute(QStringLiteral("check_invariants"));
    EXPECT_EQ(broken.recordCount(), 0);
}
