#pragma once

#include <QString>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

struct sqlite3;

namespace orv::db {

// Folds the write-ahead log back into the company file beside the program,
// on a connection of its own, whenever the log has grown by a set number of
// pages since it restarted or was last folded. A clerk's commit then only
// appends to the log: it never waits for a checkpoint (SQLite's own automatic
// checkpoint runs inside the commit that crosses its bound), and a burst of
// posts, after which the log cannot restart while the next post follows at
// once, asks for a fold only every so many pages instead of at every commit.
// The clerk's idle moments fold the rest (CompanyDatabase::checkpointWhenIdle).
class LogCheckpointer {
public:
    // The growth of the log that wakes a fold (256 MB): a burst of a
    // thousand posts appends to the log without a fold beside it, whose
    // writes to the book would hold up the posts' own.
    static constexpr int kPages = 65536;

    explicit LogCheckpointer(int pages = kPages) : m_bound(pages) {}
    ~LogCheckpointer();
    LogCheckpointer(const LogCheckpointer&) = delete;
    LogCheckpointer& operator=(const LogCheckpointer&) = delete;

    // Watches the commits of db, the connection to the book at path.
    void start(sqlite3* db, const QString& path);
    // Waits for a running checkpoint and ends the watch.
    void stop();

    // Checkpoints asked for and run so far, and the log pages they copied
    // into the book (for the tests).
    int foldsAsked() const;
    int folds() const;
    long long pagesCopied() const;

private:
    static int onCommit(void* self, sqlite3* db, const char* name, int pages);
    void run();

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_pending = false;
    bool m_stopping = false;
    int m_bound;
    int m_asked = 0;
    int m_folds = 0;
    int m_logPages = 0; // after the last commit (the committing thread's own)
    int m_foldedAt = 0; // the log's pages when a fold was last asked for
    long long m_copied = 0;
    sqlite3* m_watched = nullptr;
    sqlite3* m_own = nullptr;
    std::unique_ptr<std::thread> m_thread;
    long m_owner = 0; // the process that started the thread
};

} // namespace orv::db
