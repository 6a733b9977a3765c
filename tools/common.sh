# Shared by tools/start and tools/test: install what is missing, then configure and build.
set -euo pipefail
repo_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Debian packages the build, the tests and the program need.
# dbus-daemon gives the screen-saver test a private session bus.
packages=(g++ cmake make qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev dbus-daemon)

install_missing_packages() {
  local missing=()
  for package in "${packages[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q "${missing[@]}"
}

# build_project BUILD_DIR [cmake options...]
build_project() {
  local build_dir=$1; shift
  cmake -S "$repo_dir" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
  cmake --build "$build_dir" -j2
}
