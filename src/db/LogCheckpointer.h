#pragma once

#include <QString>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

struct sqlite3;

namespace orv::db {

// Folds the write-ahead log back into the company file beside the program,
// on a connection of its own, whenever a commit has left more than a few
// thousand pages in it. A clerk's commit then only appends to the log: it
// never waits for a checkpoint, however many posts come one after another
// (SQLite's own automatic checkpoint runs inside the commit that crosses its
// bound).
class LogCheckpointer {
public:
    // Pages in the log after a commit that wake the checkpoint (16 MB).
    static constexpr int kPages = 4096;

    LogCheckpointer() = default;
    ~LogCheckpointer();
    LogCheckpointer(const LogCheckpointer&) = delete;
    LogCheckpointer& operator=(const LogCheckpointer&) = delete;

    // Watches the commits of db, the connection to the book at path.
    void start(sqlite3* db, const QString& path);
    // Waits for a running checkpoint and ends the watch.
    void stop();

    // Checkpoints run so far, and the log pages they copied into the book
    // (for the tests).
    int folds() const;
    long long pagesCopied() const;

private:
    static int onCommit(void* self, sqlite3* db, const char* name, int pages);
    void run();

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_pending = false;
    bool m_stopping = false;
    int m_folds = 0;
    long long m_copied = 0;
    sqlite3* m_watched = nullptr;
    sqlite3* m_own = nullptr;
    std::unique_ptr<std::thread> m_thread;
    long m_owner = 0; // the process that started the thread
};

} // namespace orv::db
