#pragma once

#include "ArBook.h"
#include "ar/frmARSetup.h"
#include "support/gui/RecordingUiServices.h"
#include "support/gui/WindowTest.h"
#include "uicore/Controls.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

namespace orv::test {

// The customer master window over a test book, loaded and shown; every
// message and pointer change goes to the recorder.
class ArWindowTest : public WindowTest<ArBook, frmARSetup> {
protected:
    // Presses a button and returns the last message it showed.
    QString press(QPushButton* button) {
        ui.clear();
        button->click();
        return ui.lastText();
    }
    // The controls of the shipping and employee sections.
    struct Shipping {
        QComboBox* cboShipcode;
        QLineEdit* txtshipphone;
        QLineEdit* txtshipaddr;
        QPushButton *cmdShip, *UpdateShip, *DeleteShip, *Command1;
        const SetupSection* section;
        const Recordset& staging() const { return section->staging(); }
    };
    struct Employees {
        QComboBox* cboEmployee;
        QLineEdit* txtfirstname;
        QDateEdit *DTPickerHire, *DTPickerBirth;
        QLineEdit *txtEmpAdd, *txtEmpNo;
        QPushButton *cmdEmp, *UpdateEmp, *DeleteEmp, *Command2;
        const SetupSection* section;
        const Recordset& staging() const { return section->staging(); }
    };
    template <class T> T* control(const char* name) const {
        return window->findChild<T*>(QString::fromLatin1(name));
    }
    Shipping shipping() const {
        return {control<QComboBox>("cboShipcode"),  control<QLineEdit>("txtshipphone"),
                control<QLineEdit>("txtshipaddr"),  control<QPushButton>("cmdShip"),
                control<QPushButton>("UpdateShip"), control<QPushButton>("DeleteShip"),
                control<QPushButton>("Command1"),   window->shipping};
    }
    Employees employees() const {
        return {control<QComboBox>("cboEmployee"),
                control<QLineEdit>("txtfirstname"),
                control<QDateEdit>("DTPickerHire"),
                control<QDateEdit>("DTPickerBirth"),
                control<QLineEdit>("txtEmpAdd"),
                control<QLineEdit>("txtEmpNo"),
                control<QPushButton>("cmdEmp"),
                control<QPushButton>("UpdateEmp"),
                control<QPushButton>("DeleteEmp"),
                control<QPushButton>("Command2"),
                window->employee};
    }
    // CREATE NEW, UPDATE, DELETE of the customer frame enabled?
    std::vector<bool> customerButtons() const {
        return {window->cmdSend->isEnabled(), window->cmdUpdate->isEnabled(), window->cmdDelete->isEnabled()};
    }
};

} // namespace orv::test
