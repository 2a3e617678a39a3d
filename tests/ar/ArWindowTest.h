#pragma once

#include "ArBook.h"
#include "ar/EmployeeFrame.h"
#include "ar/ShippingFrame.h"
#include "ar/frmARSetup.h"
#include "support/gui/UiTest.h"
#include "ui/Controls.h"
#include "ui/RecordingUiServices.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

namespace orv::test {

// The customer master window over a test book, loaded and shown; every
// message and pointer change goes to the recorder.
class ArWindowTest : public ArBook {
protected:
    void TearDown() override {
        window.reset();
        ArBook::TearDown();
    }
    void open() {
        window = std::make_unique<frmARSetup>();
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->load();
        window->show();
        QCoreApplication::processEvents();
    }
    // Types into a box as the clerk does, key by key.
    static void type(QWidget* box, const QString& text) {
        QWidget* target = box;
        if (auto* combo = qobject_cast<QComboBox*>(box))
            target = combo->lineEdit();
        QTest::keyClicks(target, text);
    }
    // Chooses an entry of a list as the clerk does.
    static void choose(QComboBox* list, const QString& entry) {
        const int index = list->findText(entry);
        ASSERT_GE(index, 0) << entry.toStdString();
        list->setCurrentIndex(index);
        emit list->activated(index);
    }
    static QStringList items(const QComboBox* list) {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->itemText(i);
        return out;
    }
    // The focus is in the box (a list's own text box counts).
    bool focusedIn(QWidget* box) const {
        QWidget* focus = window->focusWidget();
        return focus && (focus == box || box->isAncestorOf(focus));
    }
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

    RecordingUiServices ui;
    std::unique_ptr<frmARSetup> window;
};

} // namespace orv::test
