#pragma once

#include "LineGrid.h"
#include "PartyHeader.h"
#include "PickGrid.h"
#include "RecordFields.h"
#include "Window.h"
#include "uicore/Check.h"
#include "uicore/TextTable.h"
#include "values/Currency.h"
#include "values/Money.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <span>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;

namespace orv {

// The frame of every entry window: the clerk drags rows from the pick grid
// into the line grid, edits the lines and posts the document, which the
// window's data class writes and numbers. The frame holds the header and line
// record sets (as the data class declares them), the shared controls and the
// common steps of load, drop, total, New and Post; a window gives what is its
// own by overriding the hooks below and lays out the controls. Windows never
// touch SQL: the hooks reach the window's data class.
class EntryWindow : public Window {
    Q_OBJECT
public:
    // The texts of the frame, and those that several entry windows share.
    static constexpr auto kSharedText = makeTextTable({
        {"Image1", "Left click mouse on a row and drag to bottom"},
        {"NoTotal", "$ 0.00"},
        {"NoEmployee", " No records was found in Employees Table "},
        {"ItemExists", "Item already exists!"},
        {"NoLines", "No items listed in the order detail section!"},
        {"AmountTooLarge",
         "The amount of this line is too large to be kept: enter a smaller quantity or price"},
        {"TotalTooLarge",
         "The lines are too large to be added up: enter smaller quantities or prices, or post fewer lines"},
    });
    static inline const QString kTotalPicture = QStringLiteral("$ ##0.00");
    // What a total box without a design text of its own shows until the
    // lines are first added up.
    static inline const QString kTotalAtDesign = QStringLiteral("$0.00");

    explicit EntryWindow(QWidget* parent = nullptr);

    // The controls every entry window has.
    PickGrid* hfgProducts;
    LineGrid* dgrOrderDetails;
    QComboBox* cboEmployee;
    QLineEdit* txtSubTotal;
    QPushButton* cmdNew;
    QPushButton* cmdSend;
    QDateEdit* dtpOrder;
    QLineEdit* txtOrderID;
    QLabel* Image1;
    // The period boxes of the journal windows (null unless the window uses them).
    QLineEdit* txtMonth = nullptr;
    QLineEdit* txtYear = nullptr;
    // The document's party (null unless the window has one).
    PartyHeader* party = nullptr;

    const Recordset& header() const { return m_header; }
    // The document's figures as posting would take them: every line computed
    // afresh and summed; none when a line or a sum is beyond the money range.
    std::optional<line::Amounts> documentAmounts();
    const Recordset& lines() const { return m_lines; }
    // The cells of the pick-grid row last pressed, one per copied column.
    const QStringList& copiedCells() const { return m_copied; }

    // The procedures of the frame; the event handlers call them guarded.
    void Create_New_Order();
    void Create_New_Order_Detail();
    virtual void Total_All();
    void hfgProducts_MouseDown(int row);
    // Copies a pick row's cells for the drop that follows.
    void copyPickRow(int row);
    // Reads the pick grid's feed again and shows it.
    void reloadPick();
    void dgrOrderDetails_DragOver(LineGrid::DragState state);
    void dgrOrderDetails_DragDrop();
    void cmdNew_Click();
    void cmdSend_Click();
    // The clerk chose a party (or the key header that starts documents): its
    // record is read and a new document starts.
    virtual void cboCompany_Click();

protected:
    // The line grid's look: column widths in twips (0 keeps the grid's
    // default) and the columns the clerk may not edit, by position.
    struct LineLook {
        std::vector<int> widths;
        std::set<int> locked;
    };
    // A drop is refused when a line's fields all equal their copied cells
    // (one to four of them, each compared as text, exactly).
    struct DuplicateTest {
        std::vector<std::pair<QString, int>> fields; // line field, index into copiedCells()
        QString message = qtext(kSharedText["ItemExists"]);
    };
    // A total box: the figure of every line it sums, and the line field that
    // keeps the line's own figure (none: the line keeps it nowhere).
    struct TotalBox {
        QLineEdit* box;
        Currency line::Amounts::*figure = &line::Amounts::gross;
        QString lineField = {};
    };
    // The pick grid's feed: the data class's read that fills it, when the
    // frame reads it again, and its column widths in twips. A list that can
    // grow long is read a page at a time: `read` gives the first page and
    // `more` the rows that follow those shown, as the clerk scrolls to them.
    enum PickReload : unsigned { AtLoad = 1, AtNew = 2, AfterPost = 4 };
    struct PickFeed {
        std::function<Recordset()> read;
        unsigned reload = 0; // PickReload flags
        std::vector<int> widths = {};
        std::function<Recordset(const Recordset& shown)> more = {};
        // A list read a page at a time: page(after) reads the rows after the
        // key given (the first page after none); the next page starts after
        // the key column of the last row shown.
        static PickFeed paged(std::function<Recordset(const QString& after)> page, int keyColumn,
                              unsigned reload, std::vector<int> widths) {
            return {[page] { return page(QString()); }, reload, std::move(widths),
                    [page, keyColumn](const Recordset& shown) {
                        return shown.recordCount() == 0
                                   ? Recordset()
                                   : page(shown.valueAt(shown.recordCount() - 1, keyColumn).toString());
                    }};
        }
    };

