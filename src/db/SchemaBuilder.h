#pragma once

#include <QString>
#include <functional>
#include <vector>

struct sqlite3;

namespace orv::db {

// Builds a new company file from the embedded SQL files and brings an older
// one up to the program's schema version.
class SchemaBuilder {
public:
    // schema/ and triggers/ (filesOf), seed.sql, then the file's
    // application id and version: one transaction.
    static void create(sqlite3* db);
    // Each missing migrations/NNNN_*.sql in its own transaction, calling
    // progress now and then while it works (it may take long on a large book).
    static void migrate(sqlite3* db, int fromVersion, const std::function<void()>& progress = {});
    // The book's rules (its views and triggers) are the program's own: a
    // book last written by another version of the program gets this
    // version's rules, in one transaction, when opened. A fingerprint of the
    // rules, kept in the view v_Book_Rules, tells whether they differ.
    static void refreshRules(sqlite3* db);

    // The files of one folder (schema/, triggers/) in the order they are
    // run, each under its file name: its .sql files, and one file for each
    // twin that a template (.sqlt) declares. A template writes its text once
    // for twins such as the customers and the suppliers; its head declares
    // each twin and the words it gives:
    //
    //   -- @twin Temp_Customers
    //   --   ${Parties} = Customers
    //
    // and the twin's file, Temp_Customers.sql, is the template without those
    // lines, each ${Word} replaced by the twin's text (${Requests} is the
    // twin's name unless it gives another). A word no twin gives is an error.
    //
    // A template without twins is a part: rules that several triggers begin
    // with, written once. A rule file (or a template) takes them with
    //
    //   -- @use Request_Rules
    //   --   ${Masters} = Bank_T
    //
    // and gets the part's rules in place of those lines, at their indent,
    // each ${Word} replaced by the use's text (${Requests} is the using
    // file's table). In a template a word the use does not give is left for
    // its twins; in a rule file it is an error.
    struct RuleFile {
        QString name;
        QString text;
    };
    static std::vector<RuleFile> filesOf(const QString& folder);
    static std::vector<RuleFile> triggerFiles() { return filesOf(QStringLiteral(":/db/triggers")); }
};

} // namespace orv::db
