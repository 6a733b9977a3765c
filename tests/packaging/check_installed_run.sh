#!/usr/bin/env bash
# Runs the program installed into a read-only prefix, as a new user on a
# desktop does: shipped data from share/, the user's files in the XDG folders.
#   check_installed_run.sh SOURCE_DIR BUILD_DIR [PREFIX]
# Without PREFIX the build is installed into a temporary one first.
set -uo pipefail
source_dir=$1 build_dir=$2
here=$(dirname "${BASH_SOURCE[0]}")
source "$here/run_installed.sh"
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

prefix=${3:-}
if [ -z "$prefix" ]; then
  prefix=$work/prefix
  cmake --install "$build_dir" --prefix "$prefix" >"$work/install.log" || { cat "$work/install.log"; exit 1; }
fi
chmod -R a-w "$prefix"
checksums_of "$prefix" >"$work/prefix.before"
shipped=$prefix/share/quorrings
settings=$prefix/bin/quorrings-settings

# A new user: nothing to say, the shipped library copied for the user, the
# configuration written at the end into the user's folder.
home=$work/new-user
run_installed "$prefix" "$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" ||
  fail "a new user's run ended with $?"
[ -z "$(messages_of "$home")" ] || fail "a new user was told: $(messages_of "$home")"
cmp -s "$shipped/Quor_Rings_32_Settings.cmp" "$home/data/quorrings/Quor_Rings_32_Settings.cmp" ||
  fail "the shipped library was not copied into the user's folder"
[ -s "$home/config/quorrings/Quor_Rings_32_Config.ini" ] || fail "no configuration in the user's folder"
[ "$(stat -c %a "$home/data/quorrings")" = 700 ] || fail "the user's library folder is not the user's alone"

# The user's copy is the one read: a setting added to it with the settings
# tool, the only tagged one, is the one start-up picks, and its palette comes
# from the user's palette folder, where the user's file of a shipped name wins.
"$settings" unpack "$home/data/quorrings/Quor_Rings_32_Settings.cmp" "$work/library.txt" || fail "cannot unpack the user's copy"
{
  sed 's/Screensaver\tTRUE/Screensaver\tFALSE/' "$work/library.txt"
  sed -n '1,/^}/p' "$work/library.txt" | sed '2s/.*/Added by hand\r/; s/palette_list\t.*/palette_list\tUSER.PAL\r/'
} >"$work/added.txt"
"$settings" pack "$work/added.txt" "$home/data/quorrings/Quor_Rings_32_Settings.cmp" || fail "cannot pack the added setting"
"$settings" list "$home/data/quorrings/Quor_Rings_32_Settings.cmp" | grep -qx $'Added by hand\ttagged' ||
  fail "the added setting is not listed"
mkdir -p "$home/data/quorrings/palette"
printf 'not a palette\r\n' >"$home/data/quorrings/palette/USER.PAL"
run_installed "$prefix" "$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" ||
  fail "a run with a damaged palette of the user's ended with $?"
messages_of "$home" | grep -q "^$home/data/quorrings/palette/USER.PAL\\\\r" ||
  fail "the user's damaged palette was not reported by its path: $(messages_of "$home")"

# Folders that cannot be made: the user is told which, the program runs on and
# says that it cannot save.
home=$work/blocked
mkdir -p "$home" && : >"$home/file"
run_installed "$prefix" "$home" XDG_CONFIG_HOME="$home/file/config" XDG_DATA_HOME="$home/file/data" ||
  fail "a run without its folders ended with $?"
messages_of "$home" | grep -q "^Cannot create folder $home/file/data/quorrings .*cannot be saved" ||
  fail "an unmakable library folder was not reported: $(messages_of "$home")"
messages_of "$home" | grep -q "^Unable to write to $home/file/config/quorrings/Quor_Rings_32_Config.ini" ||
  fail "an unmakable configuration folder was not reported: $(messages_of "$home")"

checksums_of "$prefix" | diff -u "$work/prefix.before" - >/dev/null || fail "the program changed its prefix"
chmod -R u+w "$prefix"
[ "$failures" -eq 0 ] || exit 1
echo "The installed program runs from a read-only prefix with the user's files in the XDG folders."