    // --- the data class -------------------------------------------------
    virtual void createDataClass() = 0;
    // Every row of a table (Get_Table_Recordset).
    virtual Recordset readTable(const QString& table) = 0;
    // The key of a name in a table (Get_ID).
    virtual QString lookupId(const QString& table, const QString& value) = 0;
    // The document's records as the data class declares them: the header
    // with its one row, the lines empty.
    virtual Recordset newHeader() = 0;
    virtual Recordset newLines() = 0;
    // Writes the document (Send_Order with header and lines): the posting
    // number, or the data class's failure text.
    virtual QString sendOrder() = 0;

    // --- the window's own ------------------------------------------------
    virtual LineLook lineLook() const = 0;
    virtual PickFeed pickFeed() { return {}; }
    // A dropped line: the text of each copied pick column goes into its line
    // field, then each value into its field, all converted to the fields'
    // types.
    struct NewLine {
        std::vector<std::pair<int, QString>> copies; // pick column, line field
        std::vector<std::pair<QString, Variant>> values = {};
    };
    virtual NewLine newLine() { return {}; }
    // The pick-grid columns a mouse press copies, in order: by default those
    // the new line copies.
    virtual std::vector<int> copiedColumns();
    virtual std::optional<DuplicateTest> duplicateTest() const { return std::nullopt; }
    // Sets the fields of the line just added (the current line): by default
    // as newLine() declares them.
    virtual void fillNewLine(Recordset& lines);
    // A line's figures (nothing else: the frame also computes them to check
    // a post); throws DataError when one is beyond the money range.
    virtual line::Amounts computeLine(const RowView& line) = 0;
    // The warnings of one line while the lines are added up, before its
    // figures are computed: a value a warning puts back is the one counted.
    virtual void checkLine(const RowView& line) { (void)line; }
    // The total boxes, each with the figure it sums.
    virtual std::vector<TotalBox> totals() const { return {{txtSubTotal}}; }
    // The post checks, in order.
    virtual CheckList postChecks() = 0;
    // A header field the post fills from a box of the window: its text, or
    // a date picker's date.
    struct HeaderBox {
        QString field;
        QWidget* box;
    };
    // The header fields filled from the window's own boxes, after the
    // employee and what the key headers copy.
    virtual std::vector<HeaderBox> headerBoxes() const { return {}; }
    // Fills the rest of the header, last.
    virtual void fillHeader(Recordset& header) { (void)header; }
    // The text that precedes the posting number.
    virtual QString postedMessage() const = 0;
    // After a document went to the books, posted or refused.
    virtual void afterPost(bool posted) { (void)posted; }
    // Shown at load when there is no employee.
    virtual QString noEmployeeMessage() const { return qtext(kSharedText["NoEmployee"]); }
    // Lists of the window's own, filled at load after the key headers' and
    // before the employees.
    virtual void fillLists() {}

