#!/bin/bash
# `make test`: builds the programs, the data and the test programs, runs
# every test through ctest (the headless shards two at a time, the window
# tests beside them), and ends with the count of tests and each stage's time.
# Usage: make_test.sh BUILD_DIR JOBS
set -u
build=$1 jobs=$2
here=$(cd "$(dirname "$0")" && pwd)
stages=()
now() { date +%s%3N; }
seconds() { printf '%d.%d s' $(($1 / 1000)) $(($1 % 1000 / 100)); }
stage() {
  local name=$1 start
  shift
  start=$(now)
  "$@" || { echo "make test: the stage \"$name\" failed" >&2; exit 2; }
  stages+=("$name|$(($(now) - start))")
}

stage build bash -c "cmake -S '$here/..' -B '$build' -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null &&
  cmake --build '$build' -j$jobs --target game_de game_en mkassets"
stage data cmake --build "$build" -j"$jobs" --target data
stage "test programs" cmake --build "$build" -j"$jobs" --target test_programs
rm -rf "$build/test-times"
start=$(now)
(cd "$build" && ctest --output-on-failure -j8 --resource-spec-file "$here/resources.json")
status=$?
stages+=("all tests (one ctest run)|$(($(now) - start))")

echo
echo "make test: stage times"
for s in "${stages[@]}"; do printf '  %-26s %s\n' "${s%%|*}" "$(seconds "${s##*|}")"; done
# The headless shards and the window tests run side by side: each line gives
# the span from the first start to the last end of its kind, its count of
# tests and the processes that ran them.
total=0
for kind in headless window; do
  cat "$build/test-times"/* 2>/dev/null | awk -v kind="$kind" '
    $1 == kind { n += $4; p += 1; if (!first || $2 < first) first = $2; if ($3 > last) last = $3 }
    END { if (p) printf "  %-26s %d.%d s  (%d tests in %d processes)\n",
                        kind == "headless" ? "headless tests" : "window and process tests",
                        (last - first) / 1000, (last - first) % 1000 / 100, n, p }'
done
count=$(cat "$build/test-times"/* 2>/dev/null | awk '{ n += $4 } END { print n + 0 }')
echo "make test: $count tests, $([ $status = 0 ] && echo "all passed" || echo "FAILURES (see above)")"
exit $status
