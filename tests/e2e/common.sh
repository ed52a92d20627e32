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

# Where the client area of WINDOW starts on the screen, given its designed CLIENT_HEIGHT (the
# rest of the window's height is the menu bar): sets E2E_CLIENT_X and E2E_CLIENT_Y.
e2e_window_origin() {
  local window=$1 client_height=$2 X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$window")" || return 1
  E2E_CLIENT_X=$X
  E2E_CLIENT_Y=$((Y + HEIGHT - client_height))
}

# Clicks the middle of the client rectangle LEFT TOP WIDTH HEIGHT with the left button.
e2e_click() {
  xdotool mousemove $((E2E_CLIENT_X + $1 + $3 / 2)) $((E2E_CLIENT_Y + $2 + $4 / 2)) click 1
}

# Clicks the on-screen key of KEY_INDEX (24..71), low on a white key, in the middle of a black one.
e2e_click_key() {
  local key=$1 offsets=(0 10 20 30 40 60 70 80 90 100 110 120) black=(0 1 0 1 0 0 1 0 1 0 1 0)
  local left=$((105 + (key / 12 - 2) * 140 + offsets[key % 12]))
  local y=$((black[key % 12] ? 90 : 140))
  xdotool mousemove $((E2E_CLIENT_X + left + 10)) $((E2E_CLIENT_Y + y)) click 1
}

# Saves the screen as it is now as OUTPUT/NAME.png; the checks below read that picture.
e2e_shot() {
  E2E_SHOT=$E2E_OUTPUT/$1.png
  import -window root "$E2E_SHOT"
}

# Whether the client pixel X Y of the last shot has the colour #RRGGBB.
e2e_pixel_is() {
  local color
  color=$(convert "$E2E_SHOT" -crop "1x1+$((E2E_CLIENT_X + $1))+$((E2E_CLIENT_Y + $2))" -depth 8 txt:- |
    grep -o '#[0-9A-F]\{6\}' | head -n 1)
  [[ $color == "$3" ]] || { echo "pixel $1,$2 of $(basename "$E2E_SHOT") is $color, not $3" >&2; return 1; }
}

# A hash of the client rectangle LEFT TOP WIDTH HEIGHT of the last shot.
e2e_crop_hash() {
  convert "$E2E_SHOT" -crop "$3x$4+$((E2E_CLIENT_X + $1))+$((E2E_CLIENT_Y + $2))" -depth 8 rgb:- |
    md5sum | cut -d' ' -f1
}

# The MIDI note (decimal) of the last note-on with a velocity in the log.
e2e_last_note_on() {
  local note
  note=$(awk '$2 == "msg" && $4 == "90" && $6 != "00" { n = $5 } END { if (n != "") print n }' "$1")
  [[ -n $note ]] || return 1
  echo $((16#$note))
}

# The notes (hex) of note-ons that neither a note-off nor a close of the output ended.
e2e_notes_left_sounding() {
  awk '
    $2 == "close" { delete on; next }
    $2 != "msg" { next }
    $4 == "90" && $6 != "00" { on[$5] = 1; next }
    $4 == "80" || $4 == "90" { delete on[$5] }
    END { for (n in on) printf "%s ", n }
  ' "$1"
}
