#pragma once

#include "values/Currency.h"
#include "values/Recordset.h"

#include <QPointer>
#include <QString>
#include <functional>
#include <initializer_list>
#include <vector>

class QWidget;

namespace orv {

// One check of a window, declared as data: what fails, the message and its
// title, and what happens to the field (focus, whole text selected, tint).
// A window lists its checks in order; runChecks stops at the first failure.
class Check {
public:
    using Condition = std::function<bool()>; // true when the check fails
    using LineCondition = std::function<bool(const RowView& line)>;

    // The field's text is exactly the empty text (a text of blanks passes).
    static Check empty(QWidget* field, const QString& message, const QString& title = {});
    // An empty number field: the message is titled "Missing field".
    static Check emptyNumber(QWidget* field, const QString& message);
    // A number field whose text is not a number: "Enter numerical and not
    // character", titled "Invalid Input", the whole text selected.
    static Check notNumber(QWidget* field);
    // A number below the minimum / above the maximum: the window's message,
    // the whole text selected. A text that is not a number passes (the
    // number check comes first).
    static Check below(QWidget* field, Currency minimum, const QString& message);
    static Check above(QWidget* field, Currency maximum, const QString& message);
    // A text that is not a whole number of 32 bits, as an integer field
    // holds it ("1e3" and "12.5" are not): the window's message, the focus
    // on the field, its text not selected.
    static Check notWholeNumber(QWidget* field, const QString& message);
    // A number of zero or less: the window's message, the whole text selected.
    // A text that is not a number passes (the number check comes first).
    static Check notPositive(QWidget* field, const QString& message);
    // Every one of the fields empty: each turns light blue, the focus stays.
    static Check allEmpty(const std::vector<QWidget*>& fields, const QString& message);
    // Any other condition, with the field (if any) that receives the focus.
    static Check when(Condition fails, const QString& message, QWidget* focus = nullptr,
                      const QString& title = {});
    // Shows its message when the condition holds, but lets the checks go on.
    static Check warning(Condition fails, const QString& message, const QString& title = {});
    // A check of one line, which it reads through the row it is given.
    static Check onLine(LineCondition fails, const QString& message);
    static Check warningOnLine(LineCondition fails, const QString& message);
    // Runs the line checks for every line of a record set from the first.
    // The walk reads the rows without the record set's cursor; the first
    // failing line check ends the run and makes its line the current one,
    // for the clerk to be shown (`refused` is told which). A run that passes
    // leaves the cursor alone.
    static Check eachLine(const Recordset& lines, std::vector<Check> perLine,
                          std::function<void(int row)> refused = {});

    // On failure the field turns light blue (and stays so).
    Check& tinted();
    // On failure the field's whole text is selected before it gets the focus.
    Check& selectingText();
    // The check fails only while the condition holds as well.
    Check& onlyIf(const std::function<bool()>& condition);

    // Shows the message and moves the focus when the check fails. Returns
    // true when the run may go on (the check passed, or it only warns).
    bool run() const;

private:
    bool runOn(const RowView& line) const;
    bool fail() const; // shows the message; true when the run may go on

    Condition m_fails;
    LineCondition m_lineFails;
    std::function<bool()> m_custom; // replaces the whole run (eachLine)
    QString m_message;
    QString m_title;
    QPointer<QWidget> m_field;
    bool m_warning = false;
    bool m_select = false;
    bool m_tint = false;
};

using CheckList = std::vector<Check>;

// Runs the checks in order and stops at the first failure; true when all pass.
bool runChecks(const CheckList& checks);
// The lists one after another, as one list.
CheckList inOrder(std::initializer_list<CheckList> lists);

// The number a field holds, when its text reads as one.
bool fieldNumber(const QWidget* field, Currency* out);

} // namespace orv
