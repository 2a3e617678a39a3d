#!/usr/bin/env bash
# The benchmarks, and the trial balance side by side with ledger-cli on the
# same generated book of 1,000,000 postings. Needs ledger and sqlite3
# (apt-get install ledger sqlite3). Usage: bash tools/bench.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
work=${ORV_BENCH_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/orvanwise-bench}
mkdir -p "$work"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j4 --target bench_gl_reports bench_gl_journal bench_report_pdf >/dev/null
echo "machine: $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"

book="$work/book-1m.sqlite"
ORV_BENCH_BOOK="$book" "$build/bin/bench_gl_reports" --benchmark_filter=BM_TrialBalance --benchmark_repetitions=20 \
    --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null >"$work/reports.csv"
QT_QPA_PLATFORM=offscreen "$build/bin/bench_gl_journal" --benchmark_format=csv 2>/dev/null >"$work/journal.csv"
ORV_BENCH_BOOK="$book" "$build/bin/bench_gl_journal" --benchmark_format=csv 2>/dev/null | sed 's/^"BM_/"1M book: BM_/' \
    >>"$work/journal.csv"
QT_QPA_PLATFORM=offscreen "$build/bin/bench_report_pdf" --benchmark_format=csv 2>/dev/null >"$work/pdf.csv"

# The book as a ledger-cli journal: one transaction per document, one posting
# per leg, account "<type>:<code> <name>", two decimals.
sqlite3 -readonly "$book" "SELECT CASE WHEN l.n = 1 THEN char(10) || replace(l.date_dt, '-', '/') || ' '
    || l.Post_Seq || ' ' || l.Post_No || char(10) ELSE '' END || '    ' || c.Acct_Type || ':' || c.GL_ID || ' '
    || c.GL_Name_VC || '  ' || printf('%.2f', l.Amount_NU / 10000.0)
  FROM (SELECT *, row_number() OVER (PARTITION BY Post_Seq, Post_No ORDER BY Entry_ID) AS n FROM Ledger_T) l
  JOIN COA_T c ON c.GL_ID = l.GL_ID ORDER BY l.Post_Seq, l.Post_No, l.Entry_ID" >"$work/book.ledger"

# Every account's balance must agree before anything is timed.
ledger -f "$work/book.ledger" bal --flat --no-total \
    | awk '{ split($2, a, ":"); printf "%d %.2f\n", a[2], $1 }' | sort >"$work/ledger-tb.txt"
sqlite3 -readonly "$book" "SELECT GL_ID, printf('%.2f', SUM(Amount_NU) / 10000.0) FROM Ledger_Balance_T
  GROUP BY GL_ID HAVING SUM(Amount_NU) <> 0" | tr '|' ' ' | sort >"$work/our-tb.txt"
if ! diff -q "$work/ledger-tb.txt" "$work/our-tb.txt" >/dev/null; then
    echo "ledger-cli and the trial balance disagree:"; diff "$work/ledger-tb.txt" "$work/our-tb.txt" | head
    exit 1
fi

runs=()
for _ in 1 2 3; do
    runs+=("$( { /usr/bin/time -f '%e %M' ledger -f "$work/book.ledger" bal --flat >/dev/null; } 2>&1 | tail -1)")
done
read -r lwall lmem < <(printf '%s\n' "${runs[@]}" | sort -n | sed -n 2p)
tb=$(grep '^"BM_TrialBalance/real_time_median"' "$work/reports.csv" | cut -d, -f3)
tbq=$(sed '/^--/d; s/:year/9999/' src/db/procedures/select_chart_of_acct.sql)
read -r owall omem < <({ /usr/bin/time -f '%e %M' sqlite3 -readonly "$book" "$tbq" >/dev/null; } 2>&1 | tail -1)
printf '\n%-40s %14s %14s %10s\n' "1,000,000 postings" "Orvanwise" "ledger bal" "ratio"
printf '%-40s %11.3f ms %11.0f ms %9.0fx\n' "trial balance, warm (median of 20/3)" "$tb" "$(echo "$lwall*1000" | bc)" \
    "$(echo "$lwall*1000/$tb" | bc)"
printf '%-40s %11.0f ms %11.0f ms %9.0fx\n' "trial balance, whole process" "$(echo "$owall*1000" | bc)" \
    "$(echo "$lwall*1000" | bc)" "$(echo "$lwall/($owall+0.001)" | bc)"
printf '%-40s %11d KB %11d KB %9.0fx\n' "peak memory, whole process" "$omem" "$lmem" "$(echo "$lmem/$omem" | bc)"
echo
grep -h '^"\(1M book: \)\?BM_' "$work/journal.csv" "$work/pdf.csv" | cut -d, -f1,3,11- | tr -d '"' | tr ',' ' '
