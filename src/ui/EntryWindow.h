#pragma once

#include "LineGrid.h"
#include "PartyHeader.h"
#include "PickGrid.h"
#include "RecordFields.h"
#include "Window.h"
#include "uicore/Check.h"
#include "uicore/TextTable.h"
#include "values/Currency.h"

#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orv {

// The frame of every entry window: the clerk drags rows from the pick grid
// into the line grid, edits the lines and posts the document, which the
// window's data class writes and numbers. The frame holds the header and line
// record sets, the shared controls and the common steps of load, drop, total,
// New and Post; a window gives what is its own by overriding the hooks below
// and lays out the controls. Windows never touch SQL: the hooks reach the
// window's data class.
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
    void dgrOrderDetails_DragOver(LineGrid::DragState state);
    void dgrOrderDetails_DragDrop();
    void cmdNew_Click();
    void cmdSend_Click();
    // The clerk chose a party: its details are read and a new document starts.
    virtual void cboCompany_Click();

protected:
    // A line field: its type and size, and its column in the line grid.
    struct LineColumn {
        QString name;
        DataType type = DataType::Text;
        int size = 0;
        int widthTwips = 0;
        bool locked = false;
    };
    // A drop is refused when a line's field equals one of the copied cells.
    struct DuplicateTest {
        QString lineField;
        int copiedCell = 0; // index into copiedCells()
        QString message;
    };

    // --- the data class -------------------------------------------------
    virtual void createDataClass() = 0;
    // Every row of a table (Get_Table_Recordset).
    virtual Recordset readTable(const QString& table) = 0;
    // The key of a name in a table (Get_ID).
    virtual QString lookupId(const QString& table, const QString& value) = 0;
    // Writes the document (Send_Order with header and lines): the posting
    // number, or the data class's failure text.
    virtual QString sendOrder() = 0;

    // --- the window's own ------------------------------------------------
    virtual std::vector<FieldDef> headerFields() const = 0;
    virtual std::vector<LineColumn> lineColumns() const = 0;
    // The pick-grid columns a mouse press copies, in order.
    virtual std::vector<int> copiedColumns() const = 0;
    virtual std::optional<DuplicateTest> duplicateTest() const { return std::nullopt; }
    // Sets the fields of the line just added (the current line).
    virtual void fillNewLine(Recordset& lines) = 0;
    // Computes the current line, runs its warnings and returns the amount
    // that the total sums.
    virtual Currency computeLine(const RowView& line) = 0;
    // The post checks, in order.
    virtual CheckList postChecks() = 0;
    // Fills the header beyond EmployeeID, which the frame fills.
    virtual void fillHeader(Recordset& header) { (void)header; }
    // The text that precedes the posting number.
    virtual QString postedMessage() const = 0;
    // Shown at load when there is no employee.
    virtual QString noEmployeeMessage() const { return qtext(kSharedText["NoEmployee"]); }
    // The party or key lists, filled at load before the employees.
    virtual void fillLists() {}
    // Fills the pick grid where the window does so at load / New / after posting.
    virtual void loadPickGrid() {}
    virtual void reloadPickAfterNew() {}
    virtual void reloadPickAfterPost() {}
    // Pick-grid column widths in twips.
    virtual std::vector<int> pickColumnWidths() const { return {}; }

    // The load procedure's common steps, in the frame's order.
    void Form_Load() override;
    // Shows a result in the pick grid with the window's column widths.
    void showPickRows(const Recordset& rows);
    // Binds the line grid to the line record set again, with widths and locks.
    void bindLines();
    // Creates txtMonth and txtYear, which show the period of dtpOrder.
    void usePeriodBoxes();
    // The document can be changed and posted (after load and New) or not
    // (after a successful posting).
    void setEditing(bool editing);
    // Takes the party header the window composes and wires its list.
    void useParty(PartyHeader* header);
    // A cell that holds nothing, or only blanks.
    static bool isBlankCell(const Variant& v) { return v.isBlank() || v.toString().trimmed().isEmpty(); }

    Recordset m_header;
    Recordset m_lines;
    QStringList m_copied;
    // False while the lines cannot be added up; such a document is not posted.
    bool m_totalKnown = true;

private:
    void fillEmployees();
    void setPeriodFromPicker();
    bool isDuplicate() const;
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
    QString lookupId(const QString& table, const QString& value) override {
        return m_data->Get_ID(table, Variant(value));
    }
    QString sendOrder() override { return m_data->Send_Order(this->m_header, this->m_lines); }
    // The party reads of the data class over a table of parties: its
    // Get_Table_Recordset, Get_Customer_Details, Get_ID and, where it has one,
    // Get_Balance (the first row's outstanding_amt).
    PartyReads partyReads(const QString& table) {
        PartyReads reads;
        reads.list = [this, table] { return m_data->Get_Table_Recordset(table); };
        reads.details = [this](const QString& name) { return m_data->Get_Customer_Details(name); };
        reads.id = [this, table](const QString& name) { return m_data->Get_ID(table, Variant(name)); };
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
