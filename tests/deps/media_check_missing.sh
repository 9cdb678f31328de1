#!/usr/bin/env bash
# Given a table with names the build lacks beside ones it has, media-check fails and
# names exactly the missing ones; an item it cannot read is an error of its own.
set -u
wine_run=$1 check=$2
out=$("$wine_run" "$check" encoder:mpeg4 encoder:libfdk_aac muxer:avi muxer:nosuchmux library:nosuchlib 2>&1)
status=$?
out=$(tr -d '\r' <<<"$out")
echo "$out"
fail() { echo "FAILED: $*"; exit 1; }
[ "$status" -eq 1 ] || fail "exit code $status, expected 1"
for name in "encoder libfdk_aac" "muxer nosuchmux" "library nosuchlib"; do
  grep -qx "missing: $name" <<<"$out" || fail "'$name' not reported missing"
done
! grep -q "missing: encoder mpeg4\|missing: muxer avi" <<<"$out" || fail "a present item reported missing"
grep -q "2 of 5 present" <<<"$out" || fail "wrong count"
# An item it cannot read is refused rather than silently left out.
"$wine_run" "$check" encoder:mpeg4 codec-libx264 >/dev/null 2>&1 && status=0 || status=$?
[ "$status" -eq 2 ] || fail "an unreadable item gave exit code $status, expected 2"
echo PASSED
