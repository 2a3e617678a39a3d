#!/usr/bin/env python3
"""Which refusal rules of the database could vanish without a test noticing.

Every `SELECT db_fail(...) WHERE ...;` rule of the trigger files, of the trigger templates (.sqlt, a
rule written once for twins such as the customer and supplier requests, or a part that several
triggers use, such as the first rules of every set-up request: disabling it disables it in every
twin and every trigger using it) and of commit_checks, and every `WHEN ... THEN db_fail(...)` branch of a CASE, is
disabled in turn (its condition becomes
`0 AND (...)`) in a scratch copy of the tree; the SQL is rebuilt into
the test programs and the test programs that run that rule file are run. A rule whose removal leaves
them all passing is a survivor: no test reaches it and asserts its refusal.

Usage: tools/mutation.py [--only REGEX] [--jobs N] [--scratch DIR] [--keep-going]

The scratch copy (default build-mutation/ in the tree, ignored by git) is refreshed from the working tree at every run and its build folder reused, so
a mutation rebuilds only the SQL resources and relinks the test programs. Before the rules, each
rule file is probed once (every rule of it made to fire always) to learn which test programs run it;
a rule is then tested with those programs only. Results go to stdout and to mutation-results.tsv in
the scratch folder. Exit status: 0 with no survivor, 1 with survivors, 2 when the tree itself does not
build or its tests fail.
"""

import argparse
import concurrent.futures
import filecmp
import glob
import json
import math
import os
import re
import shutil
import signal
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
RULE_FILES = ("src/db/triggers/*.sql", "src/db/triggers/*.sqlt", "src/db/procedures/commit_checks.sql")
RESULTS = "mutation-results.tsv"
CALL = re.compile(r"\b(SELECT|THEN)\s+db_fail\s*\(", re.I)
WHEN = re.compile(r"\bWHEN\b", re.I)


class Rule:
    def __init__(self, path, start, line, reason):
        self.path = path  # relative to the tree
        self.start = start  # offset of SELECT in the file
        self.line = line
        self.reason = reason

    def name(self):
        return f"{os.path.basename(self.path)}:{self.line}"


def skip_space(text, i):
    """The first offset at or after i that is neither blank nor inside a -- comment."""
    while i < len(text):
        if text[i].isspace():
            i += 1
        elif text.startswith("--", i):
            i = text.find("\n", i)
            i = len(text) if i < 0 else i
        else:
            break
    return i


def scan_to(text, i, stop):
    """From i, the offset of the first stop character outside strings, comments and parentheses."""
    depth = 0
    while i < len(text):
        c = text[i]
        if c == "'":
            i = text.index("'", i + 1)
            while text.startswith("''", i):
                i = text.index("'", i + 2)
        elif text.startswith("--", i):
            i = text.find("\n", i)
            if i < 0:
                break
        elif c == "(":
            depth += 1
        elif c == ")":
            if depth == 0 and stop == ")":
                return i
            depth -= 1
        elif c == stop and depth == 0:
            return i
        i += 1
    raise ValueError(f"no closing {stop!r}")


def code_offsets(text, end):
    """The offsets before end that are SQL code, not inside a string or a -- comment."""
    code = []
    i = 0
    while i < end:
        if text[i] == "'":
            i = text.index("'", i + 1)
            while text.startswith("''", i):
                i = text.index("'", i + 2)
        elif text.startswith("--", i):
            i = text.find("\n", i)
            if i < 0:
                break
        else:
            code.append(i)
        i += 1
    return set(code)


def condition_span(text, start):
    """(begin, end) of the condition of the rule starting at start: the WHERE after a SELECT rule,
    or the WHEN before a THEN branch."""
    call = CALL.match(text, start)
    if call.group(1).upper() == "THEN":
        code = code_offsets(text, start)
        whens = [m for m in WHEN.finditer(text, 0, start) if m.start() in code]
        if not whens:
            raise ValueError("THEN db_fail without its WHEN")
        return whens[-1].end(), start
    close = scan_to(text, call.end(), ")")
    where = skip_space(text, close + 1)
    if not re.match(r"WHERE\b", text[where:], re.I):
        raise ValueError("rule without a WHERE")
    begin = where + len("WHERE")
    return begin, scan_to(text, begin, ";")


def rules_of(tree):
    found = []
    for pattern in RULE_FILES:
        for path in sorted(glob.glob(os.path.join(tree, pattern))):
            text = open(path, encoding="utf-8").read()
            rel = os.path.relpath(path, tree)
            for m in CALL.finditer(text):
                reason = re.match(r"\s*'((?:[^']|'')*)'", text[m.end():])
                line = text.count("\n", 0, m.start()) + 1
                found.append(Rule(rel, m.start(), line, reason.group(1) if reason else "?"))
    return found


