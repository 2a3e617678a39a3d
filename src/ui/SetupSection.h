#pragma once

// A set-up section: one kind of master record, its fields declared once.
//
// A window declares each field of the record in one table, in the order of
// the staging record (the label's name is the box's with "lbl" for its prefix):
//
//   using F = SetupField;
//   setRecord({
//       F::list("cboCompany", "Filter By Name :", {0, 0}),
//       F::text("txtAcctCode", "Account Code :", {1, 0}).feeds("GL_ID", DataType::Integer)
//           .carriedBy(kCreate).whenEmpty("Enter Account Code"),
//       F::text("txtAcctName", "Account Name : ", {2, 0}).feeds("GL_Name_VC", DataType::Text, 20)
//           .whenEmpty("Enter Account Name"),
//       F::text("txtStatus", "Account Status :", {2, 1}).feeds("Status_bt", DataType::BigInt)
//           .whenEmpty("Enter Status").within(Currency(), Currency::fromUnits(1), kStatusMessage)
//           .filtered(Keys::Filtered),
//   });
//
// From it the section builds the boxes (or adopts one the window already has,
// such as the frame's cboCompany), their labels, maxLength (where typing is
// limited) and key filters, and derives:
//   layOut(grid)     labels and boxes in their cells;
//   buildStaging()   the one-row staging record, a field per column, in order;
//   show(record)     a picked record's columns into their boxes;
//   assign(request)  the boxes into the staging fields the request carries;
//   clear()          every box of the table emptied (a date keeps its date);
//   checks()         the checks the columns call for, in field order: empty,
//                    number, range, with the window's texts;
//   fitChecks()      what the staging record cannot hold: a number that is no
//                    whole number of its integer field, a text longer than
//                    its field; a window runs them after its own checks.
// The window keeps only its own rules: extra checks, the order of its checks
// where it differs, its texts, and reads and writers of its data class.
// SetupWindow::setRecord makes the table the window's record; addSection
// wires a further section (name list, buttons, writers) into a window.

#include "RecordFields.h"
#include "WriteAnswer.h"
#include "uicore/Check.h"
#include "values/Currency.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QComboBox;
class QGridLayout;
class QWidget;

namespace orv {

enum class SetupRequest { Create, Update, Delete };

// Which requests carry a field, as a set of bits.
using Requests = unsigned;
inline constexpr Requests kCreate = 1U;
inline constexpr Requests kUpdate = 2U;
inline constexpr Requests kDelete = 4U;
inline constexpr Requests kAllRequests = kCreate | kUpdate | kDelete;
inline constexpr Requests requestBit(SetupRequest request) {
    return request == SetupRequest::Create ? kCreate : request == SetupRequest::Update ? kUpdate : kDelete;
}

// The kind of box a field is shown in.
enum class Box { Text, List, Date };
// The key filter of a box: any key, the filtered set (digits, lower-case
// letters, backspace) or digits alone.
enum class Keys { Any, Filtered, Digits };

// How the checks read a field: as its column's type calls for, as a text
// (only the empty check) or as a number (a text column holding a number).
enum class CheckAs { Column, Text, Number };

// Where a field sits in its section's grid; a row below 0 is not placed.
struct Cell {
    int row = -1;
    int column = 0;
};

// One field of a set-up section.
struct SetupField {
    QString control;                // the box's name: "txtAcctCode"
    Box box = Box::Text;            // a list takes typed text as well as a choice
    QString caption;                // the label's caption
    Cell cell;                      // where the label and box sit
    QString label;                  // the label's name; none for an empty name
    QString column;                 // the staging field it feeds; empty for none
    DataType type = DataType::Text; // the staging field's type
    int width = 0;                  // the length of a text field
    Requests requests = kAllRequests;
    QString empty;                   // the message for an empty box; none: no check
    std::optional<Currency> minimum; // a number below it fails with the range message
    std::optional<Currency> maximum; // a number above it fails with the range message
    QString range;
    Keys keys = Keys::Any;
    QString keysMessage; // the key filter's message, where it has its own
    QStringList entries; // the fixed entries of a list
    QString notPositive; // a number of zero or less fails with it; none: no check
    CheckAs checkAs = CheckAs::Column;
    bool limitTyping = false;  // the box takes no more than width characters
    bool shown = true;         // a pick copies the record's column into the box
    bool lettersFirst = false; // a whole-number field refuses a text of no number on its own first
    bool tint = false;         // a failing check tints the box light blue
    QString source;            // the picked record's column shown in the box; the staging column by default
    QString keyTable;          // the box's text is a code of this table, carried as its key
    QString listTable;         // the table whose column fills the list at load
    QString listColumn;
    bool listSorted = false; // the list alphabetical, not in the table's order
    QString chart;           // a request carrying it refuses a code of no account; the field in its message
    // What a request carries instead of the box's text, where it gives anything.
    std::function<std::optional<QString>(const QString&)> instead;
    std::function<bool()> applies;      // the field's checks run only while it holds; none: always
    QString what;                       // the field in messages; the caption without its colon by default
    std::function<void(QWidget*)> bind; // hands the box to the window's member; none: not kept
    // A hidden box of the name last picked, which a delete carries: DELETE's
    // message when none was picked; none: an ordinary box.
    QString nothingPicked;
    QString accountOf; // the box names the account whose code the box of this name holds

