#!/usr/bin/env python3
"""Runs a table of output checks as one test: the console program behind the table converts
every row's jobs in few processes (one Wine start per worker, not per row), and the rows'
outputs are checked natively (ffprobe, ffmpeg) in parallel while the conversions go on.

run_table.py --checker FILE --rows FILE --program EXE --wine-run WRAPPER --bin DIR
             --reports DIR --test NAME [--row-timeout S] [--workers N] [--filter GLOB]

ROWS holds one row a line: its name, then the checker's arguments, separated by tabs. The
CHECKER module defines
    jobs(table, name, args) -> [[argument, ...], ...]   the program's jobs for the row
    verify(table, name, args, reports, check)           reads the outputs; check(ok, text)
                                                        records a failure, raising
                                                        RowFailed ends the row
where `table.bin_dir` is the folder the program runs in and reports[i] has the exit code
(`.exit`) and the printed text (`.text`) of job i. The program runs `--jobs LIST` (see
tests/support/job_list.h).

A row whose job runs longer than the row timeout is named ([  TIMEOUT  ]), its process
ended and the rows after it run in a new one. A row whose job ends its process is named
([  CRASHED  ]) and runs once more (Wine very rarely crashes on its own); a second crash
fails it. Every row's result is printed by its full name (TEST.ROW); the failures are named
again at the end. GoogleTest-style XML (TEST.xml) and the counts for scripts/test
(TEST.cases) go to the report folder. Exit code 0 when every row passed. --workers (or
CONVERTER_TABLE_WORKERS) sets how many programs run at once; the default is the number of
cores this process may use.
"""
import argparse
import fnmatch
import importlib.util
import os
import queue
import signal
import subprocess
import sys
import tempfile
import threading
import time
from concurrent.futures import ThreadPoolExecutor
from dataclasses import dataclass, field
from xml.etree import ElementTree

CRASH_ATTEMPTS = 2


class RowFailed(Exception):
    """Ends a row's checks with one last failure."""


@dataclass
class Report:
    exit: int
    text: str


@dataclass
class Row:
    name: str
    args: list
    jobs: list = field(default_factory=list)
    reports: list = field(default_factory=list)
    crashes: int = 0
    failures: list = field(default_factory=list)
    marker: str = ""
    seconds: float = 0.0
    job_text: str = ""
    finished: bool = False


@dataclass
class Table:
    bin_dir: str


def load_checker(path):
    spec = importlib.util.spec_from_file_location(os.path.splitext(os.path.basename(path))[0], path)
    module = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(module)
    return module


def read_rows(path, pattern):
    """The table's rows (name and arguments) whose names match the pattern."""
    rows, seen = [], set()
    with open(path, encoding="utf-8") as lines:
        for line in lines:
            line = line.rstrip("\n")
            if not line:
                continue
            name, *args = line.split("\t")
            if name in seen:
                raise SystemExit(f"run_table: the row name {name} is used twice in {path}")
            seen.add(name)
            if fnmatch.fnmatchcase(name, pattern):
                rows.append(Row(name, args))
    return rows


def cores():
    try:
        return len(os.sched_getaffinity(0))
    except AttributeError:
        return os.cpu_count() or 1


