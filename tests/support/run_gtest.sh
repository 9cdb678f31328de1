#!/usr/bin/env bash
# run_gtest.sh WINE_RUN PROGRAM REPORT_DIR TEST CASE_TIMEOUT
# Runs all of a GoogleTest program's cases in one Wine process. When it
# fails for any reason but a case's timeout, the cases that did not pass run once more,
# alone: Wine very rarely crashes while a program exits. A case that fails twice fails
# the test. Keeps GoogleTest's XML report of each run in REPORT_DIR and writes
# REPORT_DIR/TEST.cases: "ran N passed P failed F skipped S" for scripts/test to sum up.
set -uo pipefail
wine_run=$1 program=$2 reports=$3 test=$4 case_timeout=$5
mkdir -p "$reports"
base="$reports/$test"
rm -f "$base".xml "$base".retry.xml "$base".cases
export CONVERTER_CASE_TIMEOUT=$case_timeout

run() { # run FILTER XML LOG: the program's exit status
  # Wine's drive Z: is the host's root folder.
  "$wine_run" "$program" --gtest_filter="$1" --gtest_output="xml:Z:$2" 2>&1 | tee "$3"
  return "${PIPESTATUS[0]}"
}

# Case names from GoogleTest's result lines (Wine's output ends lines with CR LF), e.g. "[       OK ] Suite.Case (12 ms)" or
# "[  FAILED  ] Values/Suite.Case/2, where GetParam() = 3 (0 ms)".
cases_marked() { # cases_marked LOG MARK
  tr -d '\r' <"$1" | sed -n "s/^\[ *$2 *\] \([^ ,]*\)[ ,].*([0-9]* ms)\$/\1/p" | sort -u
}

results() { # results LOG...: "case result" lines, a case counting by its last run
  local log c
  declare -A result
  for log in "$@"; do
    while read -r c; do [ -n "$c" ] && result[$c]=passed; done < <(cases_marked "$log" OK)
    while read -r c; do [ -n "$c" ] && result[$c]=failed; done < <(cases_marked "$log" FAILED)
    while read -r c; do [ -n "$c" ] && result[$c]=skipped; done < <(cases_marked "$log" SKIPPED)
    # A case that started but never ended (hang, crash) failed.
    while read -r c; do
      [ -n "$c" ] && [ -z "${result[$c]:-}" ] && result[$c]=failed
    done < <(tr -d '\r' <"$log" | sed -n 's/^\[ RUN      \] \([^ ]*\)$/\1/p')
  done
  for c in "${!result[@]}"; do echo "$c ${result[$c]}"; done | sort
}

log=$(mktemp) retry_log=$(mktemp)
trap 'rm -f "$log" "$retry_log"' EXIT
run "*" "$base.xml" "$log"
status=$?
logs=("$log")
if [ "$status" != 0 ] && ! grep -q '^\[  TIMEOUT  \]' "$log"; then
  done_cases=$( { cases_marked "$log" OK; cases_marked "$log" SKIPPED; } | paste -sd: -)
  echo
  echo "run_gtest: $test exited with status $status; running the cases that did not pass once more"
  run "*${done_cases:+-$done_cases}" "$base.retry.xml" "$retry_log"
  status=$?
  logs+=("$retry_log")
  [ "$status" = 0 ] && echo "run_gtest: $test passed on the second run"
fi
final=$(results "${logs[@]}")
count() { grep -c " $1\$" <<<"$final" || true; }
passed=$(count passed) failed=$(count failed) skipped=$(count skipped)
echo "ran $((passed + failed + skipped)) passed $passed failed $failed skipped $skipped" >"$base.cases"
if [ "$status" = 0 ] && [ "$failed" != 0 ]; then status=1; fi
if [ "$status" != 0 ]; then
  echo "run_gtest: $test FAILED; cases that did not pass:"
  sed -n 's/ failed$//p' <<<"$final" | sed 's/^/  /'
  grep -h '^\[ *\(TIMEOUT\|CRASHED\) *\]' "${logs[@]}" | sort -u
fi
exit "$status"
