#!/usr/bin/env python3
"""Prints the performance targets beside the figures tools/bench.sh has just written, one line each:
the measure, the figure, the target and whether it is met. Usage:
    benchdone.py WORK_DIR STOCK_SIZES POSTING_SIZES
STOCK_SIZES and POSTING_SIZES are the space-separated sizes bench.sh ran (the stock targets are read
on the largest stock book beside the smallest, the posting targets on every posting book)."""
import csv
import json
import os
import sys


def runs(path):
    try:
        with open(path) as f:
            return json.load(f).get("benchmarks", [])
    except (OSError, ValueError):
        return []


def figure(path, name, field="real_time"):
    """The median of a repeated benchmark, else its one run; None when missing or skipped."""
    picked = None
    for run in runs(path):
        base = run.get("run_name", run.get("name", ""))
        if base != name and not base.startswith(name + "/"):
            continue
        if run.get("error_occurred"):
            return None
        if run.get("aggregate_name") == "median" or picked is None and run.get("run_type") != "aggregate":
            picked = run
    value = picked.get(field) if picked else None
    return float(value) if value is not None else None


def csv_median(path, name):
    try:
        with open(path) as f:
            for row in csv.reader(f):
                if row and row[0] in (f"{name}_median", f"{name}/real_time_median"):
                    return float(row[2])
    except (OSError, ValueError, IndexError):
        pass
    return None


def line(measure, shown, ok, target):
    mark = "-" if ok is None else ("yes" if ok else "NO")
    print(f"{measure:<52} {shown:>26}   {target:<28} {mark}")


def ms(value):
    return "-" if value is None else f"{value:.1f} ms"


def below(value, limit):
    return None if value is None else value < limit


def main():
    work, stock_sizes, posting_sizes = sys.argv[1], sys.argv[2].split(), sys.argv[3].split()
    print(f"\n{'what the targets ask':<52} {'figure':>26}   {'target':<28} met")
    small, large = min(stock_sizes, key=int), max(stock_sizes, key=int)
    stock = lambda size: os.path.join(work, f"stock-{size}.json")
    moves = f"{int(large):,} moves"
    for label, bench in (("goods received note", "BM_PostGoodsReceived"), ("stock adjustment", "BM_PostStockCount")):
        big, little = figure(stock(large), bench, "p50_ms"), figure(stock(small), bench, "p50_ms")
        ratio = big / little if big is not None and little else None
        shown = ms(big) + ("" if ratio is None else f" ({ratio:.2f}x)")
        ok = None if ratio is None else big < 5 and ratio <= 2
        line(f"{moves}: 20-line {label} posted, median", shown, ok, f"< 5 ms, within 2x of {int(small):,}")
    for label, bench, limit in (("stock ageing", "BM_StockReport/Ageing", 300),
                                ("stock movement of one year", "BM_StockReport/MovementOfOneYear", 100),
                                ("stock balance", "BM_StockReport/Balance", 50),
                                ("stock adjustment window open with its list", "BM_StockAdjustmentWindowOpen", 200)):
        value = figure(stock(large), bench)
        line(f"{moves}: {label}", ms(value), below(value, limit), f"< {limit} ms")
    pdf = os.path.join(work, f"stock-pdf-{large}.json")
    took, rows = figure(pdf, "BM_AgeingToPdf"), figure(pdf, "BM_AgeingToPdf", "rows")
    peak, pages = figure(pdf, "BM_AgeingToPdf", "peak_RSS_MB"), figure(pdf, "BM_AgeingToPdf", "pages")
    per10k = took * 10000 / rows if took is not None and rows else None
    shown = "-" if per10k is None else f"{per10k:.0f} ms, {peak:.0f} MB ({pages:.0f} p.)"
    ok = None if per10k is None else per10k < 1000 and peak < 150
    line(f"{moves}: ageing to PDF, per 10,000 rows, peak", shown, ok, "< 1 s per 10,000 rows, < 150 MB")

    listing = os.path.join(work, "pdf.json")
    took, peak = figure(listing, "BM_GroupedListingToPdf/10000"), figure(listing, "BM_GroupedListingToPdf/10000",
                                                                         "peak_RSS_MB")
    shown = "-" if took is None else f"{ms(took)}, {peak:.0f} MB"
    line("10,000-row listing to PDF, peak", shown, None if took is None else took < 1000 and peak < 100,
         "< 1 s, < 100 MB")

    for size in sorted(posting_sizes, key=int):
        book = f"{int(size):,} postings"
        journal = os.path.join(work, f"journal-{size}.json")
        first, worst = figure(journal, "BM_FirstPostAfterOpening", "p50_ms"), figure(journal,
                                                                                     "BM_FirstPostAfterOpening",
                                                                                     "max_ms")
        line(f"{book}: first post after opening, median (worst)",
             "-" if first is None else f"{first:.1f} ({worst:.1f}) ms", below(first, 50), "< 50 ms")
        within, slowest = figure(journal, "BM_OpenReadAndClose", "within_1s"), figure(journal,
                                                                                      "BM_OpenReadAndClose",
                                                                                      "max_ms")
        line(f"{book}: starts that open, read and exit within 1 s",
             "-" if within is None else f"{within:.0f} of 30 (worst {slowest:.0f} ms)",
             None if within is None else within >= 30, "30 of 30")
        p50, p99, top = (figure(journal, "BM_PostTwentyLineJournal", f) for f in ("p50_ms", "p99_ms", "max_ms"))
        ok = None if p50 is None else p50 < 2 and p99 < 5 and top < 50
        line(f"{book}: burst of 1,000 20-line journals p50/p99/max",
             "-" if p50 is None else f"{p50:.2f} / {p99:.2f} / {top:.1f} ms", ok, "< 2 / 5 / 50 ms")
        f50, f99, ftop = (figure(journal, "BM_DiskFloor", f) for f in ("p50_ms", "p99_ms", "max_ms"))
        line("  beside the disk's floor, one-row commits p50/p99/max",
             "-" if f50 is None else f"{f50:.2f} / {f99:.2f} / {ftop:.1f} ms", None, "")
        reports = os.path.join(work, f"reports-{size}.csv")
        for label, bench in (("trial balance", "BM_TrialBalance"), ("balance sheet", "BM_YearReport/BalanceSheet"),
                             ("profit and loss", "BM_YearReport/ProfitAndLoss")):
            value = csv_median(reports, bench)
            line(f"{book}: {label}, median of 20", "-" if value is None else f"{value:.2f} ms",
                 below(value, 5), "< 5 ms")


if __name__ == "__main__":
    main()
