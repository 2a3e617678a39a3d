#pragma once

#include "support/QtPrinters.h"
#include "support/gui/RecordingUiServices.h"

#include <QApplication>
#include <QString>
#include <gtest/gtest.h>
#include <ostream>

namespace orv::test {

// A ui test: the application object exists and a recorder takes every
// message, beep, pointer change and drag for the test's duration.
class UiTest : public ::testing::Test {
protected:
    RecordingUiServices ui;
};

} // namespace orv::test
