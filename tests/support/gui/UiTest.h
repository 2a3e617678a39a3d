#pragma once

#include "ui/RecordingUiServices.h"

#include <QApplication>
#include <QString>
#include <gtest/gtest.h>
#include <ostream>

// Texts in failure messages as text.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace orv::test {

// A ui test: the application object exists and a recorder takes every
// message, beep, pointer change and drag for the test's duration.
class UiTest : public ::testing::Test {
protected:
    RecordingUiServices ui;
};

} // namespace orv::test
