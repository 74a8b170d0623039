#!/usr/bin/env bash
# Builds the Debian package of the build directory $1 with the page $2 and holds it to what Debian
# asks of a package: lintian reports no error and no warning (information lines are shown), and it
# carries the programs, their manual pages, the page as it was built, the copyright and the
# changelog. Outside CI, a machine without lintian or without the page skips the test (status 77).
set -euo pipefail
build=$1
page=$2

skip() {
  echo "$1"
  [ "${CI:-}" = true ] && exit 1
  exit 77
}
command -v lintian >/dev/null || skip "lintian is not installed: scripts/setup.sh installs it"
[ -f "$page" ] || skip "no page at $page: build it first with scripts/web.sh"

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
  { cat "$out/cpack.log"; exit 1; }
deb=$(echo "$out"/*.deb)

status=0
contents=$(dpkg-deb -c "$deb")
for file in usr/bin/quillex usr/bin/quillex-check usr/share/man/man1/quillex.1.gz \
    usr/share/man/man1/quillex-check.1.gz usr/share/quillex/quillex.html \
    usr/share/doc/quillex/copyright usr/share/doc/quillex/changelog.gz \
    usr/share/applications/quillex.desktop; do
  grep -q " \./$file\$" <<<"$contents" || { echo "$deb: no $file"; status=1; }
done
dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/quillex/quillex.html | cmp -s - "$page" ||
  { echo "$deb: its quillex.html is not $page"; status=1; }

lintian --fail-on error,warning --display-info "$deb" || status=1
exit $status
