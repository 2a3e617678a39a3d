#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace orv::db {

// Why the database refused a write, in the clerk's words.
struct Refusal {
    QString reason;      // the rule's reason, as the database gives it
    QStringList details; // what the rule named: a line number, an account code
    QString sentence;    // the clerk's sentence, details filled in
    QStringList fields;  // the columns the reason is about, the first first
    QString cause;       // the kind of cause a window's fixed failure text may name
    int line = 0;        // the document's line the reason is about (1 for the first); 0 for none
};

// The cause of a refusal that a record of that name or code already exists:
// the only cause a creation's fixed failure text ("... already Exist,
// Creation Failed") names.
inline const QString kCauseExists = QStringLiteral("exists");

// The reasons table: every reason a rule of the database can give, with the
// sentence the clerk reads. It is kept beside the rules, one file per rule
// file (Temp_COA.sql beside Temp_COA.reasons), one reason a line:
//
//   reason<TAB>sentence[<TAB>column,column[<TAB>cause]]
//
// %1, %2 ... in the sentence stand for the details the rule passes after its
// reason (db_fail('reason', line, account)). The optional columns name the
// boxes the clerk should look at, the first gets the focus. The optional
// cause marks the reasons a window's fixed failure text names (kCauseExists):
// the window leads with that text only for them. A sentence that begins
// with "Line %1" is about one line of a document, whose place the rule passes
// as its first detail: the window shows the clerk that line. Blank lines and
// lines starting with # are skipped. "*" is the sentence of a failure no
// reason of the table matches.
class RefusalReasons {
public:
    struct Entry {
        QString file;
        QString reason;
        QString sentence;
        QStringList fields;
        QString cause;
    };

    // The clerk's account of a failure text of the database.
    static Refusal explain(const QString& failure);
    // Every entry of every reasons file, in file order.
    static const std::vector<Entry>& entries();
    // Reads one reasons file's text; a line without a sentence is skipped.
    static std::vector<Entry> parse(const QString& file, const QString& text);
};

} // namespace orv::db
