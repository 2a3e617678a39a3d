#!/usr/bin/env python3
"""Prints one figure of a Google Benchmark JSON file: the median aggregate of
a benchmark when it was repeated, else its one run. Usage:
    benchvalue.py FILE NAME [FIELD]   FIELD: a counter or real_time (default)
Prints "-" when the benchmark or the field is missing or was skipped."""
import json
import sys


def main():
    path, name = sys.argv[1], sys.argv[2]
    field = sys.argv[3] if len(sys.argv) > 3 else "real_time"
    try:
        with open(path) as f:
            runs = json.load(f).get("benchmarks", [])
    except (OSError, ValueError):
        print("-")
        return
    picked = None
    for run in runs:
        base = run.get("run_name", run.get("name", ""))
        if base != name and not base.startswith(name + "/"):
            continue
        if run.get("error_occurred"):
            print("-")
            return
        if run.get("aggregate_name") == "median" or picked is None and run.get("run_type") != "aggregate":
            picked = run
    if picked is None or field not in picked:
        print("-")
        return
    value = picked[field]
    print(f"{value:.3f}" if isinstance(value, float) else value)


if __name__ == "__main__":
    main()
