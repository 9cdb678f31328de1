#!/usr/bin/env python3
"""Checks of the table runner (tests/support/run_table.py) against a fake console program:
each row is reported by its name, a hanging job is ended and named within the row timeout,
a crash is named and run once more, the rows after a hang or crash still run, and the
counts and XML report say what ran.

table_runner_test.py RUNNER_DIR
"""
import os
import subprocess
import sys
import tempfile
import time
import unittest
from xml.etree import ElementTree

HERE = os.path.dirname(os.path.abspath(__file__))
RUNNER = None
ROW_TIMEOUT = 2.0


class TableRunnerTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.dir = self.folder.name

    def tearDown(self):
        self.folder.cleanup()

    def run_table(self, rows, *extra, workers=1, wine_run=sys.executable):
        """Runs a table of (name, action) rows; answers the exit code and the output."""
        path = os.path.join(self.dir, "table.rows")
        with open(path, "w") as table:
            table.write("".join(f"{name}\t{action}\n" for name, action in rows))
        command = [sys.executable, RUNNER, "--checker", os.path.join(HERE, "fake_checker.py"),
                   "--rows", path, "--program", os.path.join(HERE, "fake_job_program.py"),
                   "--wine-run", wine_run, "--bin", self.dir, "--reports", os.path.join(self.dir, "reports"),
                   "--test", "tests.Fake", "--row-timeout", str(ROW_TIMEOUT), "--workers", str(workers), *extra]
        result = subprocess.run(command, capture_output=True, text=True, timeout=120)
        return result.returncode, result.stdout + result.stderr

    def ran(self):
        with open(os.path.join(self.dir, "ran.log")) as log:
            return log.read().split()

    def report(self, suffix):
        return os.path.join(self.dir, "reports", "tests.Fake" + suffix)

    def test_every_row_is_named_with_its_result(self):
        rows = [("first", "ok"), ("failing", "fail"), ("hanging", "hang"), ("after_hang", "ok"),
                ("crashing", "crash"), ("after_crash", "ok"), ("crashing_once", "crash-once"),
                ("checker_fault", "raise"), ("unplanned", "unplanned"), ("two_jobs", "ok")]
        start = time.monotonic()
        code, output = self.run_table(rows)
        self.assertLess(time.monotonic() - start, 4 * ROW_TIMEOUT + 20, output)
        self.assertEqual(code, 1, output)
        for marker, name in [("OK", "first"), ("FAILED", "failing"), ("TIMEOUT", "hanging"),
                             ("FAILED", "hanging"), ("OK", "after_hang"), ("CRASHED", "crashing"),
                             ("FAILED", "crashing"), ("OK", "after_crash"), ("OK", "crashing_once"),
                             ("FAILED", "checker_fault"), ("FAILED", "unplanned"), ("OK", "two_jobs")]:
            self.assertRegex(output, rf"\[ *{marker} *\] tests\.Fake\.{name}\b", output)
        self.assertIn("the check raised KeyError", output)
        self.assertIn("its jobs cannot be made: ValueError: no profile", output)
        self.assertIn("state=bad failing", output)  # the program's output of a failed row
        summary = output[output.index("rows that did not pass"):]
        self.assertEqual(sorted(line.strip() for line in summary.splitlines()[1:]),
                         [f"tests.Fake.{name}" for name in ("checker_fault", "crashing", "failing", "hanging", "unplanned")])
        # A crash runs its row once more, a hang does not; every other job runs once.
        ran = self.ran()
        self.assertEqual(ran.count("crashing"), 2)
        self.assertEqual(ran.count("crashing_once"), 2)
        self.assertEqual(ran.count("hanging"), 1)
        self.assertEqual(ran.count("two_jobs-second"), 1)
        self.assertNotIn("unplanned", ran)
        with open(self.report(".cases")) as counts:
            self.assertEqual(counts.read().strip(), "ran 10 passed 5 failed 5 skipped 0")
        suite = ElementTree.parse(self.report(".xml")).getroot().find("testsuite")
        self.assertEqual(suite.get("tests"), "10")
        failed = sorted(case.get("name") for case in suite.iter("testcase") if case.find("failure") is not None)
        self.assertEqual(failed, ["checker_fault", "crashing", "failing", "hanging", "unplanned"])

    def test_workers_share_the_rows_and_each_runs_once(self):
        names = [f"row{i}" for i in range(7)]
        code, output = self.run_table([(name, "ok") for name in names], workers=3)
        self.assertEqual(code, 0, output)
        self.assertEqual(sorted(self.ran()), sorted(names))
        self.assertIn("7 rows", output)

    def test_rows_fail_by_name_when_the_program_cannot_start(self):
        code, output = self.run_table([("alpha", "ok"), ("beta", "ok")], wine_run=os.path.join(self.dir, "missing"))
        self.assertEqual(code, 1, output)
        for name in ("alpha", "beta"):
            self.assertRegex(output, rf"\[ *NOT RUN *\] tests\.Fake\.{name}\b")
        self.assertIn("2 failed", output)

    def test_filter_and_bad_tables(self):
        cases = [  # rows, extra arguments, expected exit code, expected text, rows that ran
            ([("alpha", "ok"), ("beta", "fail")], ["--filter", "al*"], 0, "1 passed", ["alpha"]),
            ([("alpha", "ok")], ["--filter", "none*"], 1, "no row matches", None),
            ([("alpha", "ok"), ("alpha", "ok")], [], 1, "alpha is used twice", None),
        ]
        for rows, extra, expected_code, text, ran in cases:
            with self.subTest(extra=extra, rows=rows):
                if os.path.exists(os.path.join(self.dir, "ran.log")):
                    os.unlink(os.path.join(self.dir, "ran.log"))
                code, output = self.run_table(rows, *extra)
                self.assertEqual(code, expected_code, output)
                self.assertIn(text, output)
                if ran is not None:
                    self.assertEqual(self.ran(), ran)


if __name__ == "__main__":
    RUNNER = os.path.join(os.path.abspath(sys.argv.pop(1)), "run_table.py")
    unittest.main(verbosity=2)
