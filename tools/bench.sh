#!/usr/bin/env bash
# The benchmarks on generated books, and the trial balance side by side with
# ledger-cli on the same book. Needs ledger and sqlite3
# (apt-get install ledger sqlite3). Usage: bash tools/bench.sh [build-dir]
# ORV_BENCH_SIZES lists the book sizes in postings (default 1000000; add
# 10000000 for the large book, about half an hour to generate once). Books are
# kept in ORV_BENCH_DIR (default ~/.cache/orvanwise-bench) by size and seed.
# ORV_BENCH_MOVES_SIZES lists the stock books in stock moves (default
# "50000 500000"), printed side by side. Figures are medians unless named. The
# run ends with every performance target beside its figure (tools/benchdone.py);
# the targets on the large book need ORV_BENCH_SIZES="1000000 10000000".
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
export ORV_BENCH_DIR=${ORV_BENCH_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/orvanwise-bench}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
work=$ORV_BENCH_DIR
mkdir -p "$work"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j4 --target bench_gl_reports bench_gl_journal bench_report_pdf bench_login bench_upgrade \
    bench_stock bench_sales bench_purchases >/dev/null
echo "machine: $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
bv() { python3 tools/benchvalue.py "$@"; }

# name,median-ms from a Google Benchmark csv with aggregates.
medians() { grep '_median"' "$1" | sed 's/"//g; s/\/real_time_median//; s/_median//' | cut -d, -f1,3; }
value() { grep "^$2," <(medians "$1") | cut -d, -f2; }

QT_QPA_PLATFORM=offscreen "$build/bin/bench_report_pdf" --benchmark_format=json 2>/dev/null >"$work/pdf.json"
"$build/bin/bench_gl_journal" --benchmark_filter='Journal|DiskFloor' --benchmark_format=json 2>/dev/null \
    >"$work/journal-empty.json"

# The stock side, one column per book.
stock_sizes=${ORV_BENCH_MOVES_SIZES:-50000 500000}
for m in $stock_sizes; do
    ORV_BENCH_MOVES=$m "$build/bin/bench_stock" --benchmark_filter='^BM_(Post|StockReport|StockAdjustment)' \
        --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
        --benchmark_format=json 2>&1 >"$work/stock-$m.json" | grep -v '^\*\*\*WARNING\|propagateSizeHints' >&2 || true
    # Alone, so that the process's peak memory is the export's.
    ORV_BENCH_MOVES=$m "$build/bin/bench_stock" --benchmark_filter=BM_AgeingToPdf --benchmark_format=json \
        2>/dev/null >"$work/stock-pdf-$m.json" || true
done
printf '\n%-44s' "stock moves (2,000 items)"
for m in $stock_sizes; do printf ' %14s' "$(printf "%'d" "$m")"; done
echo
stockrow() {
    printf '%-44s' "$1"
    for m in $stock_sizes; do printf ' %11s ms' "$(bv "$work/stock-$m.json" "$2" "${3:-real_time}")"; done
    echo
}
stockrow "20-line goods received note posted" BM_PostGoodsReceived p50_ms
stockrow "20-line stock adjustment posted" BM_PostStockCount p50_ms
stockrow "stock ageing (data source)" BM_StockReport/Ageing
stockrow "stock movement of one year (data source)" BM_StockReport/MovementOfOneYear
stockrow "stock balance (data source)" BM_StockReport/Balance
stockrow "stock adjustment list of one set" BM_StockAdjustmentList
printf '%-44s' "  (rows of that list)"
for m in $stock_sizes; do printf ' %14s' "$(bv "$work/stock-$m.json" BM_StockAdjustmentList rows)"; done
echo
stockrow "stock adjustment window open with its list" BM_StockAdjustmentWindowOpen
printf '%-44s' "  (rows shown at once)"
for m in $stock_sizes; do printf ' %14s' "$(bv "$work/stock-$m.json" BM_StockAdjustmentWindowOpen rows)"; done
echo
printf '%-44s' "stock ageing to PDF"
for m in $stock_sizes; do printf ' %11s ms' "$(bv "$work/stock-pdf-$m.json" BM_AgeingToPdf)"; done
echo
for counter in pages rows peak_RSS_MB; do
    printf '%-44s' "  ($counter)"
    for m in $stock_sizes; do printf ' %14s' "$(bv "$work/stock-pdf-$m.json" BM_AgeingToPdf $counter)"; done
    echo
done
# The export's time for every 10,000 rows it writes.
per10k() { python3 -c "import sys; t, n = sys.argv[1:]; print('-' if '-' in (t, n) else f'{float(t) * 10000 / float(n):.0f}')" \
    "$(bv "$1" BM_AgeingToPdf)" "$(bv "$1" BM_AgeingToPdf rows)"; }
