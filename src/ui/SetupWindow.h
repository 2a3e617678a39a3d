#pragma once

#include "RecordFields.h"
#include "SetupSection.h"
#include "Window.h"
#include "data/SetupDataClass.h"
#include "uicore/Check.h"
#include "uicore/TextTable.h"
#include "values/DataError.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QComboBox;
class QGroupBox;
class QPushButton;

namespace orv {

// The frame of the set-up windows: the clerk picks a record by name or types
// a new one and asks for its creation, update or deletion. The window checks
// the fields in a fixed order, fills its one-row staging record and hands it
// to its data class, which adds one request row; the window shows the text
// returned, reads its lists again, empties the fields and disables the button
// pressed until the next pick (or, for CREATE NEW, until the clerk types a
// name no record has). A refused request changes nothing on the
// window: the clerk reads why and finds the focus on the box to change. A
// window gives its own lists, fields, checks, mapping and writers by
// overriding the hooks below and lays out the controls; a window that
// declares its record as a field table (setRecord) takes the staging record,
// show, assignments, CLEAR ALL and checks from it.
class SetupWindow : public Window {
    Q_OBJECT
public:
    using Request = SetupRequest;

    // A window of sections alone has no record of its own: no name list and
    // no CREATE NEW, UPDATE, DELETE or CLEAR ALL; its REFRESH is a button the
    // clerk sees and presses.
    enum class Frame { Record, SectionsOnly };
    // The captions of the frame's own buttons; a window's own table may
    // give its REFRESH another.
    static constexpr auto kText = makeTextTable({{"cmdSend", "CREATE NEW"},
                                                 {"cmdUpdate", "UPDATE"},
                                                 {"cmdDelete", "DELETE"},
                                                 {"cmdClear", "CLEAR ALL"},
                                                 {"cmdNew", "REFRESH"}});
    explicit SetupWindow(QWidget* parent = nullptr, Frame frame = Frame::Record);

    static inline const QString kNotAnAccount =
        QStringLiteral("%1 %2 is not an account of the Chart of Accounts");
    // A list that also takes typed text; only a choice from it picks.
    static void makeTypedList(QComboBox* list);

    QComboBox* cboCompany = nullptr; // the name list
    QPushButton* cmdNew;             // REFRESH, hidden unless the window is of sections alone
    QPushButton* cmdSend = nullptr;  // CREATE NEW
    QPushButton* cmdUpdate = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdClear = nullptr; // CLEAR ALL

    const Recordset& staging() const { return m_staging; }

    // The procedures of the frame; the event handlers call them guarded. A
    // window that departs from the frame extends the virtual ones.
    virtual void cboCompany_Click();
    virtual void cmdNew_Click();
    void cmdSend_Click() { request(Request::Create, cmdSend); }
    void cmdUpdate_Click() { request(Request::Update, cmdUpdate); }
    void cmdDelete_Click() { request(Request::Delete, cmdDelete); }
    virtual void cmdClear_Click();
    // Builds the staging record (again).
    virtual void Create_New_Customer();
    // The ordered checks; true when all pass.
    bool Validate() { return runChecks(validateChecks()); }

protected:
    // The field table's builders, as a window declares its records.
    using F = SetupField;

    // A list filled from one column of a table, one entry per row in the
    // table's order (or alphabetical, where the window keeps it so), or
    // with the label made of each row.
    struct ListFill {
        QComboBox* list = nullptr;
        QString table;
        QString column;
        bool alphabetical = false;
        std::function<QString(const RowView&)> label{};
    };
    // One staging field and where its text comes from; box is the control
    // the clerk changes it in (the focus goes there when a refusal names it).
    struct Assignment {
        QString field;
        std::function<QString()> text;
        QWidget* box = nullptr;
    };
    // The staging field takes the text of a control.
    static Assignment fromControl(const QString& field, QWidget* control);

    // --- the data class -------------------------------------------------
    virtual void createDataClass() = 0;
    // The chart's account of one code (windows with an account code list).
    virtual Recordset readAccount(std::int32_t) { return Recordset(); }
    // Every row of a table (Get_Table_Recordset).
    virtual Recordset readTable(const QString& table) = 0;
    // The longest text each column of a staging table may hold, under the
    // columns' names in lower case.
    virtual QHash<QString, int> readWidths(const QString&) { return {}; }
    // The key of a code or name of a table (Get_ID), for a field carried as a key.
    virtual QString readId(const QString& table, const QString& value);
    // The record of the name picked (the window's details read).
    virtual Recordset readDetails(const QString& name) = 0;
    // The request's writer with the staging record: a sentence or the
    // writer's failure text.
    virtual QString write(Request request) = 0;

