#!/usr/bin/env bash
# Hardening run for CI, after `bash tools/setup.sh test`:
#   1. the whole suite (same CMake tree, no benchmarks) built with AddressSanitizer and
#      UndefinedBehaviorSanitizer in build-asan/ and run with ctest, leak checking on;
#   2. every libFuzzer target of fuzz/ built with clang in build-fuzz/ and run for
#      LERNO_FUZZ_SEKUNDEN seconds each (20 by default).
#   ci: what CI runs, as 2. with the logic tests (test_core) built in the same sanitized
#      clang tree first: they share its objects, so the second full build of 1. is saved.
#   bash tools/haertung.sh [sanitizer|fuzz|alles|ci]
set -euo pipefail

teil=${1:-alles}
case "$teil" in
  sanitizer|fuzz|alles|ci) ;;
  *) echo "Aufruf: bash tools/haertung.sh [sanitizer|fuzz|alles|ci]" >&2; exit 2 ;;
esac

quelle=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
asan_build=${LERNO_ASAN_BUILD:-$quelle/build-asan}
fuzz_build=${LERNO_FUZZ_BUILD:-$quelle/build-fuzz}
sekunden=${LERNO_FUZZ_SEKUNDEN:-20}
jobs=$(nproc 2>/dev/null || echo 2)

# The sanitizer build uses g++ (its runtime comes with it); the fuzz targets need clang.
pakete=()
[ "$teil" = sanitizer ] || pakete+=(clang-14 libclang-rt-14-dev)
source "$quelle/tools/pakete.sh"
pakete_installieren "${pakete[@]}"

# Leaks are checked; only system libraries are suppressed. Any undefined behaviour
# aborts the test that caused it.
export ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1
export LSAN_OPTIONS=suppressions=$quelle/tools/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

zeit() { printf '%s %ds\n' "$1" "$((SECONDS - $2))"; }

if [ "$teil" = sanitizer ] || [ "$teil" = alles ]; then
  start=$SECONDS
  cmake -S "$quelle" -B "$asan_build" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g1 -O1" \
    -DLERNO_SANITIZE=ON -DLERNO_BUILD_TESTS=ON -DLERNO_BUILD_BENCH=OFF >/dev/null
  cmake --build "$asan_build" -j"$jobs"
  zeit "Sanitizer-Build:" "$start"
  start=$SECONDS
  # The kill tests and the include graph are left to the plain run: the saving code the
  # kill loops drive runs sanitized in the unit tests, and the loops took over two minutes.
  ctest --test-dir "$asan_build" --output-on-failure --timeout 600 -j"$jobs" -E '^(e2e_|kill_|Includegraph)'
  # The end-to-end tests run the sanitized lerno, whose exit fails on a leak. They get a
  # second try: under the slower build, xdotool's typing of umlauts is sometimes dropped
  # (a keymap race, not a memory fault; a real leak or UB fails both tries).
  LERNO_E2E_ZEITFAKTOR=3 ctest --test-dir "$asan_build" --output-on-failure --timeout 600 -j"$jobs" \
    -R '^e2e_' --repeat until-pass:2
  zeit "Sanitizer-Tests:" "$start"
fi

if [ "$teil" != sanitizer ]; then
  start=$SECONDS
  tests=OFF
  [ "$teil" = ci ] && tests=ON
  CXX=clang++-14 cmake -S "$quelle" -B "$fuzz_build" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g1 -O1" \
    -DLERNO_SANITIZE=ON -DLERNO_BUILD_FUZZ=ON -DLERNO_BUILD_TESTS=$tests -DLERNO_BUILD_BENCH=OFF >/dev/null
  ziele=()
  for f in "$quelle"/fuzz/fuzz_*.cpp; do ziele+=("$(basename "$f" .cpp)"); done
  if [ "$teil" = ci ]; then
    cmake --build "$fuzz_build" -j"$jobs" --target test_core "${ziele[@]}"
    zeit "Sanitizer- und Fuzz-Build:" "$start"
    # Here the read buffer is 64 bytes: the file tests cross its boundaries all the time.
    start=$SECONDS
    mkdir -p "$fuzz_build/xdg-runtime" && chmod 700 "$fuzz_build/xdg-runtime"
    QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$fuzz_build/xdg-runtime" "$fuzz_build/tests/test_core" --gtest_brief=1
    zeit "Logiktests mit Sanitizern:" "$start"
  else
    cmake --build "$fuzz_build" -j"$jobs" --target "${ziele[@]}"
    zeit "Fuzz-Build:" "$start"
  fi

  # Each target starts from its committed seeds; new inputs stay in the build folder.
  start=$SECONDS
  laufen() {
    local ziel=$1 korpus="$fuzz_build/korpus/$1" funde="$fuzz_build/funde/$1/"
    mkdir -p "$korpus" "$funde"
    [ -d "$quelle/fuzz/korpus/$ziel" ] && cp -n "$quelle/fuzz/korpus/$ziel"/* "$korpus"/ 2>/dev/null || true
    # Qt leaves one-time caches behind that LeakSanitizer would count per input.
    "$fuzz_build/fuzz/$ziel" -max_total_time="$sekunden" -print_final_stats=1 -timeout=10 \
      -rss_limit_mb=2048 -artifact_prefix="$funde" "$korpus" >"$fuzz_build/$ziel.log" 2>&1
  }
  fehler=0
  pids=()
  for ziel in "${ziele[@]}"; do
    laufen "$ziel" &
    pids+=($!)
    # One target per core.
    if [ ${#pids[@]} -ge "$jobs" ]; then
      wait "${pids[0]}" || fehler=1
      pids=("${pids[@]:1}")
    fi
  done
  for p in "${pids[@]}"; do wait "$p" || fehler=1; done
  for ziel in "${ziele[@]}"; do
    ausf=$(sed -n 's/^stat::number_of_executed_units: *//p' "$fuzz_build/$ziel.log" | tail -n1)
    funde=$(find "$fuzz_build/funde/$ziel" -type f | wc -l)
    printf 'Fuzz %-24s %10s Ausführungen, %d Funde\n' "$ziel" "${ausf:-?}" "$funde"
    if [ "$funde" -gt 0 ] || ! grep -q '^Done ' "$fuzz_build/$ziel.log"; then
      fehler=1
      tail -n 60 "$fuzz_build/$ziel.log"
    fi
  done
  zeit "Fuzzing:" "$start"
  [ "$fehler" -eq 0 ] || { echo "Fuzzing hat Fehler gefunden (siehe oben)." >&2; exit 1; }
fi
