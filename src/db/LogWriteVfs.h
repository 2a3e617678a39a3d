#pragma once

namespace orv::db {

// The name of the file system layer the program opens its books through:
// the system's own, except that what a connection appends to a book's
// write-ahead log is gathered in memory and written in one piece when the
// log is synced, read, measured or truncated, and before any connection is
// shown new frames of it (the shared index's barrier). A commit of sixty
// pages so costs one write instead of a hundred and twenty; what reaches the
// disk, and when it is synced, is as before.
const char* logWriteVfsName();

} // namespace orv::db