printf '%-44s' "  (ms per 10,000 rows)"
for m in $stock_sizes; do printf ' %14s' "$(per10k "$work/stock-pdf-$m.json")"; done
echo

for size in ${ORV_BENCH_SIZES:-1000000}; do
    export ORV_BENCH_POSTINGS=$size
    book="$work/book-$size-seed1.sqlite"
    "$build/bin/bench_gl_reports" --benchmark_repetitions=20 --benchmark_report_aggregates_only=true \
        --benchmark_format=csv 2>&1 >"$work/reports-$size.csv" | grep -v '^\*\*\*WARNING' >&2 || true
    ORV_BENCH_BOOK="$book" "$build/bin/bench_gl_journal" --benchmark_format=json 2>/dev/null \
        >"$work/journal-$size.json"
    "$build/bin/bench_login" --benchmark_format=csv 2>/dev/null >"$work/login-$size.csv"
    "$build/bin/bench_upgrade" --benchmark_format=json 2>/dev/null >"$work/upgrade-$size.json"
    "$build/bin/bench_sales" --benchmark_format=json 2>/dev/null >"$work/sales-$size.json"
    "$build/bin/bench_purchases" --benchmark_format=json 2>/dev/null >"$work/purchases-$size.json"

    # The book as a ledger-cli journal: one transaction per document, one
    # posting per leg, account "<type>:<code> <name>", two decimals.
    sqlite3 -readonly "$book" "SELECT CASE WHEN l.n = 1 THEN char(10) || replace(l.date_dt, '-', '/') || ' '
        || l.Post_Seq || ' ' || l.Post_No || char(10) ELSE '' END || '    ' || c.Acct_Type || ':' || c.GL_ID || ' '
        || c.GL_Name_VC || '  ' || printf('%.2f', l.Amount_NU / 10000.0)
      FROM (SELECT *, row_number() OVER (PARTITION BY Post_Seq, Post_No ORDER BY Entry_ID) AS n FROM Ledger_T) l
      JOIN COA_T c ON c.GL_ID = l.GL_ID ORDER BY l.Post_Seq, l.Post_No, l.Entry_ID" >"$work/book-$size.ledger"

    # Every account's balance must agree before anything is compared.
    ledger -f "$work/book-$size.ledger" bal --flat --no-total \
        | awk '{ split($2, a, ":"); printf "%d %.2f\n", a[2], $1 }' | sort >"$work/ledger-tb.txt"
    sqlite3 -readonly "$book" "SELECT GL_ID, printf('%.2f', SUM(Amount_NU) / 10000.0) FROM Ledger_Balance_T
      GROUP BY GL_ID HAVING SUM(Amount_NU) <> 0" | tr '|' ' ' | sort >"$work/our-tb.txt"
    if ! diff -q "$work/ledger-tb.txt" "$work/our-tb.txt" >/dev/null; then
        echo "ledger-cli and the trial balance disagree on the $size book:"
        diff "$work/ledger-tb.txt" "$work/our-tb.txt" | head
        exit 1
    fi
    runs=()
    for _ in 1 2 3; do
        runs+=("$( { /usr/bin/time -f '%e %M' ledger -f "$work/book-$size.ledger" bal --flat >/dev/null; } 2>&1 \
            | tail -1)")
    done
    read -r lwall lmem < <(printf '%s\n' "${runs[@]}" | sort -n | sed -n 2p)
    tbq=$(sed '/^--/d; s/:year/9999/' src/db/procedures/select_chart_of_acct.sql)
    read -r owall omem < <({ /usr/bin/time -f '%e %M' sqlite3 -readonly "$book" "$tbq" >/dev/null; } 2>&1 | tail -1)
    r="$work/reports-$size.csv"
    tb=$(value "$r" BM_TrialBalance)

    printf '\n%-44s %14s %14s %10s\n' "$(printf "%'d" "$size") postings" "Orvanwise" "ledger bal" "ratio"
    printf '%-44s %11.3f ms %11.0f ms %9.0fx\n' "trial balance, warm (median of 20/3)" "$tb" \
        "$(echo "$lwall*1000" | bc)" "$(echo "$lwall*1000/$tb" | bc)"
    printf '%-44s %11.0f ms %11.0f ms %9.0fx\n' "trial balance, whole process" "$(echo "$owall*1000" | bc)" \
        "$(echo "$lwall*1000" | bc)" "$(echo "$lwall/($owall+0.001)" | bc)"
    printf '%-44s %11d KB %11d KB %9.0fx\n' "peak memory, whole process" "$omem" "$lmem" "$(echo "$lmem/$omem" | bc)"
    for row in BalanceSheet BalanceSheetWithoutCodes ProfitAndLoss TwelveMonthProfitAndLoss; do
        printf '%-44s %11.3f ms\n' "$row (median of 20)" "$(value "$r" "BM_YearReport/$row")"
    done
    printf '%-44s %11.3f ms\n' "one account's listing (median of 20)" "$(value "$r" BM_OneAccountListing)"
    j="$work/journal-$size.json"
    printf '%-44s %s / %s / %s ms\n' "burst of 1,000 20-line journals p50/p99/max" "$(bv "$j" BM_PostTwentyLineJournal p50_ms)" \
        "$(bv "$j" BM_PostTwentyLineJournal p99_ms)" "$(bv "$j" BM_PostTwentyLineJournal max_ms)"
    printf '%-44s %s / %s / %s ms\n' "  disk floor, 1,000 one-row commits" "$(bv "$j" BM_DiskFloor p50_ms)" \
        "$(bv "$j" BM_DiskFloor p99_ms)" "$(bv "$j" BM_DiskFloor max_ms)"
    printf '%-44s %s ms (worst %s ms)\n' "first post after opening (median of 10)" \
        "$(bv "$j" BM_FirstPostAfterOpening p50_ms)" "$(bv "$j" BM_FirstPostAfterOpening max_ms)"
    printf '%-44s %s of 30 (worst %s ms)\n' "open, read and close within 1 s" \
        "$(bv "$j" BM_OpenReadAndClose within_1s)" "$(bv "$j" BM_OpenReadAndClose max_ms)"
    s="$work/sales-$size.json"
    for doc in Invoice Delivery; do
        printf '%-44s %s / %s ms\n' "20-line $(echo $doc | tr A-Z a-z) p50 / p99" "$(bv "$s" BM_PostTwentyLine$doc p50_ms)" \
            "$(bv "$s" BM_PostTwentyLine$doc p99_ms)"
    done
    printf '%-44s %s ms\n' "billable lines of a customer, 1,000 (mean of 50)" "$(bv "$s" BM_CustomerOrderList)"
    printf '%-44s %s ms\n' "balance of a customer, 10,000 items (mean of 50)" "$(bv "$s" BM_CustomerBalance)"
    p="$work/purchases-$size.json"
    printf '%-44s %s / %s ms\n' "20-line purchase invoice p50 / p99" \
        "$(bv "$p" BM_PostTwentyLinePurchaseInvoice p50_ms)" "$(bv "$p" BM_PostTwentyLinePurchaseInvoice p99_ms)"
    printf '%-44s %s ms\n' "received lines of a supplier, 1,000 (mean of 50)" "$(bv "$p" BM_SupplierOrderList)"
    grep -h '^"BM_LoginGeneratedBook' "$work/login-$size.csv" | cut -d, -f3 \
        | awk '{ printf "%-44s %11.1f ms\n", "login window on screen (mean of 10)", $1 }'
    printf '%-44s %11s ms (progress silent at most %s ms)\n' "upgrade of a book without kept balances" \
        "$(bv "$work/upgrade-$size.json" BM_UpgradeToKeptBalances)" \
        "$(bv "$work/upgrade-$size.json" BM_UpgradeToKeptBalances longest_silence_ms)"
