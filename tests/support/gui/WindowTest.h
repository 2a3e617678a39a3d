#pragma once

#include "support/gui/RecordingUiServices.h"
#include "support/gui/UiTest.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>
#include <memory>

namespace orv::test {

// One task window over a test book (Book, a TestBook), loaded and shown;
// every message, beep and pointer change goes to the recorder.
template <class Book, class W> class WindowTest : public Book {
protected:
    void TearDown() override {
        window.reset();
        Book::TearDown();
    }
    void open() {
        window = std::make_unique<W>();
        window->setAttribute(Qt::WA_DeleteOnClose, false); // the test owns it
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

    RecordingUiServices ui;
    std::unique_ptr<W> window;
};

} // namespace orv::test
