#pragma once

#include "JournalWindow.h"
#include "clsGLEntry.h"

#include <memory>

namespace orv {

// "Journal Entry": a general journal of any number of lines on the accounts
// of the chart, each with a signed amount (debit positive) and a
// description, which must add up to zero.
class frmGLEntry : public JournalWindow {
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
    ~frmGLEntry() override;

protected:
    void createDataClass() override;
    Recordset readTable(const QString& table) override;
    QString lookupId(const QString& table, const QString& value) override;
    QString sendOrder() override;

    std::vector<int> copiedColumns() const override { return {0, 1}; }
    void fillNewLine(Recordset& lines) override;
    CheckList postChecks() override;
    QString noEmployeeMessage() const override { return qtext(kText["NoEmployee"]); }
    void loadPickGrid() override;
    void reloadPickAfterPost() override { loadPickGrid(); }
    std::vector<int> pickColumnWidths() const override { return {1200, 1600, 1200, 800}; }

private:
    std::unique_ptr<clsGLEntry> m_journal;
};

} // namespace orv
