#!/usr/bin/env bash
# deps_cache.sh CASE REPO HOST
# The third-party cache of deps/build, run on a copy of deps/ so nothing real changes.
#   keys     editing one recipe marks that library and those built on it, nothing else
#   failure  a failing recipe stops with its log tail and leaves nothing behind; a good
#            one is built once, then reused
set -euo pipefail
case_name=$1 repo=$2 host=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -a "$repo/deps" "$work/deps"
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

to_build() { "$work/deps/build" --host "$host" --plan | sed -n 's/^build //p' | sort | xargs; }

case $case_name in
  keys)
    # Uses the real cache, which the configure step has just filled.
    before=$(to_build)
    [ -z "$before" ] || fail "the cache is not warm: $before"
    while read -r recipe expected; do
      cp "$work/deps/recipes/$recipe.sh" "$work/saved.sh"
      echo "# edited" >>"$work/deps/recipes/$recipe.sh"
      got=$(to_build)
      if [ "$got" = "$expected" ]; then echo "ok: editing $recipe rebuilds: $got"
      else fail "editing $recipe rebuilds '$got', expected '$expected'"; fi
      cp "$work/saved.sh" "$work/deps/recipes/$recipe.sh"
    done <<'TABLE'
x264 ffmpeg x264
libogg ffmpeg libogg libvorbis
flac flac
libmpc libmpc
ffmpeg ffmpeg
TABLE
    echo "# edited" >>"$work/deps/lib.sh"
    [ "$(to_build | wc -w)" -eq "$(ls "$work/deps/recipes" | wc -l)" ] ||
      fail "editing lib.sh does not rebuild every library" ;;
  failure)
    export CONVERTER_DEPS_CACHE="$work/cache"
    rm -f "$work"/deps/recipes/*.sh
    mkdir -p "$work/source"
    export LOCAL_SOURCE_DIR_FOR_TEST="$work/source"
    recipe() { # NAME BUILD_BODY: a recipe over an empty local source
      printf 'LOCAL_PACKAGE=googletest\nLOCAL_SOURCE_DIR=$LOCAL_SOURCE_DIR_FOR_TEST\nDEPENDS=""\nbuild() { %s; }\n' \
        "$2" >"$work/deps/recipes/$1.sh"
    }
    recipe broken 'mkdir -p "$PREFIX/lib"; touch "$PREFIX/lib/libhalf.a"; echo broken-marker; false'
    recipe good 'mkdir -p "$PREFIX/lib"; touch "$PREFIX/lib/libgood.a"'
    if out=$("$work/deps/build" --host "$host" broken 2>&1); then fail "a failing recipe reported success"; fi
    grep -q "broken failed" <<<"$out" || fail "the failure does not name the recipe"
    grep -q "broken-marker" <<<"$out" || fail "the log tail is not shown"
    ! ls -d "$work"/cache/broken-* >/dev/null 2>&1 || fail "the failed prefix was left in the cache"
    [ "$("$work/deps/build" --host "$host" --plan broken)" = "build broken" ] || fail "the failed recipe counts as cached"

    out=$("$work/deps/build" --host "$host" --out "$work/deps.cmake" good 2>&1) || fail "the good recipe failed: $out"
    grep -q "building good" <<<"$out" || fail "the good recipe was not built"
    prefix=$(sed -n 's/^set(DEPS_GOOD_PREFIX "\(.*\)")$/\1/p' "$work/deps.cmake")
    [ -f "$prefix/lib/libgood.a" ] && [ -f "$prefix/.complete" ] || fail "no complete prefix at '$prefix'"
    out=$("$work/deps/build" --host "$host" good 2>&1)
    ! grep -q "building" <<<"$out" || fail "a warm cache rebuilt: $out" ;;
  *) echo "unknown case $case_name"; exit 2 ;;
esac
[ "$failures" -eq 0 ] && echo PASSED || { echo "$failures check(s) failed"; exit 1; }