    static SetupField text(const QString& control, const QString& caption = {}, Cell cell = {});
    static SetupField list(const QString& control, const QString& caption = {}, Cell cell = {});
    static SetupField date(const QString& control, const QString& caption = {}, Cell cell = {});
    // A box the clerk types the staging field's text into, typing held to
    // the field's width.
    static SetupField typed(const QString& control, const QString& caption, Cell cell, const QString& field);
    // The name list of a record: every name of the table's column, typing
    // held to the staging field's width; a pick shows the record's other
    // columns and leaves the name as chosen.
    static SetupField names(const QString& control, const QString& caption, Cell cell, const QString& table,
                            const QString& column);
    // A hidden box holding the name last picked in the window's name list: a
    // delete carries it as the staging field (never a name typed since), and
    // a delete with nothing picked stops with the message, the focus on the list.
    static SetupField lastPicked(const QString& control, const QString& field, const QString& nothingPicked);
    // A list of the chart's account codes, carried in GL_ID as the key of
    // the account chosen; a request that carries it refuses a typed code of
    // no account, naming the field as what.
    static SetupField chartCode(const QString& control, const QString& caption, Cell cell,
                                const QString& what);
    // A disabled box beside a chart code list (the box codeControl) that
    // always names the account whose code the list shows, typed or chosen; a
    // choice in the list shows its account and presses REFRESH.
    static SetupField accountName(const QString& control, const QString& codeControl, Cell cell = {});

    SetupField& labelled(const QString& labelName);
    SetupField& feeds(const QString& stagingField, DataType fieldType = DataType::Text, int fieldWidth = 0);
    SetupField& carriedBy(Requests carried);
    SetupField& whenEmpty(const QString& message);
    SetupField& within(std::optional<Currency> lowest, std::optional<Currency> highest,
                       const QString& message);
    SetupField& filtered(Keys filter, const QString& message = {});
    SetupField& positive(const QString& message);
    SetupField& withEntries(const QStringList& fixed);
    SetupField& checkedAs(CheckAs how);
    SetupField& typingLimited();
    SetupField& notShown();
    // The field's checks fail only while the condition holds as well.
    SetupField& checkedOnlyIf(std::function<bool()> condition);
    // What fitChecks says of a whole-number field that holds no number at all:
    // "<what> : Enter numerical and not character", titled "Invalid Input",
    // before the field's range.
    SetupField& refusingLetters();
    // Every check of the field tints its box when it fails.
    SetupField& tinting();
    // A pick shows the record's column of this name in the box.
    SetupField& shownFrom(const QString& column);
    // The box holds a code of a table; the request carries the key the data
    // class's Get_ID finds for it, and no fit check reads the box's text.
    SetupField& keyOf(const QString& table);
    // The list holds the column of every row of the table, in table order
    // or alphabetical.
    SetupField& listedFrom(const QString& table, const QString& column, bool alphabetical = false);
    // The box holds a code of the chart: a request that carries it refuses a
    // typed code that is no account, naming the field as what.
    SetupField& inChartAs(const QString& what);
    // The request carries the text replace makes of the box's, where it
    // makes one; the box's own text is then neither carried nor looked up.
    SetupField& sentInstead(std::function<std::optional<QString>(const QString&)> replace);
    SetupField& called(const QString& name);
    // The window keeps the box in a member of its own, set when the box is made.
    template <class Control> SetupField& into(Control*& member) {
        bind = [&member](QWidget* made) { member = qobject_cast<Control*>(made); };
        return *this;
    }
};

// A frame's fields as a window places them, in the frame's order: a field of
// the window naming the same box gives its cell, and its caption, empty
// message and fixed entries where it gives them; the window's other fields
// follow.
std::vector<SetupField> placedBy(const std::vector<SetupField>& frame, std::vector<SetupField> placed);

// The steps of every request of a set-up window: the checks, the staging
// fields, the writer; then the arrow pointer and the writer's text in a
// message; then, unless the books refused it, the name list read again and
// the fields emptied. A refusal puts the focus on the box of a field it
// names and changes nothing else. True when the books took the request.
struct RequestSteps {
    SetupRequest request;
    CheckList checks;
    std::function<std::vector<FieldBox>()> assign; // assigns; the fields and their boxes
    std::function<QString()> write;
    std::function<void()> reload;
    std::function<void()> clear;
};
bool runRequest(QWidget* window, const RequestSteps& steps);

// Runs fill (which empties and fills the list) so that the list shows the
// same text afterwards: what the clerk typed or chose stays.
void keepingText(QComboBox* list, const std::function<void()>& fill);

class SetupSection : public QObject {
    Q_OBJECT
public:
    // The boxes are children of parent; a box the window already holds under
    // the field's name is taken as it is.
    SetupSection(QWidget* parent, std::vector<SetupField> fields);
    // A section whose staging record is declared apart: each field takes its
    // column's type and width from it, and the staging record keeps its order.
    SetupSection(QWidget* parent, std::vector<FieldDef> record, std::vector<SetupField> fields);

