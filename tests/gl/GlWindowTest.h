#pragma once

#include "GlBook.h"
#include "support/gui/RecordingUiServices.h"
#include "support/gui/WindowTest.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>
#include <memory>

namespace orv::test {

// A window of the general ledger over a test book, loaded and shown; every
// message, beep and pointer change goes to the recorder.
template <class W> using GlWindowTest = WindowTest<GlBook, W>;

} // namespace orv::test
