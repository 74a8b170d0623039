#!/usr/bin/env bash
# Builds the web page, build-web/quillex.html: one file that checks claims in any browser, offline.
# Installs what is missing on Debian 12 first (emscripten; Chromium, Firefox ESR and WebKitGTK's
# WebDriver for the browser tests; Node.js; the npm packages pinned in web/package-lock.json). Further arguments go to CMake's configure step,
# e.g. -DQUILLEX_CHECK_PROGRAM=build/cli/quillex-check, which adds the browser tests; then
# `ctest --test-dir build-web` runs them.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

quillex_packages=(emscripten chromium firefox-esr webkit2gtk-driver)
# Node.js may come from elsewhere than Debian, with npm inside; Debian's npm would clash with it.
command -v npm >/dev/null 2>&1 || quillex_packages+=(nodejs npm)
quillex_install_missing

# emscripten's tools load Debian's acorn, which a Node.js from elsewhere does not look for.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}

web="$quillex_root/web"
if [ ! -f "$web/node_modules/.package-lock.json" ] ||
   [ "$web/package-lock.json" -nt "$web/node_modules/.package-lock.json" ]; then
  # The tests drive the browsers Debian installed: puppeteer-core fetches none of its own.
  (cd "$web" && PUPPETEER_SKIP_DOWNLOAD=true npm ci --no-audit --no-fund)
fi

werror=OFF
[ "${CI:-}" = true ] && werror=ON
emcmake cmake -S "$quillex_root" -B "$quillex_root/build-web" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DQUILLEX_BUILD_WEB=ON -DQUILLEX_WERROR="$werror" "$@"
cmake --build "$quillex_root/build-web" -j 2
