#!/usr/bin/env bash
# quillex-check on bad, odd and huge input, end to end: every case must end with the documented
# exit status, never a crash, a clear one-line message naming the file where the file is at
# fault, and nothing on standard output for a file that could not be read or decoded.
#
#   bench/bad_input.sh [BUILD_DIR]       BUILD_DIR holds cli/quillex-check and
#                                        bench/quillex-generate-claims (default: build-bench)
#   BAD_INPUT_BIG_MB   size of the large valid file, in MiB (default 200)
#
# Prints one line per case with its status, output size, time and peak memory; exits 1 when a
# case went wrong.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build-bench}
check=$build/cli/quillex-check
generate=$build/bench/quillex-generate-claims
big_mb=${BAD_INPUT_BIG_MB:-200}
for tool in "$check" "$generate"; do
  [ -x "$tool" ] || { echo "missing $tool: build $build first" >&2; exit 2; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 2
failures=0
closing='最后一条权利要求结束'

# run_case NAME STATUS STDOUT STDERR_PATTERN [ARGS...]
#   STDOUT: "empty" (nothing at all), "report" (ends with the closing line) or "text" (something)
#   STDERR_PATTERN: an extended regular expression that standard error must match; "" for silence
# At most one line of standard error may be an error line ("quillex-check: ...").
run_case() {
  local name=$1 want_status=$2 want_out=$3 want_err=$4
  shift 4
  /usr/bin/time -f '%e %M' -o time.txt "$check" "$@" <"${STDIN_FILE:-/dev/null}" >out.txt 2>err.txt
  local status=$? problems=()
  [ "$status" -eq "$want_status" ] || problems+=("status $status, expected $want_status")
  [ "$status" -lt 128 ] || problems+=("crashed")
  case $want_out in
    empty) [ ! -s out.txt ] || problems+=("standard output not empty") ;;
    report) tail -n 1 out.txt | grep -q "$closing" || problems+=("report incomplete") ;;
    text) [ -s out.txt ] || problems+=("standard output empty") ;;
  esac
  if [ -z "$want_err" ]; then
    [ ! -s err.txt ] || problems+=("unexpected message: $(head -c 200 err.txt)")
  elif ! grep -Eq -- "$want_err" err.txt; then
    problems+=("message does not match /$want_err/: $(head -c 200 err.txt)")
  fi
  [ "$(grep -c '^quillex-check:' err.txt)" -le 1 ] || problems+=("more than one error line")
  local seconds kb
  read -r seconds kb < <(tail -n 1 time.txt)
  printf '%-34s status %s  stdout %10s B  %6ss  peak %7s KB  %s\n' "$name" "$status" \
    "$(stat -c %s out.txt)" "$seconds" "$kb" "${problems[*]:-ok}"
  [ ${#problems[@]} -eq 0 ] || failures=$((failures + 1))
}

invalid_utf8='not valid UTF-8 at byte offset'
: >empty.txt
printf '1.一种杯子，其特征在于，杯体为圆柱形。\n2.根据权利要求1所述的杯子，其特征在于，杯体为陶瓷。\n' >good.txt
head -c 1048576 /dev/urandom >random.bin
printf '1.一种杯子，\0其特征在于，杯体为\0圆柱形。\n' >nul-in-claims.txt
head -c 4096 /dev/zero >nul-only.txt
printf '1.一种杯子，其特征在于，\xff杯体。\n' >invalid-byte.txt
printf '1.一种杯子，其特征在于，杯体\xe6\x9d' >cut-off-character.txt
iconv -f UTF-8 -t GB18030 good.txt >gbk.txt
mkdir directory
truncate -s 1100M over-1gib.bin
"$generate" realistic "${big_mb}M" >big.txt
head -c "$((big_mb * 1048576))" /dev/urandom >big-random.bin

run_case "empty file" 2 empty "empty.txt" empty.txt
STDIN_FILE=empty.txt run_case "empty standard input" 2 empty "standard input|-"
run_case "random bytes (1 MiB)" 2 empty "random.bin: $invalid_utf8 [0-9]+" random.bin
run_case "random bytes as GB18030" 2 empty "random.bin: not valid GB18030 at byte offset [0-9]+" \
  --encoding gb18030 random.bin
run_case "NUL bytes inside claims" 0 report ":-\)" nul-in-claims.txt
run_case "NUL bytes only" 2 text "未找到权1" nul-only.txt
run_case "invalid UTF-8 byte" 2 empty "invalid-byte.txt: $invalid_utf8 35 .*--encoding gb18030" \
  invalid-byte.txt
run_case "character cut off at the end" 2 empty "$invalid_utf8 41" cut-off-character.txt
run_case "GBK file read as UTF-8" 2 empty "gbk.txt: $invalid_utf8 [0-9]+ .*gb18030" gbk.txt
run_case "GBK file read as GB18030" 0 text ":-\)" --encoding gb18030 gbk.txt
run_case "directory" 2 empty "directory" directory
run_case "missing file" 2 empty "missing.txt" missing.txt
run_case "file over 1 GiB" 2 empty "over-1gib.bin: .*large" over-1gib.bin
run_case "${big_mb} MiB of claims" 1 report "" big.txt
run_case "${big_mb} MiB of random bytes" 2 empty "big-random.bin: $invalid_utf8" big-random.bin

# A failed file among good ones: the good ones are reported, the failed one leaves no trace on
# standard output, and the status is the highest.
run_case "missing file between good ones" 2 report "missing.txt" good.txt missing.txt good.txt
if grep -q 'missing.txt' out.txt || [ "$(grep -c '^==> good.txt <==$' out.txt)" -ne 2 ]; then
  echo "  the failed file left output, or a good one is missing"
  failures=$((failures + 1))
fi

echo "$failures case(s) went wrong"
[ "$failures" -eq 0 ]