done

echo
echo "empty book"
printf '%-44s %s / %s / %s ms\n' "20-line journal p50/p99/max" \
    "$(bv "$work/journal-empty.json" BM_PostTwentyLineJournal p50_ms)" \
    "$(bv "$work/journal-empty.json" BM_PostTwentyLineJournal p99_ms)" \
    "$(bv "$work/journal-empty.json" BM_PostTwentyLineJournal max_ms)"
grep -h '^"BM_LoginEmptyBook' "$work/login-$(echo ${ORV_BENCH_SIZES:-1000000} | cut -d' ' -f1).csv" | cut -d, -f3 \
    | awk '{ printf "%-44s %11.1f ms\n", "login window on a new book (mean of 10)", $1 }'
printf '%-44s %s ms, %s pages, peak %s MB\n' "grouped listing of 10,000 lines to PDF" \
    "$(bv "$work/pdf.json" BM_GroupedListingToPdf/10000)" "$(bv "$work/pdf.json" BM_GroupedListingToPdf/10000 pages)" \
    "$(bv "$work/pdf.json" BM_GroupedListingToPdf/10000 peak_RSS_MB)"

# Every target beside its figure.
python3 tools/benchdone.py "$work" "$stock_sizes" "${ORV_BENCH_SIZES:-1000000}"
echo "machine: $(nproc) cores, load at the end $(cut -d' ' -f1-3 /proc/loadavg)"
