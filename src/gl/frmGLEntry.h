#pragma once

#include "JournalWindow.h"
#include "clsGLEntry.h"

namespace orv {

// "Journal Entry": a general journal of any number of lines on the accounts
// of the chart, each with a signed amount (debit positive) and a
// description, which must add up to zero.
class frmGLEntry : public DataEntryWindow<clsGLEntry, JournalWindow> {
    Q_OBJECT
public:
    // The journal's own texts; JournalWindow::kJournalText holds the shared ones.
    static constexpr auto kText = makeTextTable({
        {"Caption", "Journal Entry"},
        {"Label8", "Available GL Code"},
        {"Label9", "Journal Entry : [Do not post to stock/cash/AR/AP code]"},
        {"SpecifyEmployee", "Specify Employee Name"},
        {"NotBalanced", "Debit and Credit must be zero"},
        {"NoEmployee", " No Employee Name was created yet in AR Set-Up "},
    });

    explicit frmGLEntry(QWidget* parent = nullptr);

protected:
    void fillNewLine(Recordset& lines) override;
    CheckList balanceChecks() override;
    Recordset pickRows() override;
};

} // namespace orv
