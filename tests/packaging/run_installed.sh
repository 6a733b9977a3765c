# The installed program run as a new user runs it: offscreen, unattended (its
# messages on standard error), in a home folder of its own, ended by SIGTERM.
#   run_installed PREFIX HOME [VARIABLE=VALUE...]
# Leaves its standard error in $HOME.stderr and returns the program's exit
# code; 124 when it did not keep running for 3 s or did not end on SIGTERM.
run_installed() {
  local prefix=$1 home=$2; shift 2
  mkdir -p "$home" && mkdir -p -m 700 "$home.runtime"
  env -i PATH="$PATH" HOME="$home" QT_QPA_PLATFORM=offscreen QUORRINGS_UNATTENDED=1 \
      XDG_RUNTIME_DIR="$home.runtime" "$@" "$prefix/bin/quorrings" 2>"$home.stderr" &
  local pid=$! waited=0
  sleep 3
  kill -0 "$pid" 2>/dev/null || { wait "$pid"; echo "the program ended by itself ($?)"; return 124; }
  kill -TERM "$pid"
  while kill -0 "$pid" 2>/dev/null && [ "$waited" -lt 100 ]; do sleep 0.1; waited=$((waited + 1)); done
  kill -0 "$pid" 2>/dev/null && { kill -KILL "$pid"; echo "the program did not end on SIGTERM"; return 124; }
  wait "$pid"
}

# The program's messages, one a line, without the "message: " before them.
messages_of() { sed -n 's/^message: //p' "$1.stderr"; }

# Every file below a folder with its checksum, to see that nothing changed there.
checksums_of() { (cd "$1" && find . -type f -exec sha1sum {} + | LC_ALL=C sort -k 2); }