    // --- the window's own ------------------------------------------------
    // Every list of the window in its order; the name list among them. By
    // default the lists the field tables fill, the record's then each
    // section's, in field order.
    virtual std::vector<ListFill> lists() const;
    virtual std::vector<FieldDef> stagingFields() const;
    // Copies the picked record into the fields.
    virtual void showDetails(const Recordset& record);
    // The field table's checks, then what the staging record cannot hold.
    virtual CheckList validateChecks();
    // Checks one request needs beyond Validate (what must exist before it
    // is sent); they run after Validate and the field table's chart checks
    // of the fields the request carries, in order.
    virtual CheckList requestChecks(Request) { return {}; }
    // The staging fields a request carries.
    virtual std::vector<Assignment> assignments(Request request);
    // The fields CLEAR ALL empties, in order.
    virtual std::vector<QWidget*> clearedFields() const;

    // The window's record declared as a field table; the hooks above default to it.
    SetupSection* setRecord(std::vector<SetupField> fields);
    // The same, with the staging record declared apart (types, widths, order).
    SetupSection* setRecord(std::vector<FieldDef> staging, std::vector<SetupField> fields);
    SetupSection* record() const { return m_record; }

    // A further section of the window in a frame of its own, with its own
    // name list (its first field) and buttons. Its requests run the field
    // table's checks and then its own, assign, write and show the answer;
    // unless the books refused it, its name list is read again and its boxes
    // emptied (dates keep theirs). A pick in its list loads the record and
    // presses REFRESH, which enables the buttons and rebuilds the staging
    // record of every section. A button named as one the window already has
    // (REFRESH) is that button, and its own handler is all it does.
    enum SectionFlag : unsigned {
        kDisablesButton = 1U,      // a request taken disables its button until REFRESH
        kEmptiesEverySection = 2U, // a request taken empties every section, not only its own
        kPickKeepsButtons = 4U,    // a pick shows the record and presses nothing
    };
    struct SectionRequests {
        QString create{}, update{}, remove{}, clear{}; // the buttons' names
        QString table{};                               // the name list's table and column; by default
        QString column{};                              // the list its first field is filled from
        QString missing{};                             // a picked name no longer on record, with %1
        std::function<Recordset(const QString&)> details{};
        std::function<QString(Request, const Recordset&)> write{};
        std::function<CheckList()> ownChecks{}; // after the table's
        unsigned flags = 0;
        QString clearNote{};            // shown before the clear button empties the section
        QStringList row{};              // the button row's controls in order; by default the four buttons
        std::vector<FieldDef> record{}; // the staging record where it is declared apart
    };
    SetupSection* addSection(QGroupBox* frame, std::vector<SetupField> fields, SectionRequests requests);
    // Empties every section, in their order.
    void clearSections() const;
    // The fill of a section's name list.
    ListFill namesOf(const SetupSection* section) const;

    void Form_Load() override;
    void fillList(const ListFill& fill);
    // Every list of the window and of its sections read again, each keeping
    // its text.
    void refreshLists() override;

    // Loads the record of the name chosen and presses REFRESH; a record
    // removed since the list was read is named in the message (its %1 is the
    // name) and nothing changes.
    void pickRecord(const QString& missingMessage);
    // The account of a code as typed, or an empty result when the text is no
    // code of the chart.
    Recordset account(const QString& code);
    // An account code chosen from its list: the account's name shown beside
    // it and REFRESH pressed; a code no longer in the chart is named in a
    // message and changes nothing.
    void pickAccount(QComboBox* codeBox, QWidget* nameBox, const QString& what);
    // The name box beside a code list always names the account whose code
    // the list shows, typed or chosen, and is empty for a code of no account.
    void followAccountName(QComboBox* codeBox, QWidget* nameBox);
    // A typed code that is no account of the chart stops a request.
    Check inChart(QComboBox* box, const QString& what);
    // The record's fields declared in the chart (inChartAs) that the request carries.
    CheckList chartChecks(Request request);
    // A code list of the chart with the account's name beside it: the name
    // box is disabled and follows the code; a choice in the list is picked
    // as pickAccount does.
    void showAccountName(QComboBox* codeBox, QWidget* nameBox, const QString& what);
    // Runs one request: checks, staging fields, writer, message; then, unless
    // the books refused it, reload, CLEAR ALL, and the pressed button disabled.
    void request(Request request, QPushButton* pressed);

