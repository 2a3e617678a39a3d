#pragma once

#include "ArBook.h"
#include "ar/EmployeeFrame.h"
#include "ar/ShippingFrame.h"
#include "ar/frmARSetup.h"
#include "support/gui/WindowTest.h"
#include "ui/Controls.h"
#include "support/gui/RecordingUiServices.h"

#include <QComboBox>
#include <QCoreApplication>
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
    // CREATE NEW, UPDATE, DELETE of the customer frame enabled?
    std::vector<bool> customerButtons() const {
        return {window->cmdSend->isEnabled(), window->cmdUpdate->isEnabled(), window->cmdDelete->isEnabled()};
    }
};

} // namespace orv::test
