#!/bin/bash
# Without a usable display the program says why in one line on stderr and exits with an
# error status, instead of aborting with a core dump.
set -uo pipefail
source "$(dirname "$0")/common.sh"
program=${1:-}
e2e_require_program "$program" velunka

session_begin
cd "$SESSION_DIR" || e2e_fail "no session folder"

unused_display() {
  local n
  for ((n = 4711; ; n++)); do
    [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] || { echo ":$n"; return; }
  done
}

run_case() {
  local name=$1
  shift
  env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$program" >"$name.out" 2>"$name.err" &
  local pid=$!
  session_track "$pid"
  e2e_wait_exit "$pid" 20 "$name: started without a display"
  local status=$E2E_STATUS
  ((status != 0)) || e2e_fail "$name: exit status 0"
  ((status < 128)) || e2e_fail "$name: ended by signal $((status - 128))"
  [[ ! -s $name.out ]] || e2e_fail "$name: wrote to stdout: $(head -c 200 "$name.out")"
  local lines
  lines=$(wc -l <"$name.err")
  [[ $lines == 1 && -n $(tr -d '[:space:]' <"$name.err") ]] ||
    e2e_fail "$name: stderr should be one line, got $lines: $(head -c 300 "$name.err")"
  compgen -G 'core*' >/dev/null && e2e_fail "$name: left a core file"
  echo "$name: status $status: $(cat "$name.err")"
}

run_case display-unset -u DISPLAY
run_case display-dead DISPLAY="$(unused_display)"

e2e_pass "no display reported on stderr"