def rewritten(text, starts, prefix, reason=None):
    """text with the conditions of the rules at starts turned into prefix + (condition), and their
    reasons into reason when one is given."""
    edits = []
    for s in starts:
        begin, end = condition_span(text, s)
        edits.append((begin, end, " " + prefix + " (" + text[begin:end] + ") "))
        if reason is not None:
            call = CALL.match(text, s)
            edits.append((call.end(), scan_to(text, call.end(), ")"), f"'{reason}'"))
    for begin, end, new in sorted(edits, reverse=True):
        text = text[:begin] + new + text[end:]
    return text


def sync_tree(source, scratch):
    """Copies the working tree's files (tracked and untracked, not ignored) into scratch, touching
    only the files that differ so the scratch build stays up to date."""
    listed = subprocess.run(["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
                            cwd=source, check=True, capture_output=True).stdout.decode().split("\0")
    keep = set(filter(None, listed))
    for folder, dirs, files in os.walk(scratch):
        if folder == scratch:
            dirs[:] = [d for d in dirs if d != "build"]
        for name in files:
            rel = os.path.relpath(os.path.join(folder, name), scratch)
            if rel not in keep and rel != RESULTS:
                os.remove(os.path.join(scratch, rel))
    for rel in keep:
        src = os.path.join(source, rel)
        dst = os.path.join(scratch, rel)
        if not os.path.isfile(src):
            continue
        if os.path.exists(dst) and filecmp.cmp(src, dst, shallow=False):
            continue
        os.makedirs(os.path.dirname(dst), exist_ok=True)
        # A fresh time, not the source's: a file edited before the copy's last build is still newer
        # than what that build made of it.
        shutil.copy(src, dst)


# In the copy the SQL travels in a shared library of its own, which the test programs load but do
# not relink against (CMAKE_LINK_DEPENDS_NO_SHARED): a mutation rebuilds that library only.
SQL_RESOURCES = 'qt_add_resources(orvan_db "company_db" PREFIX "/db" FILES ${ORV_DB_FILES})'
SQL_LIBRARY = """add_library(orvan_db_sql SHARED)
qt_add_resources(orvan_db_sql "company_db" PREFIX "/db" FILES ${ORV_DB_FILES})
target_link_libraries(orvan_db_sql PRIVATE Qt6::Core)
target_link_libraries(orvan_db PUBLIC orvan_db_sql)"""


def split_sql_library(tree):
    """Moves the SQL resources of the copy into their own shared library; False when the build
    file no longer reads as expected (every mutation then relinks the test programs)."""
    path = os.path.join(tree, "src/db/CMakeLists.txt")
    text = open(path, encoding="utf-8").read()
    if SQL_RESOURCES not in text:
        return "orvan_db_sql" in text
    with open(path, "w", encoding="utf-8") as out:
        out.write(text.replace(SQL_RESOURCES, SQL_LIBRARY))
    return True


def run(cmd, **kw):
    return subprocess.run(cmd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True, **kw)


class Suite:
    def __init__(self, build, jobs):
        self.build = build
        self.jobs = jobs
        shown = run(["ctest", "--show-only=json-v1"], cwd=build)
        programs = {}
        for t in json.loads(shown.stdout)["tests"]:
            command = t.get("command") or []
            # the test programs the build makes (not the compile-only checks)
            if command and os.path.abspath(command[0]).startswith(os.path.abspath(build) + os.sep):
                programs.setdefault(os.path.basename(command[0]), command[0])
        self.programs = programs  # target name -> path
        self.seconds = {name: 1.0 for name in programs}

    def rebuild(self, targets):
        done = run(["cmake", "--build", self.build, f"-j{self.jobs}", "--target", *sorted(targets)])
        return done.returncode == 0, done.stdout

    def shards(self, names):
        """(program, shard, shards) runs, the slow programs split so they end about together."""
        total = sum(self.seconds[n] for n in names)
        share = max(total / self.jobs, 1.0)
        out = []
        for n in sorted(names, key=lambda n: -self.seconds[n]):
            k = max(1, min(self.jobs, math.ceil(self.seconds[n] / share)))
            out += [(n, i, k) for i in range(k)]
        return out

    def run_tests(self, names, stop_at_first=True, timing=False):
        """The programs among names that fail (all of them when stop_at_first is False)."""
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen", GTEST_FAIL_FAST="1")
        pending = self.shards(names)
        running = {}
        try:
            return self._run(pending, running, env, stop_at_first, timing)
        finally:  # stopped early or interrupted: end the programs this run started
            for p, _, _ in running.values():
                os.killpg(p.pid, signal.SIGKILL)
                p.wait()

    def _run(self, pending, running, env, stop_at_first, timing):
        failed = set()
        started = {}
        while pending or running:
            while pending and len(running) < self.jobs:
                name, shard, count = pending.pop(0)
                e = dict(env, GTEST_SHARD_INDEX=str(shard), GTEST_TOTAL_SHARDS=str(count))
                p = subprocess.Popen([self.programs[name]], env=e, cwd=os.path.dirname(self.programs[name]),
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
                running[p.pid] = (p, name, count)
                started[p.pid] = time.monotonic()
            time.sleep(0.05)
            for pid, (p, name, count) in list(running.items()):
                limit = 60 + 10 * self.seconds[name]
                late = time.monotonic() - started[pid] > limit
                if late:
                    os.killpg(p.pid, signal.SIGKILL)
                if p.poll() is None and not late:
                    continue
                p.wait()
                del running[pid]
                if timing:
                    self.seconds[name] = max(time.monotonic() - started[pid], 0.2) * count
                if p.returncode != 0:
                    failed.add(name)
            if failed and stop_at_first:
                return failed
        return failed


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--only", help="test only the rules whose 'file:line reason' matches this regex")
    ap.add_argument("--jobs", type=int, default=os.cpu_count() or 4)
    ap.add_argument("--scratch", default=os.path.join(ROOT, "build-mutation"))
    ap.add_argument("--nice", type=int, default=10)
    ap.add_argument("--source", default=ROOT, help="the tree to copy (default: the one holding this script)")
    args = ap.parse_args()
    os.nice(args.nice)
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(3))  # restores the copy's files on the way out

    # The build folder sits in the copy as build/ sits in the tree, so the compiler sees the same
    # relative paths and ccache (base_dir) reuses the objects of the normal build.
    tree = args.scratch
    build = os.path.join(tree, "build")
    os.makedirs(tree, exist_ok=True)
    sync_tree(args.source, tree)
    split = split_sql_library(tree)
    # ccache only where the machine has it: a new machine builds the copy without.
    launcher = ["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"] if shutil.which("ccache") else []
    configure = run(["cmake", "-S", tree, "-B", build, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
                     *launcher, "-DCMAKE_LINK_DEPENDS_NO_SHARED=ON",
                     "-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld -Wl,--no-as-needed"])
    if configure.returncode != 0:
        print(configure.stdout)
        return 2
    built = run(["cmake", "--build", build, f"-j{args.jobs}"])
    if built.returncode != 0:
        print(built.stdout[-4000:])
        return 2
    suite = Suite(build, args.jobs)
    everything = set(suite.programs)
    broken = suite.run_tests(everything, stop_at_first=False, timing=True)
    if broken:
        print("the unchanged tree fails:", ", ".join(sorted(broken)))
        return 2

    rules = rules_of(tree)
    if args.only:
        rules = [r for r in rules if re.search(args.only, f"{r.name()} {r.reason}")]
    files = sorted({r.path for r in rules})
    originals = {f: open(os.path.join(tree, f), encoding="utf-8").read() for f in files}

    def with_text(path, text, targets, stop_at_first):
        with open(os.path.join(tree, path), "w", encoding="utf-8") as out:
            out.write(text)
        try:
            ok, log = suite.rebuild({"orvan_db_sql"} if split else targets)
            if not ok:
                raise RuntimeError(f"{path} does not build once changed:\n{log[-3000:]}")
            return suite.run_tests(targets, stop_at_first)
        finally:
            with open(os.path.join(tree, path), "w", encoding="utf-8") as out:
                out.write(originals[path])

    began = time.monotonic()
    # Which test programs run each rule file: every rule of it fires whenever it is evaluated, with
    # a reason no test expects (a test that asserts a rule's refusal would pass with its own).
    runners = {}
    for f in files:
        starts = [m.start() for m in CALL.finditer(originals[f])]
        runners[f] = with_text(f, rewritten(originals[f], starts, "1 OR", "mutation probe"), everything, False)
        print(f"{f}: run by {', '.join(sorted(runners[f])) or 'no test program'}", flush=True)

    if not any(runners.values()):
        print("no test program notices any rule firing: the changed SQL does not reach them")
        return 2

    survivors = []
    results = []
    for r in rules:
        targets = runners[r.path]
        noticed = with_text(r.path, rewritten(originals[r.path], [r.start], "0 AND"), targets, True) if targets else set()
        verdict = "killed" if noticed else "SURVIVED"
        by = ", ".join(sorted(noticed))
        print(f"{verdict:8} {r.name():34} {r.reason}" + (f"  [{by}]" if by else ""), flush=True)
        results.append((r.name(), r.reason, verdict, by))
        if not noticed:
            survivors.append(r)
    suite.rebuild({"orvan_db_sql"} if split else everything)  # leave the copy's build matching the tree

    with open(os.path.join(args.scratch, RESULTS), "w", encoding="utf-8") as out:
        out.write("rule\treason\tverdict\tnoticed by\n")
        for row in results:
            out.write("\t".join(row) + "\n")
    print()
    print(f"{len(rules)} rules, {len(rules) - len(survivors)} noticed, {len(survivors)} survived "
          f"({time.monotonic() - began:.0f} s)")
    by_file = {}
    for r in rules:
        n, s = by_file.get(r.path, (0, 0))
        by_file[r.path] = (n + 1, s + (r in survivors))
    for f, (n, s) in sorted(by_file.items()):
        print(f"  {os.path.basename(f):34} {n:3} rules {s:3} survived")
    if survivors:
        print("survivors:")
        for r in survivors:
            print(f"  {r.name():34} {r.reason}")
    return 1 if survivors else 0


if __name__ == "__main__":
    sys.exit(main())
