#!/usr/bin/env bash
# The growth of quillex-check's work with the size of its input, counted in instructions by
# callgrind: unlike times, the counts are the same on a busy machine as on an idle one, so they
# show a stage that grows faster than its input however noisy the machine.
#
#   bench/instruction_ratios.sh [BUILD_DIR]      BUILD_DIR holds cli/quillex-check and
#                                                bench/quillex-generate-claims (default: build-bench)
#   FAMILIES   families to measure (default: all five)
#   SIZES      sizes, doubling (default: 256K 512K 1M 2M 4M 8M)
#   LIMIT      the largest factor per doubling of work allowed (default 2.3)
#   OPTIONS    options of quillex-check, e.g. --review (default: none)
#
# For each family and size prints the work (input plus report bytes), the instructions, and the
# factor by which the instructions grow per doubling of work, (i2 / i1) ^ (1 / log2(w2 / w1)).
# Exits 1 when a factor exceeds LIMIT.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build-bench}
families=${FAMILIES:-realistic forward-web wide-ranges long-claim deep-chain}
sizes=${SIZES:-256K 512K 1M 2M 4M 8M}
limit=${LIMIT:-2.3}
read -ra options <<<"${OPTIONS:-}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for family in $families; do
  previous=""
  for size in $sizes; do
    "$build/bench/quillex-generate-claims" "$family" "$size" >"$work/in.txt"
    valgrind --tool=callgrind --callgrind-out-file="$work/callgrind.out" \
      "$build/cli/quillex-check" ${options[@]+"${options[@]}"} "$work/in.txt" >"$work/out.txt" 2>"$work/valgrind.txt" || true
    instructions=$(sed -n 's/.*Collected : *//p' "$work/valgrind.txt")
    bytes=$(($(stat -c %s "$work/in.txt") + $(stat -c %s "$work/out.txt")))
    awk -v f="$family" -v s="$size" -v w="$bytes" -v i="$instructions" -v p="$previous" 'BEGIN {
      line = sprintf("%-12s %5s  work %9.2f MB  %14.0f instructions", f, s, w / 1e6, i)
      if (p != "") {
        split(p, q, " ")
        factor = exp(log(i / q[2]) / (log(w / q[1]) / log(2)))
        line = line sprintf("  x%.2f per doubling", factor)
        print factor >>"/dev/stderr"
      }
      print line
    }' 2>>"$work/factors"
    previous="$bytes $instructions"
  done
done
worst=$(sort -g "$work/factors" | tail -n 1)
printf "worst factor per doubling: %.2f (limit %s)\n" "${worst:-0}" "$limit"
awk -v w="${worst:-0}" -v l="$limit" 'BEGIN { exit !(w <= l) }'
