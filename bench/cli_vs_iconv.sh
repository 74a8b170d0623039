#!/bin/sh
# quillex-check against the iconv round trip (UTF-8 -> GB18030 -> UTF-8) on the same file, run by
# turns so that both see the same load on a shared machine. Prints the median wall time of each
# and their ratio.
#   bench/cli_vs_iconv.sh [QUILLEX_CHECK] [FILE] [RUNS]
set -eu
check=${1:-build-bench/cli/quillex-check}
file=${2:-claims.txt}
runs=${3:-21}
times=$(mktemp)
trap 'rm -f "$times"' EXIT

elapsed_ms() {
  start=$(date +%s%N)
  sh -c "$1" >/dev/null 2>&1 || true
  echo $((($(date +%s%N) - start) / 1000000))
}

i=0
while [ "$i" -lt "$runs" ]; do
  echo "check $(elapsed_ms "'$check' '$file'")" >>"$times"
  echo "iconv $(elapsed_ms "iconv -f UTF-8 -t GB18030 '$file' | iconv -f GB18030 -t UTF-8")" >>"$times"
  i=$((i + 1))
done

median() { grep "^$1 " "$times" | cut -d' ' -f2 | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
c=$(median check)
v=$(median iconv)
echo "quillex-check ${c} ms, iconv round trip ${v} ms (medians of $runs runs by turns): x$(awk "BEGIN { printf \"%.2f\", $c / $v }")"
