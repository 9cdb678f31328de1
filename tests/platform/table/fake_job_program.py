#!/usr/bin/env python3
"""Stands in for a console program running a job list (tests/support/job_list.h), so the
table runner's handling of failures, hangs and crashes can be checked without Wine.

fake_job_program.py --jobs LIST: each line's first argument says what the job does:
  ok NAME          prints "state=ok NAME", exit 0     fail NAME   prints "state=bad", exit 1
  hang NAME        never ends                          crash NAME  ends the process
  crash-once NAME  ends the process the first time (a file NAME.crashed remembers it)
Every job started is logged as a line "NAME" in ran.log in the current folder.
"""
import os
import sys
import time


def run(action, name):
    with open("ran.log", "a") as log:
        log.write(name + "\n")
    if action == "hang":
        while True:
            time.sleep(1)
    if action == "crash" or (action == "crash-once" and not os.path.exists(name + ".crashed")):
        open(name + ".crashed", "w").close()
        os._exit(3)
    print(f"state={'bad' if action == 'fail' else 'ok'} {name}")
    return 1 if action == "fail" else 0


def main():
    with open(sys.argv[2]) as listing:
        for number, line in enumerate(listing, 1):
            action, name = line.rstrip("\n").split("\t")[:2]
            print(f"@job {number}", flush=True)
            code = run(action, name)
            print(f"@done {number} exit={code}", flush=True)


if __name__ == "__main__":
    main()
