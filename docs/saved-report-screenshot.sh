#!/usr/bin/env bash
# Takes docs/saved-report.png: the saved report of the README's worked example (quillex-check
# --format html), printed to PDF on A4 by headless Chromium as a browser's "Print" does, and its
# first page rendered to PNG.
# Needs: chromium, poppler-utils (pdftoppm), fonts-wqy-zenhei, and a built build/cli/quillex-check
# (or the program given as $1).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
program=${1:-$root/build/cli/quillex-check}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

printf '%s\n' "权利要求书" \
  "1. 一种杯子，其特征在于，包括杯体和杯盖。" \
  "2. 根据权利要求1所述的杯子，其特征在于，所述手柄为陶瓷。" \
  "4. 根据权利要求1或2所述的杯子，其特征在于，杯盖为圆形" > "$work/claims.txt"
"$program" --format html "$work/claims.txt" > "$work/report.html" || [ $? -eq 1 ]
chromium --headless --no-sandbox --disable-gpu --no-pdf-header-footer \
  --print-to-pdf="$work/report.pdf" "file://$work/report.html" 2>/dev/null
pdftoppm -png -r 80 -f 1 -l 1 -singlefile "$work/report.pdf" "$root/docs/saved-report"
echo "$root/docs/saved-report.png"
