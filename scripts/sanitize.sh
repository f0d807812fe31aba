#!/usr/bin/env bash
# The robustness tests under AddressSanitizer and UndefinedBehaviorSanitizer, in their own build
# folder. Only what those tests need is built (the compiler cache makes a rebuild cheap), and the
# fuzzed readers run seven times their usual inputs, well over a hundred thousand in all.
# .ci/run calls this after `make test`.
# usage: scripts/sanitize.sh [BUILD_DIR]   (default build-asan)
set -eu
cd "$(dirname "$0")/.."
BUILD=${1:-build-asan}
JOBS=${JOBS:-$(nproc 2>/dev/null || echo 2)}
start=$(date +%s)

# Sanitizer reports stop the program at the first fault, with a stack; leaks of the libraries'
# caches at exit are not ours to judge. The art tool runs during the build, so this comes first.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1:check_initialization_order=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
export TOBBERLY_FUZZ_SCALE=${TOBBERLY_FUZZ_SCALE:-7}

TESTS=$(for f in tests/robust/tst_*.cpp; do basename "$f" .cpp; done)
# -O1 (the sanitizers' own advice) and line tables only: a third less building than the usual
# -O2 -g, the same faults caught, and reports that still name file and line.
cmake -S . -B "$BUILD" -DTOBBERLY_SANITIZE=ON "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1 -DNDEBUG" \
    "-DCMAKE_C_FLAGS_RELWITHDEBINFO=-O1 -g1 -DNDEBUG" >/dev/null
# shellcheck disable=SC2086
if ! cmake --build "$BUILD" -j "$JOBS" --target $TESTS korrigo >"$BUILD/sanitize-build.log" 2>&1; then
    tail -40 "$BUILD/sanitize-build.log"
    exit 1
fi
built=$(date +%s)

status=0
(cd "$BUILD" && ctest -R '^robust\.' -j "$JOBS" --output-on-failure) || status=1
log=$BUILD/Testing/Temporary/LastTest.log
echo "sanitized robustness tests: built in $((built - start)) s, ran in $(($(date +%s) - built)) s"
grep -ho '[0-9]* fuzzed inputs\|[0-9]* kills, [0-9]* of them while a save was under way' "$log" || true
exit $status
