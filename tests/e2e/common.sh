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

# A client point on the on-screen key of KEY_INDEX (24..71), low on a white key, in the middle of
# a black one: sets E2E_KEY_X and E2E_KEY_Y.
e2e_key_point() {
  local key=$1 offsets=(0 10 20 30 40 60 70 80 90 100 110 120) black=(0 1 0 1 0 0 1 0 1 0 1 0)
  E2E_KEY_X=$((105 + (key / 12 - 2) * 140 + offsets[key % 12] + 10))
  E2E_KEY_Y=$((black[key % 12] ? 90 : 140))
}

# Clicks the on-screen key of KEY_INDEX (24..71).
e2e_click_key() { e2e_click_key_with "$1" 1; }

# The same with mouse BUTTON (1 left, 2 middle, 3 right).
e2e_click_key_with() {
  e2e_key_point "$1"
  xdotool mousemove $((E2E_CLIENT_X + E2E_KEY_X)) $((E2E_CLIENT_Y + E2E_KEY_Y)) click "$2"
}

# Saves the screen as it is now as OUTPUT/NAME.png; the checks below read that picture.
e2e_shot() {
  E2E_SHOT=$E2E_OUTPUT/$1.png
  import -window root "$E2E_SHOT"
}

# The colour (#RRGGBB) of the client pixel X Y of the last shot.
e2e_pixel() {
  convert "$E2E_SHOT" -crop "1x1+$((E2E_CLIENT_X + $1))+$((E2E_CLIENT_Y + $2))" -depth 8 txt:- |
    grep -o '#[0-9A-F]\{6\}' | head -n 1
}

# Whether the client pixel X Y of the last shot has the colour #RRGGBB.
e2e_pixel_is() {
  local color
  color=$(e2e_pixel "$1" "$2")
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

# Starts PROGRAM with its MIDI output going to MIDI_OUT, answers the start-up message and waits
# for the main window: sets E2E_PID, E2E_MAIN (its window) and the client origin.
e2e_start_velunka() {
  local program=$1 midi_out=$2 box
  VELUNKA_MIDI_OUT=$midi_out "$program" >"$SESSION_DIR/velunka.out" 2>"$SESSION_DIR/velunka.err" &
  E2E_PID=$!
  session_track "$E2E_PID"
  box=$(session_wait_window "Velunka V0.8") || e2e_fail "no start-up message box"
  session_keys "$box" Return || e2e_fail "cannot answer the start-up message"
  E2E_MAIN=$(session_wait_window "Velunka　V0.8") || e2e_fail "no main window"
  sleep 0.5
  e2e_window_origin "$E2E_MAIN" 504 || e2e_fail "no geometry for the main window"
}

# The installed program as a user meets it, on the session's display: the start-up message, the
# main window, Help > Help showing the installed help file, File > Exit. Each window must carry
# the program's icon. NAME labels the screenshots and logs.
e2e_run_installed_program() {
  local program=$1 name=$2
  local app_title="Velunka V0.8" main_title="Velunka　V0.8" help_title="Velunka V0.8 ヘルプ"
  VELUNKA_MIDI_OUT=record:$SESSION_DIR/$name-midi.log "$program" \
    >"$SESSION_DIR/$name.out" 2>"$SESSION_DIR/$name.err" &
  local pid=$!
  session_track "$pid"

  local box main help
  box=$(session_wait_window "$app_title") || e2e_fail "$name: no start-up message box"
  e2e_require_program_icon "$box" "$name: start-up message box"
  session_keys "$box" Return || e2e_fail "$name: cannot type into the message box"
  main=$(session_wait_window "$main_title") || e2e_fail "$name: no main window"
  e2e_require_program_icon "$main" "$name: main window"
  [[ $(xprop -id "$main" WM_CLASS) == *'"velunka"'* ]] ||
    e2e_fail "$name: WM_CLASS does not match the entry's StartupWMClass: $(xprop -id "$main" WM_CLASS)"

  session_keys "$main" alt+h h || e2e_fail "$name: cannot open the help menu"
  help=$(session_wait_window "$help_title") || e2e_fail "$name: Help > Help opened no help window"
  e2e_require_program_icon "$help" "$name: help window"
  import -window root "$E2E_OUTPUT/$name-help.png"
  # Select all and copy: the clipboard then holds the text the help window shows.
  session_keys "$help" ctrl+a ctrl+c || e2e_fail "$name: cannot type into the help window"
  local text
  text=$(timeout 5 xclip -o -selection clipboard 2>/dev/null)
  [[ $text == *目次* && $text == *"練習のしかた"* ]] ||
    e2e_fail "$name: the help window does not show the help file: $(head -c 300 <<<"$text")"

  session_keys "$main" alt+f x || e2e_fail "$name: cannot type into the main window"
  e2e_wait_exit "$pid" 20 "$name: File > Exit"
  ((E2E_STATUS == 0)) || e2e_fail "$name: exit status $E2E_STATUS"
}

# WINDOW's _NET_WM_ICON holds the program's icon at 16, 32, 48, 64, 128 and 256 px (the whole
# property: xprop cuts long ones short unless told a length).
e2e_require_program_icon() {
  local window=$1 what=$2 sizes size
  sizes=$(xprop -len 4000000 -id "$window" _NET_WM_ICON | sed -n 's/.*Icon (\([0-9]*\) x \1):.*/\1/p' | sort -n | paste -sd ' ')
  for size in 16 32 48 64 128 256; do
    [[ " $sizes " == *" $size "* ]] || e2e_fail "$what: no $size px icon (has: ${sizes:-none})"
  done
}
