#pragma once

#include "JournalWindow.h"
#include "clsREEntry.h"

namespace orv {

// "Retained Earnings Entry": the year-end transfer. The pick grid offers, for
// the year the window shows, each profit-and-loss account with the amount
// that empties it; the clerk drags the lines in, describes them and posts.
// The lines need not add up: the database moves the difference to retained
// earnings.
class frmREEntry : public DataEntryWindow<clsREEntry, JournalWindow> {
    Q_OBJECT
public:
    // The transfer's own texts; JournalWindow::kJournalText holds the shared ones.
    static constexpr auto kText = makeTextTable({
        {"Caption", "Retained Earnings Entry"},
        {"Label8", "Amount Available to Post"},
        {"Label9", "Amount to transfer to Retained Earnings"},
        {"SpecifyEmployee", " Specify Employee Name "},
        {"NoEmployee", " No records was found in Employees Table "},
    });

    explicit frmREEntry(QWidget* parent = nullptr);

protected:
    void Form_Load() override;
    void fillNewLine(Recordset& lines) override;
    Recordset pickRows() override;
};

} // namespace orv
