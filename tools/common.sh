# Shared by tools/start, tools/test and tools/fuzz: install what is missing, then configure and build.
set -euo pipefail
repo_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Debian packages the build, the tests and the program need.
# dbus-daemon gives the screen-saver test a private session bus; libgif-dev and
# ffmpeg make animations and videos; the third line checks the install and the
# Debian package; the fourth builds the screensaver module and runs it under Xvfb
# and the real XScreenSaver daemon.
packages=(g++ cmake make qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev dbus-daemon
          libgif-dev ffmpeg
          desktop-file-utils appstream libxml2-utils man-db lintian dpkg-dev file
          pkg-config libxcb1-dev libxcb-shm0-dev libxcb-randr0-dev xvfb xscreensaver)

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

# Sanitizer reports end the process with a failure; leaks count too. Qt's own
# one-time allocations are suppressed by name, never the project's.
export_sanitizer_options() {
  export ASAN_OPTIONS="halt_on_error=1:abort_on_error=0:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1"
  export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
  export LSAN_OPTIONS="suppressions=$repo_dir/tools/sanitize/qt_leaks.supp:print_suppressions=0"
}
