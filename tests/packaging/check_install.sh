#!/usr/bin/env bash
# Installs the build into a temporary prefix, as a user's `cmake --install` does,
# and checks the tree and its desktop files with the desktop's own validators.
#   check_install.sh SOURCE_DIR BUILD_DIR VERSION RELEASE_DATE
set -uo pipefail
source_dir=$1 build_dir=$2 version=$3 release_date=$4
source "$(dirname "${BASH_SOURCE[0]}")/installed_files.sh"
app_id=io.github.quorrings.Quorrings
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cmake --install "$build_dir" --prefix "$prefix" >"$work/install.log" || { cat "$work/install.log"; exit 1; }

installed_files "$source_dir" >"$work/expected"
(cd "$prefix" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort) >"$work/actual"
same_lists "installed tree" "$work/expected" "$work/actual" || failures=$((failures + 1))

for program in quorrings quorrings-settings quorrings-render; do
  [ -x "$prefix/bin/$program" ] || fail "bin/$program is not executable"
done
(cd "$source_dir/data" && find . -type f ! -name CMakeLists.txt) | while read -r file; do
  cmp -s "$source_dir/data/$file" "$prefix/share/quorrings/$file" || echo "FAIL: share/quorrings/${file#./} differs from data/"
done | tee "$work/data_faults"
[ -s "$work/data_faults" ] && failures=$((failures + 1))

# The module is the program itself, reached by a link that survives moving the prefix.
module=$prefix/libexec/xscreensaver/quorrings
[ -L "$module" ] && [[ "$(readlink "$module")" != /* ]] || fail "the XScreenSaver module is not a relative link"
[ "$(readlink -f "$module")" = "$(readlink -f "$prefix/bin/quorrings")" ] || fail "the XScreenSaver module does not reach bin/quorrings"

# The three files that name each other agree.
desktop=$prefix/share/applications/$app_id.desktop
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
[ -x "$prefix/bin/${exec_line%% *}" ] || fail "the desktop entry starts '$exec_line', which is not installed"
grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry does not name the icon $app_id"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
  fail "the metainfo does not launch $app_id.desktop"
grep -q "<id>$app_id</id>" "$metainfo" || fail "the metainfo's id is not $app_id"
newest_release=$(grep -m1 -o '<release [^>]*>' "$metainfo")
[ "$newest_release" = "<release version=\"$version\" date=\"$release_date\">" ] ||
  fail "the metainfo's newest release is $newest_release, not version $version of $release_date"
grep -q '<screensaver name="quorrings"' "$prefix/share/xscreensaver/config/quorrings.xml" ||
  fail "the module description does not name the module quorrings"
if command -v file >/dev/null; then
  file -b "$prefix/share/icons/hicolor/256x256/apps/$app_id.png" | grep -q '256 x 256' || fail "the PNG icon is not 256 x 256"
fi

skipped=()
run_check() {  # run_check TOOL COMMAND...: a check that needs TOOL, skipped without it
  if ! command -v "$1" >/dev/null; then skipped+=("$1"); return; fi
  shift
  echo "\$ ${*#"$prefix/"}"
  "$@" || fail "$1 found faults"
}
run_check desktop-file-validate desktop-file-validate "$desktop"
run_check appstreamcli appstreamcli validate --no-net --explain "$metainfo"
for xml in "$metainfo" "$prefix/share/xscreensaver/config/quorrings.xml" \
           "$prefix/share/icons/hicolor/scalable/apps/$app_id.svg"; do
  run_check xmllint xmllint --noout "$xml"
done
for page in "$prefix"/share/man/man1/*.1.gz; do
  # man prints what groff finds wrong in a page on standard error.
  if command -v man >/dev/null; then
    warnings=$(MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
  else
    skipped+=(man)
  fi
done

[ "$failures" -eq 0 ] || exit 1
if [ ${#skipped[@]} -gt 0 ]; then
  echo "Skipped: not installed: $(printf '%s\n' "${skipped[@]}" | sort -u | tr '\n' ' ')"
  exit 77
fi
echo "The installed tree and its desktop files are sound."