    Recordset m_staging;

private:
    struct Section {
        SetupSection* fields;
        SectionRequests requests;
        std::vector<QPushButton*> buttons; // create, update, delete
    };
    void layOutSection(QGroupBox* frame, SetupSection* section, const SectionRequests& requests,
                       std::vector<QPushButton*>& pressed);
    void sectionRequest(const Section& section, Request request);
    void pickInSection(const Section& section);

    // The record's hidden boxes and the names beside its chart code lists.
    SetupSection* adoptRecord(SetupSection* record);
    // A delete with no name picked, where the record keeps the name last picked.
    CheckList pickedChecks(Request request) const;

    SetupSection* m_record = nullptr;
    std::vector<Section> m_sections;
    bool m_hasDataClass = false;
};

// A set-up window over its data class: the window owns it, and its reads and
// the three writers of each record come from the class's member functions.
// Base is the frame the window follows (SetupWindow or a frame built on it).
template <class Data, class Base = SetupWindow> class SetupWindowOver : public Base {
protected:
    using Request = SetupRequest;
    using Read = Recordset (Data::*)(const QString&);
    using Writer = QString (Data::*)(const Recordset&);
    using ReadAccount = Recordset (Data::*)(std::int32_t);
    struct Writers {
        Read details;
        Writer create;
        Writer update;
        Writer remove;
        ReadAccount account = nullptr; // the chart's account of a code, where the window shows one
    };
    template <class... BaseArgs>
    explicit SetupWindowOver(Writers writers, BaseArgs&&... baseArgs)
        : Base(std::forward<BaseArgs>(baseArgs)...), m_writers(writers) {}
    // A window over a class of one record of its own (MasterDataClass)
    // names only its record's read: the writers are the class's Send_Order,
    // Update_Order and Delete_Order, and a chart account is read by code.
    template <class... BaseArgs>
    explicit SetupWindowOver(Read details, BaseArgs&&... baseArgs)
        : SetupWindowOver(Writers{details, &Data::Send_Order, &Data::Update_Order, &Data::Delete_Order,
                                  &SetupDataClass::Get_COA_Details},
                          std::forward<BaseArgs>(baseArgs)...) {}

    void createDataClass() override { m_data = std::make_unique<Data>(); }
    Recordset readTable(const QString& table) override { return data().Get_Table_Recordset(table); }
    Recordset readDetails(const QString& name) override { return (data().*m_writers.details)(name); }
    Recordset readAccount(std::int32_t code) override {
        return m_writers.account ? (data().*m_writers.account)(code) : Recordset();
    }
    QString readId(const QString& table, const QString& value) override {
        return data().Get_ID(table, value);
    }
    QHash<QString, int> readWidths(const QString& table) override { return data().textWidths(table); }
    QString write(Request request) override { return writeWith(m_writers, request, this->m_staging); }
    // A further section's reads and writers (addSection) from the class's members.
    void readsAndWriters(SetupWindow::SectionRequests& requests, Writers writers) {
        requests.details = [this, writers](const QString& name) { return (data().*writers.details)(name); };
        requests.write = [this, writers](Request request, const Recordset& staging) {
            return writeWith(writers, request, staging);
        };
    }

    // The data class; an error the clerk reads when it could not be created at load.
    Data& data() {
        if (!m_data)
            throw DataError(
                QStringLiteral("The books could not be opened; close the window and open it again"));
        return *m_data;
    }

    std::unique_ptr<Data> m_data;

private:
    QString writeWith(const Writers& writers, Request request, const Recordset& staging) {
        const Writer writer = request == Request::Create   ? writers.create
                              : request == Request::Update ? writers.update
                                                           : writers.remove;
        return (data().*writer)(staging);
    }

    Writers m_writers;
};

} // namespace orv
