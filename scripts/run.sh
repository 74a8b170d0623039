#!/usr/bin/env bash
# Builds Quillex and starts it: the window when there is a display, otherwise quillex-check on the
# given claims files (the sample by default). Installs what is missing on Debian 12 first.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

# The window shows Chinese text; a desktop without a CJK font would show empty boxes.
quillex_packages+=(fonts-wqy-zenhei)
quillex_install_missing
quillex_build build

if [ $# -eq 0 ] && [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$quillex_root/build/app/quillex"
fi
[ $# -gt 0 ] || set -- "$quillex_root/samples/worked-example.txt"
exec "$quillex_root/build/cli/quillex-check" "$@"
