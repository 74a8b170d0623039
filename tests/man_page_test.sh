#!/usr/bin/env bash
# Renders the manual page $1/$2.1 as `man ./$2.1` does, and fails on any warning of man or groff
# or when a section the page must have is missing.
set -euo pipefail
cd "$1"
page=./$2.1
shift 2
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
text=$(LANG=C.UTF-8 MANWIDTH=80 man --warnings -P cat "$page" 2>"$errors")
status=0
if [ -s "$errors" ]; then
  echo "$page: man warns:"
  cat "$errors"
  status=1
fi
for section in NAME SYNOPSIS DESCRIPTION OPTIONS "$@"; do
  grep -q "^ *$section" <<<"$text" || { echo "$page: no $section"; status=1; }
done
exit $status
