#pragma once

namespace orv::reports {

// Keeps the memory a report gives back in the program's heap, for the next
// report to use again, instead of returning it to the system at once: a
// year's stock movement holds some ten megabytes of rows, and Qt's PDF engine
// compresses each page through a fresh 16 MB buffer. Returned to the system
// (or taken as a mapping of their own, above the C library's default
// threshold), such blocks are faulted in again page by page on their next
// use, which cost more than reading the rows or painting the page. Set once
// for the whole program.
void keepReportMemoryInHeap();

} // namespace orv::reports