    const std::vector<SetupField>& fields() const { return m_fields; }
    // The table the section's requests are staged in: its own bounds give
    // the text fields their widths when the window loads (takeWidths).
    SetupSection* stagedIn(const QString& table) {
        m_stagingTable = table;
        return this;
    }
    const QString& stagingTable() const { return m_stagingTable; }
    // Every check of every field tints its box when it fails.
    SetupSection* tintingEveryBox() {
        for (SetupField& field : m_fields)
            field.tint = true;
        return this;
    }
    // Each text field takes the width its column allows (widths under the
    // columns' names in lower case), and a box that limits typing is held to it.
    void takeWidths(const QHash<QString, int>& widths);
    QWidget* box(const QString& control) const;
    template <class T> T* box(const QString& control) const { return qobject_cast<T*>(box(control)); }

    void layOut(QGridLayout* grid) const;
    // Fills the lists the fields are listed from, in field order, each on its
    // own: one that cannot be read leaves the others filled.
    void fillLists(const std::function<Recordset(const QString&)>& readTable) const;
    // Fills the list of one field again.
    void fillList(const QString& control, const std::function<Recordset(const QString&)>& readTable) const;
    std::vector<FieldDef> stagingFields() const;
    void buildStaging();
    Recordset& staging() { return m_staging; }
    const Recordset& staging() const { return m_staging; }
    void show(const Recordset& record) const;
    // The staging fields a request carries, each with its box, in order.
    std::vector<FieldBox> carried(SetupRequest request) const;
    std::vector<FieldBox> assign(SetupRequest request);
    // The boxes CLEAR ALL empties, in order: all but the date pickers.
    std::vector<QWidget*> cleared() const;
    void clear() const;
    CheckList checks() const;
    CheckList fitChecks() const;
    // The checks of one field alone, for a window that orders its checks
    // otherwise than its fields; and what its staging field cannot hold.
    CheckList checksOf(const QString& control) const;
    CheckList fitChecksOf(const QString& control) const;
    // The text a request carries for a field: the box's, or what replaces it.
    static QString sentText(const SetupField& field, const QWidget* box);

    // A record read for a key chosen in a list, shown; a key no longer there
    // is named in missingMessage (its %1) and nothing changes. True when shown.
    bool showPicked(const Recordset& record, const QString& missingMessage, const QString& key) const;
    // One request of a section that has buttons of its own: the section's
    // checks, its own (own), then what its staging record cannot hold, the
    // staging fields the request carries, the writer; then as runRequest.
    // True when the books took it.
    bool request(SetupRequest request, const std::function<QString(const Recordset&)>& write,
                 const std::function<void()>& reload, const std::function<void()>& clear, CheckList own = {});

    static QString whatOf(const SetupField& field);

private:
    CheckList fieldChecks(const SetupField& field) const;
    CheckList untintedChecks(const SetupField& field) const;
    CheckList fitChecksAt(std::size_t index) const;
    CheckList untintedFitChecks(std::size_t index) const;

    QWidget* m_parent;
    std::vector<SetupField> m_fields;
    std::vector<QWidget*> m_boxes;
    std::vector<FieldDef> m_record; // the staging record when declared apart
    Recordset m_staging;
    QString m_stagingTable;
};

} // namespace orv
