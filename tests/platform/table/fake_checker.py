"""A table checker for the runner's tests: a row's arguments are the fake program's action,
and rows whose names start with "two" run two jobs; "raise" makes the check itself fail,
"unplanned" the making of its jobs."""
from run_table import RowFailed


def jobs(table, name, args):
    if args[0] == "unplanned":
        raise ValueError("no profile")
    runs = [[args[0], name]]
    if name.startswith("two"):
        runs.append(["ok", name + "-second"])
    return runs


def verify(table, name, args, reports, check):
    if args[0] == "raise":
        raise KeyError("no such field")
    if len(reports) != len(jobs(table, name, args)):
        raise RowFailed(f"{len(reports)} reports")
    for report in reports:
        check(report.exit == 0, f"exit {report.exit}")
        check("state=ok" in report.text, f"report {report.text!r}")
