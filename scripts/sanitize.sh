#!/usr/bin/env bash
# The robustness tests under AddressSanitizer and UndefinedBehaviorSanitizer, in their own build
# folder (not part of `make test`: it doubles the build time).
# usage: scripts/sanitize.sh [BUILD_DIR]   (default build-asan)
set -eu
cd "$(dirname "$0")/.."
BUILD=${1:-build-asan}
TESTS="tst_fuzz tst_badsettings tst_baddata"
cmake -S . -B "$BUILD" -DTOBBERLY_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
# shellcheck disable=SC2086
cmake --build "$BUILD" -j 2 --target $TESTS korrigo data art
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
for t in $TESTS; do
    "$BUILD/testbin/$t" -silent || status=1
done
exit $status