class Runner:
    def __init__(self, options, checker):
        self.options = options
        self.checker = checker
        self.table = Table(options.bin_dir)
        self.checks = ThreadPoolExecutor(max_workers=cores())
        self.pending_checks = []
        self.print_lock = threading.Lock()

    def full_name(self, row):
        return f"{self.options.test}.{row.name}"

    def say(self, text):
        with self.print_lock:
            print(text, flush=True)

    # --- checking ---------------------------------------------------------------------------

    def verify(self, row):
        failures = []

        def check(condition, message):
            if not condition:
                failures.append(message)

        try:
            self.checker.verify(self.table, row.name, row.args, row.reports, check)
        except RowFailed as failure:
            failures.append(str(failure))
        except Exception as error:  # a checker fault fails its row, named, not the table
            failures.append(f"the check raised {type(error).__name__}: {error}")
        row.failures = failures
        self.finish(row)

    def finish(self, row):
        row.finished = True
        status = "FAILED" if row.failures else "OK"
        lines = [f"[{status:^10}] {self.full_name(row)} ({int(row.seconds * 1000)} ms)"]
        if row.failures:
            lines += ["    " + line for failure in row.failures for line in failure.splitlines()]
            lines += ["    program output:"] + ["      " + line for line in row.job_text.splitlines()]
        self.say("\n".join(lines))

    def fail_unfinished(self, row, marker, message):
        row.marker = marker
        row.failures = [message]
        self.say(f"[{marker:^11}] {self.full_name(row)}")
        self.finish(row)

    # --- running the program ----------------------------------------------------------------

    def run_rows(self, rows):
        """Runs the rows' jobs in one process after another until each row has its reports,
        timed out or crashed twice. When the program cannot be run, the rows left fail."""
        try:
            while rows:
                rows = self.run_process(rows)
        except OSError as error:
            for row in rows:
                self.fail_unfinished(row, "NOT RUN", f"the program cannot be run: {error}")

    def run_process(self, rows):
        """Runs the rows in one process; answers the rows still to run."""
        jobs = [(row, args) for row in rows for args in row.jobs]
        with tempfile.NamedTemporaryFile("w", suffix=".jobs", dir=self.options.reports, delete=False,
                                         encoding="utf-8") as listing:
            listing.write("".join("\t".join(args) + "\n" for _, args in jobs))
        try:
            return self.follow(rows, jobs, listing.name)
        finally:
            os.unlink(listing.name)

    def follow(self, rows, jobs, listing):
        process = subprocess.Popen([self.options.wine_run, self.options.program, "--jobs", listing],
                                   cwd=self.options.bin_dir, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                                   stdin=subprocess.DEVNULL, start_new_session=True)
        lines = queue.Queue()
        threading.Thread(target=self.read_lines, args=(process.stdout, lines), daemon=True).start()
        current, text, started, deadline = None, [], 0.0, None
        done_rows = set()
        while True:
            timeout = None if deadline is None else max(0.0, deadline - time.monotonic())
            try:
                line = lines.get(timeout=timeout)
            except queue.Empty:
                row = jobs[current - 1][0]
                self.end(process)
                row.job_text = "".join(text)
                self.fail_unfinished(row, "TIMEOUT", f"a job ran longer than {self.options.row_timeout} s")
                done_rows.add(row.name)
                return self.left_over(rows, done_rows)
            if line is None:
                break
            if line.startswith("@job "):
                current, text, started = int(line.split()[1]), [], time.monotonic()
                deadline = started + self.options.row_timeout
                continue
            if line.startswith("@done ") and current is not None:
                row = jobs[current - 1][0]
                row.reports.append(Report(int(line.split("exit=")[1]), "".join(text)))
                row.job_text += "".join(text)
                row.seconds += time.monotonic() - started
                current, deadline = None, None
                if len(row.reports) == len(row.jobs):
                    done_rows.add(row.name)
                    self.pending_checks.append(self.checks.submit(self.verify, row))
                continue
            text.append(line)
        process.wait()
        if current is not None:
            row = jobs[current - 1][0]
            self.crashed(row, "".join(text), process.returncode)
            if row.crashes >= CRASH_ATTEMPTS:
                done_rows.add(row.name)
        elif len(done_rows) < len(rows):
            # The process ended before its first job or between two: the rows left run again.
            first = next(row for row in rows if row.name not in done_rows)
            self.crashed(first, "".join(text), process.returncode)
            if first.crashes >= CRASH_ATTEMPTS:
                done_rows.add(first.name)
        return self.left_over(rows, done_rows)

    def crashed(self, row, text, code):
        row.crashes += 1
        row.reports = []
        row.job_text = text
        if row.crashes >= CRASH_ATTEMPTS:
            self.fail_unfinished(row, "CRASHED", f"the program ended (exit code {code}) during the row, twice")
        else:
            self.say(f"run_table: {self.full_name(row)} ended its process (exit code {code}); it runs once more")

    @staticmethod
    def left_over(rows, done_rows):
        left = [row for row in rows if row.name not in done_rows]
        for row in left:
            if len(row.reports) != len(row.jobs):
                row.reports, row.job_text, row.seconds = [], "", 0.0
        return left

    @staticmethod
    def read_lines(stream, lines):
        for raw in stream:
            lines.put(raw.decode(errors="replace").replace("\r\n", "\n"))
        lines.put(None)

    @staticmethod
    def end(process):
        try:
            os.killpg(process.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        process.wait()

    # --- the whole table --------------------------------------------------------------------

    def plan(self, rows):
        """Asks the checker for each row's jobs; a row it cannot plan fails by its name."""
        planned = []
        for row in rows:
            try:
                row.jobs = self.checker.jobs(self.table, row.name, row.args)
                planned.append(row)
            except Exception as error:
                row.failures = [f"its jobs cannot be made: {type(error).__name__}: {error}"]
                self.finish(row)
        return planned

    def run(self, rows):
        rows = self.plan(rows)
        if not rows:
            return
        workers = max(1, min(self.options.workers, len(rows)))
        shares = [rows[i::workers] for i in range(workers)]
        threads = [threading.Thread(target=self.run_rows, args=(share,)) for share in shares]
        for thread in threads:
            thread.start()
        for thread in threads:
            thread.join()
        for future in list(self.pending_checks):
            future.result()
        self.checks.shutdown()
        for row in rows:
            if not row.finished:
                row.failures = ["the row never got a result"]
                self.finish(row)


def write_reports(options, rows, seconds):
    failed = [row for row in rows if row.failures]
    base = os.path.join(options.reports, options.test)
    with open(base + ".cases", "w") as counts:
        counts.write(f"ran {len(rows)} passed {len(rows) - len(failed)} failed {len(failed)} skipped 0\n")
    suite = ElementTree.Element("testsuite", name=options.test, tests=str(len(rows)),
                                failures=str(len(failed)), time=f"{seconds:.3f}")
    for row in rows:
        case = ElementTree.SubElement(suite, "testcase", name=row.name, classname=options.test,
                                      time=f"{row.seconds:.3f}")
        if row.failures:
            failure = ElementTree.SubElement(case, "failure", message=row.failures[0][:200])
            failure.text = "\n".join(row.failures) + "\n" + row.job_text
    suites = ElementTree.Element("testsuites", tests=str(len(rows)), failures=str(len(failed)))
    suites.append(suite)
    ElementTree.ElementTree(suites).write(base + ".xml", encoding="utf-8", xml_declaration=True)


def parse(argv):
    parser = argparse.ArgumentParser(description="Runs a table of output checks as one test.")
    for name in ("checker", "rows", "program", "wine-run", "bin", "reports", "test"):
        parser.add_argument("--" + name, required=True, dest=name.replace("-", "_") + ("_dir" if name == "bin" else ""))
    parser.add_argument("--row-timeout", type=float, default=300)
    parser.add_argument("--workers", type=int, default=int(os.environ.get("CONVERTER_TABLE_WORKERS", 0)) or cores())
    parser.add_argument("--filter", default="*", help="runs only the rows whose names match")
    return parser.parse_args(argv)


def main(argv):
    options = parse(argv)
    for name in ("wine_run", "program", "bin_dir", "reports", "rows", "checker"):  # the program runs elsewhere
        if os.sep in getattr(options, name) or name not in ("wine_run", "program"):
            setattr(options, name, os.path.abspath(getattr(options, name)))
    os.makedirs(options.reports, exist_ok=True)
    for stale in (".cases", ".xml"):
        if os.path.exists(os.path.join(options.reports, options.test + stale)):
            os.unlink(os.path.join(options.reports, options.test + stale))
    sys.modules.setdefault("run_table", sys.modules[__name__])
    checker = load_checker(options.checker)
    rows = read_rows(options.rows, options.filter)
    start = time.monotonic()
    runner = Runner(options, checker)
    runner.run(rows)
    seconds = time.monotonic() - start
    write_reports(options, rows, seconds)
    failed = [row for row in rows if row.failures]
    print(f"run_table: {options.test}: {len(rows)} rows in {seconds:.1f} s with {options.workers} workers, "
          f"{len(rows) - len(failed)} passed, {len(failed)} failed")
    if not rows:
        print(f"run_table: {options.test}: no row matches {options.filter!r}")
        return 1
    if failed:
        print(f"run_table: {options.test} FAILED; rows that did not pass:")
        print("\n".join(f"  {runner.full_name(row)}" for row in failed))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
