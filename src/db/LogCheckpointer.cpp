#include "LogCheckpointer.h"

#include "LogWriteVfs.h"

#include <QFile>
#include <sqlite3.h>
#include <unistd.h>

namespace orv::db {

LogCheckpointer::~LogCheckpointer() {
    stop();
}

void LogCheckpointer::start(sqlite3* db, const QString& path) {
    stop();
    sqlite3* own = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &own, SQLITE_OPEN_READWRITE,
                        logWriteVfsName()) != SQLITE_OK) {
        // Without its own connection the log is folded when the book closes.
        sqlite3_close(own);
        return;
    }
    // A connection sees the log only once it has read the book: until then
    // a checkpoint on it finds no log and folds nothing.
    sqlite3_exec(own, "SELECT 1 FROM sqlite_master LIMIT 1", nullptr, nullptr, nullptr);
    m_own = own;
    m_watched = db;
    m_pending = false;
    m_stopping = false;
    m_logPages = 0;
    m_foldedAt = 0;
    m_owner = static_cast<long>(getpid());
    m_thread = std::make_unique<std::thread>([this] { run(); });
    // Replaces SQLite's automatic checkpoint, which would fold inside the commit.
    sqlite3_wal_hook(db, &LogCheckpointer::onCommit, this);
}

void LogCheckpointer::stop() {
    if (!m_thread)
        return;
    if (static_cast<long>(getpid()) != m_owner) {
        // A forked child holds a copy of the parent's state but not its
        // thread: there is nothing to wait for, and the parent's
        // connections are not the child's to close.
        (void)m_thread.release();
        m_own = nullptr;
        m_watched = nullptr;
        return;
    }
    sqlite3_wal_hook(m_watched, nullptr, nullptr);
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_one();
    m_thread->join();
    m_thread.reset();
    sqlite3_close_v2(m_own);
    m_own = nullptr;
    m_watched = nullptr;
}

int LogCheckpointer::folds() const {
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_folds;
}

long long LogCheckpointer::pagesCopied() const {
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_copied;
}

int LogCheckpointer::foldsAsked() const {
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_asked;
}

int LogCheckpointer::onCommit(void* self, sqlite3*, const char*, int pages) {
    auto* me = static_cast<LogCheckpointer*>(self);
    if (pages < me->m_logPages)
        me->m_foldedAt = 0; // the log restarted from its beginning
    me->m_logPages = pages;
    if (pages >= me->m_foldedAt + me->m_bound) {
        me->m_foldedAt = pages;
        {
            const std::lock_guard<std::mutex> lock(me->m_mutex);
            me->m_pending = true;
            ++me->m_asked;
        }
        me->m_wake.notify_one();
    }
    return SQLITE_OK;
}

void LogCheckpointer::run() {
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_pending || m_stopping; });
        if (m_stopping)
            return;
        m_pending = false;
        lock.unlock();
        // Passive: copies what no reader still needs and never blocks a
        // writer; the log restarts from its beginning at a later commit.
        int inLog = 0;
        int copied = 0;
        sqlite3_wal_checkpoint_v2(m_own, nullptr, SQLITE_CHECKPOINT_PASSIVE, &inLog, &copied);
        lock.lock();
        ++m_folds;
        m_copied += copied > 0 ? copied : 0;
    }
}

} // namespace orv::db
