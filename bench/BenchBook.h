#pragma once

#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace orv {
class Variant;
}

namespace orv::bench {

// A generated company file of about `postings` ledger legs, written the way
// the clerk writes one: a hundred accounts through Temp_COA, then journals of
// 2 to 20 lines through clsGLEntry::Send_Order, dated over 2008-2012. The
// same seed and size give the same book; it is kept in the benchmark cache
// folder ($ORV_BENCH_DIR, else ~/.cache/orvanwise-bench) and made again only
// when missing. Generation time and size go to stderr. Returns the file's path.
QString generatedBook(std::int64_t postings, std::uint32_t seed = 1);

// The postings benchmarks ask for: $ORV_BENCH_POSTINGS, else 1,000,000.
std::int64_t requestedPostings();

// The benchmark cache folder: $ORV_BENCH_DIR, else ~/.cache/orvanwise-bench.
QString cacheFolder();
// The kept book of that file name in the cache folder, generated first when
// missing: generate writes it through the open company database (at
// synchronous OFF) and the finished file is renamed into place.
QString keptBook(const QString& name, const QString& what,
                 const std::function<void(const QString&)>& generate);
// The same, the generation starting from a copy of the kept book at base.
QString keptBook(const QString& name, const QString& what, const QString& base,
                 const std::function<void(const QString&)>& generate);
// A copy of a kept book in a folder of its own (removed with it), opened as
// the company database, brought up to this program's book version and its
// pages checked before anything is timed; null when the copy fails.
std::unique_ptr<QTemporaryDir> openCopy(const QString& book);
// Copies a kept book and waits until the copy is on the disk: writing back a
// fresh copy of hundreds of megabytes would hold up the syncs of the posts
// timed on it. False when it cannot be copied.
bool copyBook(const QString& from, const QString& to);
// Sets the open company database for generating a book: no waiting for the
// disk, and the log folded inside the commits.
void generatingWrites();
// One staging request under the write protocol, as a set-up window sends it.
void request(const QString& sql, const std::vector<Variant>& params);

// Account codes of the generated book's own accounts (none holds a role).
constexpr int kFirstBenchAccount = 7000;
constexpr int kBenchAccounts = 100;
constexpr int kLastYear = 2012;

} // namespace orv::bench
