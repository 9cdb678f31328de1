#!/usr/bin/env bash
# wine_env_failure.sh REPO: a Wine set-up that fails half-way (the display is up, the
# wineserver dies at once; or the loader cannot execute) says what failed, leaves no
# process of its own behind and leaves the set-up lock free, so the next start neither
# hangs nor needs a clean-up.
set -uo pipefail
repo=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

printf '#!/bin/sh\nexit 1\n' >"$work/dying-server"
printf '\177ELF\001\001\001' >"$work/broken-loader"  # refused: Exec format error
chmod +x "$work/dying-server" "$work/broken-loader"

while read -r name variable replacement expected; do
  state="$work/state-$name"
  out=$( (
    . "$repo/scripts/target-arch"
    . "$repo/scripts/wine-env"
    wine_env_init "$state"
    printf -v "$variable" '%s' "$work/$replacement"
    wine_env_start
  ) 2>&1 )
  status=$?
  [ "$status" != 0 ] || fail "$name: the start reported success"
  grep -q "$expected" <<<"$out" || fail "$name: no clear message ('$expected'): $out"
  flock -n -w 0 "$state/lock" true || fail "$name: the set-up lock is still held"
  if [ -f "$state/xvfb.pid" ] && kill -0 "$(cat "$state/xvfb.pid")" 2>/dev/null; then
    fail "$name: the display server it started is still running"
  fi
  echo "ok: $name: $(grep -m1 'wine-env:' <<<"$out")"
done <<'TABLE'
dying-server WINESERVER_BIN dying-server wineserver exited at start
broken-loader WINE_BIN broken-loader cannot run here
TABLE
[ "$failures" -eq 0 ] && echo PASSED || { echo "$failures check(s) failed"; exit 1; }
