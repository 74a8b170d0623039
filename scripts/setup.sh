# Sourced by run.sh and test.sh: installs what the build needs on Debian 12, once.
# Each package is looked up first, so that a second run installs nothing and needs no network.

quillex_packages=(cmake ninja-build g++ qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev xvfb xauth help2man lintian poppler-utils libzip-dev pkg-config
  python3 libreoffice-writer-nogui)

quillex_install_missing() {
  local missing=()
  local package
  for package in "${quillex_packages[@]}"; do
    dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends \
    "${missing[@]}"
}

# Configures (once) and builds the tree into build directory $1; further arguments are CMake
# options.
quillex_build() {
  local dir=$1
  shift
  cmake -S "$quillex_root" -B "$quillex_root/$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
  cmake --build "$quillex_root/$dir" -j 2
}

quillex_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
