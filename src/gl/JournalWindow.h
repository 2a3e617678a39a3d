#pragma once

#include "ui/EntryWindow.h"
#include "ui/TextTable.h"

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
    struct Captions {
        QString window;
        QString pickGrid;
        QString lineGrid;
    };
    JournalWindow(const Captions& captions, std::vector<int> lineWidths, QWidget* parent);

    std::vector<FieldDef> headerFields() const override;
    std::vector<LineColumn> lineColumns() const override;
    Currency computeLine(const RowView& line) override;
    QString postedMessage() const override { return qtext(kJournalText["Posted"]); }

    // Adds the line's fields from the copied account and the period boxes.
    void fillJournalLine(Recordset& lines, const Variant& amount);
    // The employee checks (empty, then a name no employee has), each with
    // the window's message and the focus in the employee box.
    CheckList employeeChecks(const QString& message);
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
    void layOut(const Captions& captions);
    std::vector<int> m_lineWidths;
};

} // namespace orv
