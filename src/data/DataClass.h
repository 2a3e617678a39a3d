#pragma once

#include "Connection.h"
#include "DocumentWriter.h"
#include "db/RefusalReasons.h"
#include "values/Recordset.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace orv {

// The shape every data class shares: one connection opened and closed by each
// operation, the lookup result of Get_ID, and the write protocol.
class DataClass {
public:
    // (staging field, request column), in the order a request copies them.
    using Mapping = std::vector<std::pair<QString, QString>>;

    // What the writer returns for one kind of record when the books refuse
    // its create, update or delete request.
    struct FailureTexts {
        QString create;
        QString update;
        QString remove;
    };

    virtual ~DataClass() = default;

    void Class_Initialize();

    // Every row of a table ("SELECT * FROM " + table), detached.
    Recordset Get_Table_Recordset(const QString& table);
    // The key, as text, of the first row of a known table matching value;
    // the empty text for an unknown table or no matching row.
    QString Get_ID(const QString& table, const Variant& value);
    // The longest text each column of a table may hold, under the column's
    // name in lower case (the bounds the table itself enforces). A class
    // whose staging fields are named otherwise than its columns adds them.
    virtual QHash<QString, int> textWidths(const QString& table);

    // A posting window's records, as its class declares them (declareDocument):
    // the header with its one row, and the lines empty. A text field is no
    // wider than the column of the document's tables it is written into.
    Recordset newHeader();
    Recordset newLines();

    // The database's reason for the last failed write (for logs and tests;
    // the clerk sees the class's failure text and the reason's sentence).
    const QString& lastFailureReason() const { return m_lastFailure; }

    // The refusal of the last write of any data class, until the next write
    // starts or a window forgets it: a window learns from it that the text it
    // got back is a refusal, the reason in the clerk's words, and which boxes
    // the reason names.
    static const std::optional<db::Refusal>& lastRefusal();
    static void forgetRefusal();
    // How many writes the books have taken in this run, by any data class:
    // what a window read before a later write may be out of date.
    static quint64 writesTaken();

protected:
    // One Get_ID branch: the table name compared exactly, the statement
    // whose ? takes the value looked up, the key column read as text. The
    // employee branch splits "Last, First" at the first comma, one ? each.
    struct IdBranch {
        QString table;
        QString statement;
        QString keyColumn;
        bool employee = false;
    };
    static IdBranch employeesBranch();
    void declareIdBranches(std::vector<IdBranch> branches) { m_branches = std::move(branches); }

    // The read protocol: open, client cursor, execute, detach, close.
    // Each ? of the text (a bare ? argument of an EXEC call too) takes the
    // next value, bound, never spliced into the text; a text value is
    // trimmed, as every name is stored. Errors propagate as DataError with
    // the connection closed.
    Recordset read(const QString& sql, const std::vector<Variant>& values = {});

    // The write protocol: open (server cursor), one transaction around body,
    // commit with the database's checks. Any failure rolls everything back,
    // leaves its reason in lastRefusal() and yields failureText; otherwise
    // body's text is returned.
    QString write(const QString& failureText, const std::function<QString()>& body);
    // Inside write(): the table opened by "SELECT * FROM <table> WHERE 1 = 2".
    Recordset openTable(const QString& table);

    // A set-up window's request: one staging row with the mapped fields and
    // its Function_type, saved under the write protocol. The sentence is read
    // back from the saved row; a refusal yields the kind's failure text.
    struct RequestKind {
        QString table;
        QString functionType;
        QString failureText;
        QString sentenceBefore; // fixed text before the value read back
        QString column;         // the column of the saved row in the sentence
        QString sentenceAfter;  // fixed text after it
    };
    QString stagingRequest(const Recordset& staging, const Mapping& mapping, const RequestKind& kind);

    // A posting window's document, written by its layout (DocumentWriter.h)
    // under the write protocol.
    using DocColumn = orv::DocColumn;
    using DocumentLayout = orv::DocumentLayout;
    // Writes the document and returns its number, or the failure text.
    // `before` runs first inside the transaction (a marker the line rules read).
    QString writeDocument(const QString& failureText, const DocumentLayout& layout, const Recordset& header,
                          const Recordset& lines, const std::function<void()>& before = {});
    // A posting window's class declares its document once: the records the
    // window, the test book and the benchmarks fill, and the layout that
    // writes them; the declared document is written by the overload below.
    void declareDocument(DocumentRecords records, DocumentLayout layout);
    QString writeDocument(const QString& failureText, const Recordset& header, const Recordset& lines,
                          const std::function<void()>& before = {}) {
        return writeDocument(failureText, m_layout, header, lines, before);
    }

    QString m_sql;
    Connection m_connection;
    Recordset m_lookup;

private:
    Recordset newRecord(bool header);

    std::vector<IdBranch> m_branches;
    DocumentRecords m_records;
    DocumentLayout m_layout;
    bool m_widthsRead = false; // the records' widths are read from the tables once
    QString m_lastFailure;
};

} // namespace orv
