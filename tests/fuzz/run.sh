#!/usr/bin/env bash
# Builds the fuzzers into build-fuzz/ (g++, libFuzzer's engine, address and
# undefined-behaviour sanitizers) and fuzzes every target for SECONDS each, one
# after the other.  Seeds come from tests/fuzz/corpus/<name>/; what the engine
# finds new goes to build-fuzz/fuzz-corpus/<name>/, crash inputs to
# build-fuzz/fuzz-findings/.  Exit code 1 when any target found a crash.
#
#   tests/fuzz/run.sh SECONDS [TARGET...]      (default: every target, 60 s)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
seconds="${1:-60}"
shift || true
build="${MIVREL_FUZZ_BUILD:-$root/build-fuzz}"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMIVREL_GUI=OFF -DMIVREL_BENCH=OFF \
  -DMIVREL_FUZZ=ON -DMIVREL_SANITIZE=address,undefined >/dev/null
cmake --build "$build" --target mivrel_fuzzers -j2

targets=("$@")
if [ "${#targets[@]}" -eq 0 ]; then
  for binary in "$build"/tests/fuzz/fuzz_*; do
    name="$(basename "$binary")"
    case "$name" in fuzz_replay_*) continue ;; esac
    [ -x "$binary" ] && targets+=("${name#fuzz_}")
  done
fi

failed=0
mkdir -p "$build/fuzz-findings"
for name in "${targets[@]}"; do
  corpus="$build/fuzz-corpus/$name"
  mkdir -p "$corpus"
  echo "== fuzz_$name for ${seconds}s"
  if ! "$build/tests/fuzz/fuzz_$name" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 \
      -rss_limit_mb=2048 -artifact_prefix="$build/fuzz-findings/$name-" \
      "$corpus" "$root/tests/fuzz/corpus/$name" 2>"$build/fuzz-findings/$name.log"; then
    echo "fuzz_$name FOUND A CRASH: see $build/fuzz-findings/$name.log"
    failed=1
  fi
  grep -E "^stat::(number_of_executed_units|new_units_added|peak_rss_mb)" "$build/fuzz-findings/$name.log" || true
done
exit "$failed"