    // The load procedure's common steps, in the frame's order.
    void Form_Load() override;
    // Binds the line grid to the line record set again, with widths and locks.
    void bindLines();
    // A line's figures from its price, quantity and (VAT) rate fields, as
    // the books post the line; a blank cell counts as nothing.
    static line::Amounts priced(const RowView& line, const QString& price, const QString& quantity,
                                const QString& rate = {});
    // Runs the line checks over every line from the first; the first line
    // that fails is made the grid's current row.
    Check eachLine(std::vector<Check> perLine);
    // Makes a line the current one, in the record set and in the grid.
    void selectLine(int row);
    // Fails when a line was found (row >= 0): shows the message and makes
    // that line the current one.
    Check refusingLine(int row, const QString& message, QWidget* focus = nullptr);
    // Fails when the lines' dates fall in more than one year; the message
    // then says which lines fall in which year.
    Check linesInOneYear(const QString& dateField, const QString& message);
    // Creates txtMonth and txtYear, which show the period of dtpOrder.
    void usePeriodBoxes();
    // The document can be changed and posted (after load and New) or not
    // (after a successful posting).
    void setEditing(bool editing);
    // Takes the party header the window composes: its list is filled at load,
    // read again when the books changed, and choosing a party starts a new
    // document (cboCompany_Click).
    void useParty(PartyHeader* header);
    // Takes a key header the window declares, filled and read again as the
    // party's; with startsDocument, choosing a record starts a new document.
    // The post copies the header fields the header declares.
    KeyHeader* useKeyHeader(KeyHeader* header, bool startsDocument = false);
    // A list of a table's records by CompanyName (a key header without
    // boxes) whose key the post copies into a header field; an empty table
    // shows the message at load.
    KeyHeader* useNameList(const QString& list, const QString& table, const QString& keyField,
                           const QString& emptyMessage);
    // A date picker beside dtpOrder, in its look, that shows today plus
    // some days once the window has loaded.
    QDateEdit* useDatePicker(const QString& name, int daysFromToday);
    // Lays the window out as most entry windows are: the header frame with
    // the side boxes (each captioned from the texts under its name) and New
    // and Post beside it, then the pick grid under its caption and the hint
    // picture, then the line grid under its caption.
    void layOutBeside(QWidget* header, std::span<const PinnedText> texts, const QList<QWidget*>& side);
    template <std::size_t N>
    void layOutBeside(QWidget* header, const TextTable<N>& texts, const QList<QWidget*>& side) {
        layOutBeside(header, std::span<const PinnedText>(texts.entries), side);
    }
    // The reads of a key header over a table through the data class: its
    // rows, Get_ID and, where given, the record of a name.
    KeyReads tableReads(const QString& table, std::function<Recordset(const QString&)> details = {});

    // The employee: empty, then a name that is no employee's, each with the
    // window's message and the focus on the list. The key the check finds is
    // the one posted; a window that does not place the checks in its list
    // has them run after its own.
    CheckList employeeChecks();
    virtual QString employeeMessage() const = 0;
    // The party's credit (PartyHeader::creditCheck) against postingGross().
    Check creditCheck(const QString& message);
    // The document's gross as posted: every line computed afresh; none when
    // a line or the sum is beyond the money range.
    virtual std::optional<Currency> postingGross();

    void refreshLists() override;
    // A cell that holds nothing, or only blanks.
    static bool isBlankCell(const Variant& v) { return v.isBlank() || v.toString().trimmed().isEmpty(); }

    Recordset m_header;
    Recordset m_lines;
    QStringList m_copied;

private:
    void fillEmployees(bool quiet = false);
    void fillKeyHeaders();
    void copyHeaders();
    void setPeriodFromPicker();
    bool isDuplicate() const;
    // The sum of every line's figures; with `showing`, each line's warnings
    // run and each figure a total box names is kept in its line field.
    line::Amounts addUp(bool showing);
    void showTotals(const std::optional<line::Amounts>& sum, const QString& empty);
    // The frame's own post checks: every line's figures can be kept, and
    // summed.
    CheckList figureChecks();

    std::vector<std::pair<QDateEdit*, int>> m_datePickers; // a picker and its days from today
    std::vector<KeyHeader*> m_keyHeaders;                  // the party first, where there is one
    KeyHeader* m_starting = nullptr;                       // the header whose choice starts a document
    QString m_employeeKey;                                 // found by the employee check of this post
};

// An entry window whose data class serves the frame directly: the class's
// Get_Table_Recordset, Get_ID and Send_Order(header, lines). Base is the
// frame the window follows (EntryWindow or a frame built on it).
template <class Data, class Base = EntryWindow> class DataEntryWindow : public Base {
public:
    using Base::Base;

protected:
    void createDataClass() override { m_data = std::make_unique<Data>(); }
    Recordset readTable(const QString& table) override { return m_data->Get_Table_Recordset(table); }
    Recordset newHeader() override { return m_data->newHeader(); }
    Recordset newLines() override { return m_data->newLines(); }
    QString lookupId(const QString& table, const QString& value) override {
        return m_data->Get_ID(table, Variant(value));
    }
    QString sendOrder() override { return m_data->Send_Order(this->m_header, this->m_lines); }
    // The party reads of the data class over a table of parties: its
    // Get_Table_Recordset, Get_Customer_Details, Get_ID and, where it has one,
    // Get_Balance (the first row's outstanding_amt).
    PartyReads partyReads(const QString& table) {
        PartyReads reads;
        static_cast<KeyReads&>(reads) = this->tableReads(
            table, [this](const QString& name) { return m_data->Get_Customer_Details(name); });
        if constexpr (requires(Data & d) { d.Get_Balance(QString()); }) {
            reads.balance = [this](const QString& name) {
                const Recordset rows = m_data->Get_Balance(name);
                return rows.recordCount() > 0 ? RowView(rows, 0).value(QStringLiteral("outstanding_amt"))
                                              : Variant();
            };
        }
        return reads;
    }

    std::unique_ptr<Data> m_data;
};

} // namespace orv
