#!/usr/bin/env bash
# Builds the Debian package from the build, as `cpack -G DEB` does, and checks
# what it holds, what it depends on, and what lintian says of it.
#   check_deb.sh SOURCE_DIR BUILD_DIR VERSION
set -uo pipefail
source_dir=$1 build_dir=$2 version=$3
source "$(dirname "${BASH_SOURCE[0]}")/installed_files.sh"
for tool in cpack dpkg-deb dpkg-shlibdeps; do
  command -v "$tool" >/dev/null || { echo "Skipped: $tool is not installed"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

(cd "$build_dir" && cpack -G DEB -B "$work") >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
package=$(find "$work" -maxdepth 1 -name '*.deb')
[ "$(echo "$package" | wc -w)" -eq 1 ] || { echo "FAIL: cpack made '$package'"; cat "$work/cpack.log"; exit 1; }
echo "Package: $(basename "$package")"

installed_files "$source_dir" | sed 's|^|usr/|' >"$work/expected"
dpkg-deb --fsys-tarfile "$package" | tar -t | grep -v '/$' | sed 's|^\./||' | LC_ALL=C sort >"$work/actual"
same_lists "package" "$work/expected" "$work/actual" || failures=$((failures + 1))

field() { dpkg-deb --field "$package" "$1"; }
[ "$(field Version)" = "$version" ] || fail "the package's version is $(field Version), not $version"
depends=$(field Depends)
echo "Depends: $depends"
for library in libc6 libqt6widgets6; do
  [[ "$depends" == *"$library"* ]] || fail "the dependencies, read from the programs, lack $library"
done
changelog_version=$(dpkg-deb --fsys-tarfile "$package" | tar -xO ./usr/share/doc/quorrings/changelog.gz | gzip -dc |
                    sed -n '1s/^quorrings (\([^)]*\)).*/\1/p')
[ "$changelog_version" = "$version" ] || fail "the changelog's newest entry is for '$changelog_version', not $version"

# Unpacked anywhere, the package's programs run as installed ones.
dpkg-deb -x "$package" "$work/unpacked" || fail "dpkg-deb cannot unpack the package"
bash "$(dirname "${BASH_SOURCE[0]}")/check_installed_run.sh" "$source_dir" "$build_dir" "$work/unpacked/usr" ||
  fail "the unpacked package's program does not run as an installed one"
chmod -R u+w "$work/unpacked"

if command -v lintian >/dev/null; then
  echo "\$ lintian $(basename "$package")"
  # Only what lintian calls an error fails; warnings are listed for the reader.
  lintian --display-info --tag-display-limit 0 "$package" 2>&1 | tee "$work/lintian.log"
  grep -q '^E:' "$work/lintian.log" && fail "lintian reports errors"
else
  echo "lintian is not installed: not run"
fi

[ "$failures" -eq 0 ] || exit 1
echo "The package holds what an install does and passes its checks."
