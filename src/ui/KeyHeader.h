#pragma once

#include "uicore/Check.h"
#include "uicore/TextTable.h"
#include "values/Recordset.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <functional>
#include <span>
#include <vector>

class QComboBox;
class QFormLayout;
class QLineEdit;
class QWidget;

namespace orv {

// A read-only box of a key header and the column of the chosen record it shows.
struct KeyDetail {
    QString control;
    QString column;
};

// A header field filled from a key header when the document is posted: from
// KeyHeader::kKey (the key found when the record was chosen), KeyHeader::kName
// (the name in the list), a box of the header by its control name (its text,
// or the rate for a rate box) or else a column of the record as read when it
// was chosen.
struct HeaderCopy {
    QString field;
    QString from;
};

// What a key header is: the control name of its list, the table the list
// shows (by its name column), the read-only boxes, the header fields the post
// copies from it and the message shown at load when the table has no row
// (none: no message). A list of fixed entries reads no table.
struct KeyHeaderDef {
    QString list;
    QString table;
    QString nameColumn;
    std::vector<KeyDetail> details = {};
    std::vector<HeaderCopy> copies = {};
    QString emptyListMessage = {};
    QStringList entries = {};
};

// How a key header reads its records: the rows of its list, the record of a
// name (none: the header shows no record) and a name's key (Get_ID; none: a
// name of the list is its own key).
struct KeyReads {
    std::function<Recordset()> list;
    std::function<Recordset(const QString& name)> details;
    std::function<QString(const QString& name)> id;
};

// A list of a table's records by name, with read-only boxes that show the
// record last chosen. The boxes belong to that record alone: once the name in
// the list is typed over they empty, and the header counts as unchosen until
// a record is chosen again. The key is looked up (bound, whatever the name
// holds) before anything else is read, so a name that is no record's reads
// nothing more and is refused by the header's check.
//
// The controls are the window's (found by their names); layOut puts them in a
// frame, leaving out those the window places itself.
class KeyHeader : public QObject {
    Q_OBJECT
public:
    static inline const QString kKey = QStringLiteral("@key");
    static inline const QString kName = QStringLiteral("@name");

    KeyHeader(QWidget* window, KeyHeaderDef def, KeyReads reads);

    QComboBox* list() const { return m_list; }
    // A read-only box of the header by its control name; null for none.
    QLineEdit* box(const QString& control) const;
    const KeyHeaderDef& def() const { return m_def; }

    // Fills the list, in table order, with nothing chosen; an empty table
    // shows the empty-list message.
    void fillList();
    // Reads the list again, keeping the name typed or chosen and the record
    // shown while that name still stands.
    void readListAgain();
    // Reads the record the list names into the boxes.
    void load();
    // Empties the name and every box.
    virtual void clear();
    // The same, but the boxes named keep what they show (a window that
    // leaves the last document's currency or balance on screen).
    void clearKeeping(const QList<QLineEdit*>& kept);

    // The boxes show the record the list names.
    bool isLoaded() const;
    // The key found when the record was chosen; empty unless isLoaded().
    QString key() const { return isLoaded() ? m_key : QString(); }
    // A column of the record as read when it was chosen.
    Variant valueAtPick(const QString& column) const;
    // The name is filled, and names the record the boxes show; the message
    // and the focus on the list otherwise.
    CheckList checks(const QString& message) const;
    // Fills the header fields the header declares (HeaderCopy).
    void copyInto(Recordset& header) const;

    // Lays the list and the boxes out in a frame named frameName, one row
    // each with the caption the texts give under the control's name, leaving
    // out the controls placed elsewhere. The window adds rows of its own to
    // form().
    QWidget* layOut(std::span<const PinnedText> texts, const QString& frameName,
                    const QList<QWidget*>& elsewhere = {});
    template <std::size_t N>
    QWidget* layOut(const TextTable<N>& texts, const QString& frameName,
                    const QList<QWidget*>& elsewhere = {}) {
        return layOut(std::span<const PinnedText>(texts.entries), frameName, elsewhere);
    }
    QFormLayout* form() const { return m_form; }

protected:
    // The controls in the frame's order; a kind adds its own boxes.
    virtual QList<QWidget*> rows() const;
    // Shows the record just read; a kind shows what it derives from it.
    virtual void showRecord(const RowView& record);
    // Empties the boxes that belong to the record shown.
    virtual void clearDetails();
    // The value a header copy takes from a source that is not a column.
    virtual bool copiedValue(const QString& from, Variant* value) const;

    QWidget* m_window;

private:
    KeyHeaderDef m_def;
    KeyReads m_reads;
    QComboBox* m_list;
    std::vector<QLineEdit*> m_boxes;
    QFormLayout* m_form = nullptr;
    Recordset m_record; // the record as read when it was chosen
    QString m_key;
    QString m_loaded; // the name whose record the boxes show
    bool m_hasLoaded = false;
    bool m_refilling = false;
};

} // namespace orv
