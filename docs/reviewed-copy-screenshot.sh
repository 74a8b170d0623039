#!/usr/bin/env bash
# Takes docs/reviewed-copy.png: the reviewed copy of the fixture tests/data/docx/slips.docx
# (quillex-check --annotate --review) as LibreOffice Writer lays it out, exported to PDF headless
# in a profile of its own, the top of its first page rendered to PNG. The tracked changes show as
# Writer shows them (deleted text struck through, inserted text underlined, a bar in the margin
# beside each changed line); the comments, which the PDF holds as notes, are left out of the picture,
# where they would cover the words they are on.
# Needs: libreoffice-writer-nogui, poppler-utils (pdftoppm), fonts-wqy-zenhei, and a built
# build/cli/quillex-check (or the program given as $1).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
program=${1:-$root/build/cli/quillex-check}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cp "$root/tests/data/docx/slips.docx" "$work/claims.docx"
"$program" --annotate --review "$work/claims.docx" || [ $? -eq 1 ]
timeout 300 soffice -env:UserInstallation="file://$work/profile" --headless --norestore \
  --convert-to pdf --outdir "$work" "$work/claims.quillex.docx" >/dev/null 2>&1
pdftoppm -png -r 160 -f 1 -l 1 -x 130 -y 136 -W 1110 -H 164 -hide-annotations -singlefile \
  "$work/claims.quillex.pdf" "$root/docs/reviewed-copy"
echo "$root/docs/reviewed-copy.png"
