#!/usr/bin/env bash
# Builds every test with clang under AddressSanitizer and UndefinedBehavior-
# Sanitizer and runs them, then runs each fuzzer on its seed corpus for a
# fixed time: every harness built into build/robustness/fuzz (the include
# generator's among them), with its seeds and dictionary. Exits non-zero
# on any test failure or sanitizer finding.
# Usage: scripts/check-robustness.sh [seconds per fuzzer, default 30]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
build=build/robustness

scripts/install-dependencies.sh clang libclang-rt-14-dev

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTARVEX_WERROR=ON \
    -DTARVEX_SANITIZE=address,undefined -DTARVEX_FUZZ=ON -DTARVEX_BUILD_BENCHMARKS=OFF
cmake --build "$build" -j "$(nproc)"

# Leaks are not looked for: the platform's font and style libraries keep
# memory until the process ends.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)")

echo "Fuzzing each parser for $seconds s:"
for fuzzer in "$build"/fuzz/*_fuzzer; do
    name=$(basename "$fuzzer" _fuzzer)
    corpus="$build/fuzz-corpus/$name" # what the run finds; the seeds stay as committed
    log="$build/fuzz-$name.log"
    mkdir -p "$corpus"
    options=(-max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$build/fuzz-$name-")
    [[ -f "fuzz/dict/$name.dict" ]] && options+=(-dict="fuzz/dict/$name.dict")
    if ! "$fuzzer" "${options[@]}" "$corpus" "fuzz/corpus/$name" >"$log" 2>&1; then
        cat "$log"
        echo "$name: a finding; the input that shows it is $build/fuzz-$name-*" >&2
        exit 1
    fi
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    printf '  %-13s %10s executions\n' "$name" "$executions"
done
