#pragma once

#include "BenchBook.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <vector>

namespace orv::bench {

// A copy of a kept book opened for one benchmark (openCopy); the benchmark
// ends with an error when the book cannot be copied.
inline std::unique_ptr<QTemporaryDir> openCopy(benchmark::State& state, const QString& book) {
    auto dir = openCopy(book);
    if (!dir)
        state.SkipWithError("the generated book could not be copied");
    return dir;
}

// Times each write as the iteration's own time (UseManualTime) and reports
// the median, the 99th percentile and the worst in ms as counters; a write
// that returns false ends the benchmark with an error. make(n) builds the
// n-th write's input untimed, as the clerk fills a window before posting it;
// write(input) is what is timed.
template <class Make, class Write> void timeWrites(benchmark::State& state, Make make, Write write) {
    std::vector<double> ms;
    for (auto _ : state) {
        auto input = make(static_cast<int>(ms.size()));
        const auto start = std::chrono::steady_clock::now();
        const bool written = write(input);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
        ms.push_back(took.count() * 1000.0);
        if (!written)
            state.SkipWithError("the document was refused");
    }
    std::sort(ms.begin(), ms.end());
    const auto at = [&ms](double q) { return ms.empty() ? 0.0 : ms[std::size_t(q * double(ms.size() - 1))]; };
    state.counters["p50_ms"] = at(0.50);
    state.counters["p99_ms"] = at(0.99);
    state.counters["max_ms"] = ms.empty() ? 0.0 : ms.back();
}

} // namespace orv::bench
