#pragma once

#include "JournalWindow.h"
#include "clsREEntry.h"

#include <memory>

namespace orv {

// "Retained Earnings Entry": the year-end transfer. The pick grid offers, for
// the year the window shows, each profit-and-loss account with the amount
// that empties it; the clerk drags the lines in, describes them and posts.
// The lines need not add up: the database moves the difference to retained
// earnings.
class frmREEntry : public JournalWindow {
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
    ~frmREEntry() override;

protected:
    void Form_Load() override;
    void createDataClass() override;
    Recordset readTable(const QString& table) override;
    QString lookupId(const QString& table, const QString& value) override;
    QString sendOrder() override;

    std::vector<int> copiedColumns() const override { return {0, 1, 2}; }
    void fillNewLine(Recordset& lines) override;
    CheckList postChecks() override;
    QString noEmployeeMessage() const override { return qtext(kText["NoEmployee"]); }
    void loadPickGrid() override;
    void reloadPickAfterPost() override { loadPickGrid(); }
    std::vector<int> pickColumnWidths() const override { return {1800, 1600, 1200, 800}; }

private:
    std::unique_ptr<clsREEntry> m_transfer;
};

} // namespace orv
