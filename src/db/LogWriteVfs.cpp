#include "LogWriteVfs.h"

#include <algorithm>
#include <cstddef>
#include <mutex>
#include <new>
#include <sqlite3.h>
#include <string>
#include <vector>

namespace orv::db {

namespace {

// What one log gathers before it writes regardless: a commit of a few
// hundred pages fits, an upgrade's long run of frames goes out in shares.
constexpr std::size_t kMostHeld = 4u << 20;
constexpr std::size_t kMostWritten = 124u << 10;

sqlite3_vfs* g_system = nullptr; // the system's own layer underneath

// One open file: the system's file follows this header in the same block.
struct File {
    sqlite3_file base; // first: SQLite sees only this
    sqlite3_file* real = nullptr;
    bool log = false; // a write-ahead log: its appends are held
    std::string book; // the book's name (a log's book; a book's own)
    std::mutex lock;  // a log's held bytes and its writes
    std::vector<char> held;
    sqlite3_int64 heldAt = 0;
    int failed = SQLITE_OK; // a write of held bytes that failed where no caller could be told
};

constexpr std::size_t kRealAt =
    (sizeof(File) + alignof(std::max_align_t) - 1) / alignof(std::max_align_t) * alignof(std::max_align_t);

std::mutex g_logsLock;
std::vector<File*> g_logs;

File* of(sqlite3_file* f) {
    return reinterpret_cast<File*>(f);
}

// Writes what the log holds (its lock held), in shares the system's layer
// takes whole (it writes at most 128 KB at a time).
int writeHeld(File* f) {
    // Held bytes the barrier could not write fail the log's next operation,
    // its sync among them, so no commit counts them as written.
    int rc = f->failed;
    f->failed = SQLITE_OK;
    for (std::size_t done = 0; done < f->held.size() && rc == SQLITE_OK; done += kMostWritten) {
        const std::size_t n = std::min(kMostWritten, f->held.size() - done);
        rc = f->real->pMethods->xWrite(f->real, f->held.data() + done, static_cast<int>(n),
                                       f->heldAt + static_cast<sqlite3_int64>(done));
    }
    f->held.clear();
    return rc;
}

// Runs a log's operation once what the log holds is written.
template <class Op> int afterHeld(File* f, const Op& op) {
    std::lock_guard<std::mutex> guard(f->lock);
    const int rc = writeHeld(f);
    return rc != SQLITE_OK ? rc : op();
}

int fileClose(sqlite3_file* file) {
    File* f = of(file);
    int rc = SQLITE_OK;
    if (f->log) {
        {
            std::lock_guard<std::mutex> all(g_logsLock);
            g_logs.erase(std::remove(g_logs.begin(), g_logs.end(), f), g_logs.end());
        }
        std::lock_guard<std::mutex> guard(f->lock);
        rc = writeHeld(f);
    }
    const int closed = f->real->pMethods ? f->real->pMethods->xClose(f->real) : SQLITE_OK;
    f->~File();
    return rc != SQLITE_OK ? rc : closed;
}

int fileRead(sqlite3_file* file, void* out, int amount, sqlite3_int64 at) {
    File* f = of(file);
    const auto real = [&] { return f->real->pMethods->xRead(f->real, out, amount, at); };
    return f->log ? afterHeld(f, real) : real();
}

int fileWrite(sqlite3_file* file, const void* data, int amount, sqlite3_int64 at) {
    File* f = of(file);
    if (!f->log)
        return f->real->pMethods->xWrite(f->real, data, amount, at);
    std::lock_guard<std::mutex> guard(f->lock);
    const auto n = static_cast<std::size_t>(amount);
    const bool follows = !f->held.empty() && at == f->heldAt + static_cast<sqlite3_int64>(f->held.size());
    if (!follows || f->held.size() + n > kMostHeld) {
        const int rc = writeHeld(f);
        if (rc != SQLITE_OK)
            return rc;
        f->heldAt = at;
    }
    const char* bytes = static_cast<const char*>(data);
    f->held.insert(f->held.end(), bytes, bytes + n);
    return SQLITE_OK;
}

int fileTruncate(sqlite3_file* file, sqlite3_int64 size) {
    File* f = of(file);
    const auto real = [&] { return f->real->pMethods->xTruncate(f->real, size); };
    return f->log ? afterHeld(f, real) : real();
}

int fileSync(sqlite3_file* file, int flags) {
    File* f = of(file);
    const auto real = [&] { return f->real->pMethods->xSync(f->real, flags); };
    return f->log ? afterHeld(f, real) : real();
}

int fileSize(sqlite3_file* file, sqlite3_int64* size) {
    File* f = of(file);
    const auto real = [&] { return f->real->pMethods->xFileSize(f->real, size); };
    return f->log ? afterHeld(f, real) : real();
}

int fileLock(sqlite3_file* file, int level) {
    return of(file)->real->pMethods->xLock(of(file)->real, level);
}

int fileUnlock(sqlite3_file* file, int level) {
    return of(file)->real->pMethods->xUnlock(of(file)->real, level);
}

int fileCheckReserved(sqlite3_file* file, int* out) {
    return of(file)->real->pMethods->xCheckReservedLock(of(file)->real, out);
}

int fileControl(sqlite3_file* file, int op, void* arg) {
    File* f = of(file);
    const auto real = [&] { return f->real->pMethods->xFileControl(f->real, op, arg); };
    return f->log ? afterHeld(f, real) : real();
}

int fileSectorSize(sqlite3_file* file) {
    return of(file)->real->pMethods->xSectorSize(of(file)->real);
}

int fileCharacteristics(sqlite3_file* file) {
    return of(file)->real->pMethods->xDeviceCharacteristics(of(file)->real);
}

int fileShmMap(sqlite3_file* file, int page, int size, int extend, void volatile** out) {
    const sqlite3_io_methods* m = of(file)->real->pMethods;
    return m->iVersion >= 2 && m->xShmMap ? m->xShmMap(of(file)->real, page, size, extend, out)
                                          : SQLITE_IOERR;
}

int fileShmLock(sqlite3_file* file, int offset, int n, int flags) {
    const sqlite3_io_methods* m = of(file)->real->pMethods;
    return m->iVersion >= 2 && m->xShmLock ? m->xShmLock(of(file)->real, offset, n, flags) : SQLITE_IOERR;
}

// SQLite passes the barrier just before it shows other connections the
// frames a commit wrote: whatever the book's logs hold is written first, so
// no reader is shown a frame that is not in the file (whatever a connection's
// sync setting).
void fileShmBarrier(sqlite3_file* file) {
    File* f = of(file);
    const sqlite3_io_methods* m = f->real->pMethods;
    if (m->iVersion >= 2 && m->xShmBarrier)
        m->xShmBarrier(f->real);
    std::lock_guard<std::mutex> all(g_logsLock);
    for (File* log : g_logs) {
        if (log->book != f->book)
            continue;
        std::lock_guard<std::mutex> guard(log->lock);
        log->failed = writeHeld(log);
    }
}

int fileShmUnmap(sqlite3_file* file, int deleteFlag) {
    const sqlite3_io_methods* m = of(file)->real->pMethods;
    return m->iVersion >= 2 && m->xShmUnmap ? m->xShmUnmap(of(file)->real, deleteFlag) : SQLITE_OK;
}

int fileFetch(sqlite3_file* file, sqlite3_int64 at, int amount, void** out) {
    const sqlite3_io_methods* m = of(file)->real->pMethods;
    if (m->iVersion >= 3 && m->xFetch && !of(file)->log)
        return m->xFetch(of(file)->real, at, amount, out);
    *out = nullptr;
    return SQLITE_OK;
}

int fileUnfetch(sqlite3_file* file, sqlite3_int64 at, void* page) {
    const sqlite3_io_methods* m = of(file)->real->pMethods;
    return m->iVersion >= 3 && m->xUnfetch && !of(file)->log ? m->xUnfetch(of(file)->real, at, page)
                                                             : SQLITE_OK;
}

const sqlite3_io_methods kMethods = {
    3,
    fileClose,
    fileRead,
    fileWrite,
    fileTruncate,
    fileSync,
    fileSize,
    fileLock,
    fileUnlock,
    fileCheckReserved,
    fileControl,
    fileSectorSize,
    fileCharacteristics,
    fileShmMap,
    fileShmLock,
    fileShmBarrier,
    fileShmUnmap,
    fileFetch,
    fileUnfetch,
};

int vfsOpen(sqlite3_vfs*, const char* name, sqlite3_file* file, int flags, int* outFlags) {
    File* f = new (file) File;
    f->real = reinterpret_cast<sqlite3_file*>(reinterpret_cast<char*>(file) + kRealAt);
    f->real->pMethods = nullptr;
    const int rc = g_system->xOpen(g_system, name, f->real, flags, outFlags);
    if (rc != SQLITE_OK || !f->real->pMethods) {
        if (f->real->pMethods)
            f->real->pMethods->xClose(f->real);
        f->~File();
        file->pMethods = nullptr;
        return rc != SQLITE_OK ? rc : SQLITE_CANTOPEN;
    }
    f->base.pMethods = &kMethods;
    f->log = (flags & SQLITE_OPEN_WAL) != 0;
    if (name) {
        f->book = name;
        if (f->log && f->book.size() > 4 && f->book.compare(f->book.size() - 4, 4, "-wal") == 0)
            f->book.resize(f->book.size() - 4);
    }
    if (f->log) {
        f->held.reserve(256u << 10);
        std::lock_guard<std::mutex> all(g_logsLock);
        g_logs.push_back(f);
    }
    return SQLITE_OK;
}

int vfsDelete(sqlite3_vfs*, const char* name, int syncDir) {
    return g_system->xDelete(g_system, name, syncDir);
}

int vfsAccess(sqlite3_vfs*, const char* name, int flags, int* out) {
    return g_system->xAccess(g_system, name, flags, out);
}

int vfsFullPathname(sqlite3_vfs*, const char* name, int size, char* out) {
    return g_system->xFullPathname(g_system, name, size, out);
}

void* vfsDlOpen(sqlite3_vfs*, const char* name) {
    return g_system->xDlOpen(g_system, name);
}

void vfsDlError(sqlite3_vfs*, int size, char* out) {
    g_system->xDlError(g_system, size, out);
}

void (*vfsDlSym(sqlite3_vfs*, void* lib, const char* symbol))(void) {
    return g_system->xDlSym(g_system, lib, symbol);
}

void vfsDlClose(sqlite3_vfs*, void* lib) {
    g_system->xDlClose(g_system, lib);
}

int vfsRandomness(sqlite3_vfs*, int size, char* out) {
    return g_system->xRandomness(g_system, size, out);
}

int vfsSleep(sqlite3_vfs*, int micro) {
    return g_system->xSleep(g_system, micro);
}

int vfsCurrentTime(sqlite3_vfs*, double* out) {
    return g_system->xCurrentTime(g_system, out);
}

int vfsLastError(sqlite3_vfs*, int size, char* out) {
    return g_system->xGetLastError(g_system, size, out);
}

int vfsCurrentTimeInt64(sqlite3_vfs*, sqlite3_int64* out) {
    return g_system->xCurrentTimeInt64(g_system, out);
}

} // namespace

const char* logWriteVfsName() {
    static sqlite3_vfs vfs = {2,
                              0,
                              0,
                              nullptr,
                              "orvanwise-log",
                              nullptr,
                              vfsOpen,
                              vfsDelete,
                              vfsAccess,
                              vfsFullPathname,
                              vfsDlOpen,
                              vfsDlError,
                              vfsDlSym,
                              vfsDlClose,
                              vfsRandomness,
                              vfsSleep,
                              vfsCurrentTime,
                              vfsLastError,
                              vfsCurrentTimeInt64,
                              nullptr,
                              nullptr,
                              nullptr};
    static std::once_flag once;
    std::call_once(once, [] {
        // SQLite's count of the memory it holds takes a lock at every
        // allocation, thousands of times a post; nothing here reads it. (It
        // can only be turned off before SQLite's first use, which this is.)
        sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);
        g_system = sqlite3_vfs_find(nullptr);
        vfs.szOsFile = static_cast<int>(kRealAt) + g_system->szOsFile;
        vfs.mxPathname = g_system->mxPathname;
        sqlite3_vfs_register(&vfs, 0);
    });
    return vfs.zName;
}

} // namespace orv::db
