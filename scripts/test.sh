#!/usr/bin/env bash
# Builds Quillex with its benchmarks, then the web page and runs its browser tests (scripts/web.sh,
# in build-web/), then every test of the build, the Debian package's with lintian included; then
# builds it again with AddressSanitizer and UndefinedBehaviorSanitizer (in build-asan/) and runs
# every test there, then runs the fuzz targets. With CI=true warnings are errors. Installs what is missing on Debian 12 first.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

quillex_install_missing

werror=OFF
[ "${CI:-}" = true ] && werror=ON

# The window's tests need a display; a virtual one serves where there is none.
run_tests() {
  local runner=()
  [ -n "${DISPLAY:-}" ] || runner=(xvfb-run -a)
  "${runner[@]}" ctest --test-dir "$quillex_root/$1" --output-on-failure -j 2
}

# With the benchmarks come their tests: the generated inputs, and the fingerprints of every report
# of every family and size, which prove that no change of speed changed a byte of a report. The
# page is built before they run, for the package's test carries it.
quillex_build build -DQUILLEX_WERROR="$werror" -DQUILLEX_BUILD_BENCH=ON

# The web page, and its tests in Chromium, Firefox ESR and WebKit against the quillex-check just
# built.
bash "$quillex_root/scripts/web.sh" -DQUILLEX_CHECK_PROGRAM="$quillex_root/build/cli/quillex-check"
ctest --test-dir "$quillex_root/build-web" --output-on-failure

run_tests build

quillex_build build-asan -DQUILLEX_WERROR="$werror" -DQUILLEX_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 run_tests build-asan

# The fuzz targets, each for a bounded time (FUZZ_SECONDS, 60 by default).
bash "$quillex_root/scripts/fuzz.sh"
