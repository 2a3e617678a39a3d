#pragma once

#include "ui/EntryWindow.h"
#include "uicore/TextTable.h"

class QLabel;

namespace orv {

// What the journal and the retained-earnings windows share: the layout with
// the period boxes, the line record with its seven fields, the total with its
// two warnings, and the checks of a journal's lines. Each window gives its
// captions, widths, data class and what differs in its checks.
class JournalWindow : public EntryWindow {
    Q_OBJECT
public:
    // The texts both journal windows show, under the key the code reads them by.
    static constexpr auto kJournalText = makeTextTable({
        {"Label17", "Journal No :"},
        {"Label2", "Period :"},
        {"Label1", "Year :"},
        {"Label11", "Entry Date"},
        {"Label14", "Total :"},
        {"Label13", "Employee"},
        {"cmdNew", "NEW ENTRY"},
        {"cmdSend", "POST"},
        {"Posted", "Your Journal Entries has been posted. The posting number is: "},
        {"NoLines", "No items listed in Journal Entry Listbox!"},
        {"SpecifyAmount", "Specify Amount to post"},
        {"SpecifyDescription", "Specify Description for each journal entry"},
        {"DateMustBeSame", "Date must be the same"},
        {"AmountZero", "Amount must be specified for this account code"},
        {"WholeCents", "Amounts can have at most two decimals (dollars and cents)"},
        {"LineLimit", "An amount can be at most %1 either way on one line"},
        {"OneYear", "All lines of a journal must fall in one year: post each year's lines separately"},
    });

    QLabel* Label8;  // over the pick grid
    QLabel* Label17; // "Journal No :"
    QLabel* Label9;  // over the line grid
    QLabel* Label2;  // "Period :"
    QLabel* Label1;  // "Year :"
    QLabel* Label11; // "Entry Date"
    QLabel* Label14; // "Total :"
    QLabel* Label13; // "Employee"

protected:
    // What differs between the journal windows on the screen: the captions
    // and employee messages from the window's text table, and the widths.
    struct Look {
        QString window;
        QString pickGrid;
        QString lineGrid;
        QString specifyEmployee;
        QString noEmployee;
        std::vector<int> lineWidths;
        std::vector<int> pickWidths;
        std::vector<int> copied; // the pick grid's columns a dropped line copies
    };
    // The look from a window's text table (its Caption, Label8, Label9,
    // SpecifyEmployee and NoEmployee).
    template <const auto& Texts>
    static Look lookOf(std::vector<int> lineWidths, std::vector<int> pickWidths, std::vector<int> copied) {
        return {qtext(Texts["Caption"]),         qtext(Texts["Label8"]),     qtext(Texts["Label9"]),
                qtext(Texts["SpecifyEmployee"]), qtext(Texts["NoEmployee"]), std::move(lineWidths),
                std::move(pickWidths),           std::move(copied)};
    }
    JournalWindow(Look look, QWidget* parent);

    std::vector<int> copiedColumns() override { return m_look.copied; }
    QString noEmployeeMessage() const override { return m_look.noEmployee; }
    // The rows the pick grid offers, read at load and after every post.
    virtual Recordset pickRows() = 0;
    PickFeed pickFeed() override {
        return {[this] { return pickRows(); }, AtLoad | AfterPost, m_look.pickWidths};
    }
    LineLook lineLook() const override { return {m_look.lineWidths, {0, 1, 4, 5, 6}}; }
    line::Amounts computeLine(const RowView& line) override;
    void checkLine(const RowView& line) override;
    QString employeeMessage() const override { return m_look.specifyEmployee; }
    QString postedMessage() const override { return qtext(kJournalText["Posted"]); }

    // Adds the line's fields from the copied account and the period boxes.
    void fillJournalLine(Recordset& lines, const Variant& amount);
    // A journal's checks: the employee (empty, then a name no employee has),
    // the lines, what the window adds (balanceChecks), whole cents, one year.
    CheckList postChecks() override;
    virtual CheckList balanceChecks() { return {}; }
    // No lines, then each line from the first: amount, description, date
    // (a warning); then no amount beyond the line limit.
    CheckList lineChecks();
    // Every amount is whole cents.
    Check wholeCentsCheck();
    // Every line falls in one year.
    Check oneYearCheck();
    // The exact sum of the lines' amounts.
    Currency linesTotal() const;

private:
    void layOut();
    Look m_look;
};

} // namespace orv
