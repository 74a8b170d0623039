#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and UndefinedBehaviorSanitizer (in
# build-fuzz/) and runs each for a bounded time, first over the seeds: the small cases in
# fuzz/seeds/, the texts of the shared corpus and every input that once found a fault
# (fuzz/regressions/). Stops with an error at the first finding, which is kept in
# build-fuzz/findings/.
#
#   FUZZ_SECONDS   seconds per target (default 60)
#   FUZZ_TARGETS   targets to run (default "check fix codec docx")
#   FUZZ_MAX_LEN   longest input tried, in bytes (default 4096: short inputs run many times faster,
#                  and every rule of the check shows within a few claims)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

quillex_install_missing

seconds=${FUZZ_SECONDS:-60}
build=$quillex_root/build-fuzz
corpus=${QUILLEX_CORPUS:-$quillex_root/../shared/corpus}

quillex_build build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DQUILLEX_BUILD_FUZZ=ON \
  -DQUILLEX_BUILD_CLI=ON -DQUILLEX_BUILD_APP=OFF -DQUILLEX_BUILD_TESTS=OFF

# The check reads the engine's GB18030 bytes; the conversion reads files as they are (UTF-8).
seeds=$build/seeds
rm -rf "$seeds"
mkdir -p "$seeds/check" "$seeds/fix" "$seeds/codec" "$seeds/docx" "$build/findings"
for file in "$quillex_root"/fuzz/seeds/*.txt "$corpus"/*.txt; do
  [ -f "$file" ] || continue
  name=$(basename "$(dirname "$file")")-$(basename "$file")
  cp "$file" "$seeds/codec/$name"
  iconv -f UTF-8 -t GB18030 "$file" >"$seeds/check/$name"
done
cp "$quillex_root"/fuzz/regressions/* "$seeds/check/"
# The fixes read what the check reads.
cp "$seeds"/check/* "$seeds/fix/"
# The Word documents' reader is mutated from the shared fixtures, good and bad.
cp "$quillex_root"/tests/data/docx/*.docx "$quillex_root"/tests/data/docx/*.doc "$seeds/docx/"

total=0
for target in ${FUZZ_TARGETS:-check fix codec docx}; do
  mkdir -p "$build/corpus/$target"
  log=$build/fuzz_$target.log
  echo "fuzz_$target: ${seconds}s"
  if ! "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len="${FUZZ_MAX_LEN:-4096}" \
    -print_final_stats=1 -artifact_prefix="$build/findings/" "$build/corpus/$target" "$seeds/$target" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "fuzz_$target: FINDING (input kept in $build/findings/)"
    exit 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  echo "fuzz_$target: ${runs} executions, no finding"
  total=$((total + runs))
done
echo "fuzz: ${total} executions in total, no finding"
