# Shared by the end-to-end tests: the session helpers plus reporting.
# Each test is called as: TEST OUTPUT_DIR [PROGRAM...]

source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/session.sh"

E2E_OUTPUT=${1:?output folder}
shift
mkdir -p "$E2E_OUTPUT"

# CTest counts exit status 77 as skipped: used only while a program under test is not built yet.
e2e_require_program() {
  if [[ -z ${1:-} ]]; then
    echo "SKIP: ${2:-the program} is not built in this tree"
    exit 77
  fi
  [[ -x $1 ]] || e2e_fail "not executable: $1"
}

# Keeps what the session wrote (program output, server logs) next to the screenshots.
e2e_keep_logs() {
  [[ -n $SESSION_DIR && -d $SESSION_DIR ]] || return 0
  find "$SESSION_DIR" -maxdepth 1 -type f \( -name '*.log' -o -name '*.out' -o -name '*.err' \) \
    -exec cp {} "$E2E_OUTPUT"/ \;
}

e2e_fail() {
  echo "FAIL: $*" >&2
  e2e_keep_logs
  local file
  for file in "$SESSION_DIR"/*.err; do
    [[ -s $file ]] || continue
    echo "--- $(basename "$file")" >&2
    tail -n 20 "$file" >&2
  done
  exit 1
}

e2e_pass() {
  e2e_keep_logs
  echo "PASS: $*"
  exit 0
}

# The MIDI log without its timestamps, one call a line ("open 1 0", "msg 1 90 3c 7f 00", "close 1").
# Fails when a timestamp is malformed or runs backwards.
e2e_midi_calls() {
  awk '
    $1 !~ /^[0-9]+\.[0-9][0-9][0-9][0-9][0-9][0-9]$/ { print "bad timestamp: " $0 > "/dev/stderr"; exit 1 }
    NR > 1 && $1 + 0 < last { print "time runs backwards: " $0 > "/dev/stderr"; exit 1 }
    { last = $1 + 0; $1 = ""; sub(/^ /, ""); print }
  ' "$1"
}

# Waits at most SECS for PID to end by itself and sets E2E_STATUS to its exit status.
# A program still running then is killed and the test fails with WHY_IT_SHOULD_HAVE_ENDED.
e2e_wait_exit() {
  local pid=$1 secs=$2 why=$3
  session_wait_exit "$pid" "$secs"
  E2E_STATUS=$?
  if ((E2E_STATUS == 124)) && session_running "$pid"; then
    session_stop_pid "$pid"
    e2e_fail "still running $secs s after $why; killed it"
  fi
}
