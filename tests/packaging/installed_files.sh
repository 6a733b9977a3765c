# What an install holds, one path a line relative to the prefix, sorted: the
# programs, every file of data/, and what desktops, man, XScreenSaver and dpkg read.
# Nothing else: no demo, benchmark or test program.
#   installed_files SOURCE_DIR
installed_files() {
  local source_dir=$1 app_id=io.github.quorrings.Quorrings program
  {
    for program in quorrings quorrings-settings quorrings-render; do
      echo "bin/$program"
      echo "share/man/man1/$program.1.gz"
    done
    (cd "$source_dir/data" && find . -type f ! -name CMakeLists.txt) | sed 's|^\./|share/quorrings/|'
    echo "share/applications/$app_id.desktop"
    echo "share/metainfo/$app_id.metainfo.xml"
    echo "share/icons/hicolor/scalable/apps/$app_id.svg"
    echo "share/icons/hicolor/256x256/apps/$app_id.png"
    echo "share/xscreensaver/config/quorrings.xml"
    echo "libexec/xscreensaver/quorrings"
    echo "share/doc/quorrings/copyright"
    echo "share/doc/quorrings/changelog.gz"
  } | LC_ALL=C sort
}

# Prints the differences between two sorted lists and fails when there are any.
#   same_lists WHAT EXPECTED_FILE ACTUAL_FILE
same_lists() {
  if ! diff -u --label expected "$2" --label "$1" "$3"; then
    echo "FAIL: $1 differs from the expected files (- missing, + unexpected)"
    return 1
  fi
}
