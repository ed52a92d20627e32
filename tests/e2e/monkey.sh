#!/bin/bash
# Random use of the real program for VELUNKA_E2E_MONKEY_SECONDS (60 by default) with xdotool:
# presses with every button on the keys, the run's buttons, the options, the settings dialogs
# with random typing, stepping, Enter and Escape, and the About box. Afterwards the program is
# still alive and answers a key press, File > Exit ends it with status 0, and its MIDI log ends
# with no note left sounding.
set -uo pipefail
source "$(dirname "$0")/common.sh"
program=${1:-}
e2e_require_program "$program" velunka
seconds=${VELUNKA_E2E_MONKEY_SECONDS:-60}
RANDOM=${VELUNKA_E2E_MONKEY_SEED:-7}

session_begin
session_start_display || e2e_fail "no display"
session_start_sound_server || e2e_fail "no sound server"

midi_log=$SESSION_DIR/midi.log
e2e_start_velunka "$program" "synth+record:$midi_log"
pid=$E2E_PID
main=$E2E_MAIN

texts=("" " " "abc" "+5" "-0" "007" "2147483648" "１０００" "c#4" "c4 " "C4" "g9" "a9" "h3" "500" "3" "0")

# Acts on whatever dialog the menu opened: a few random keys, then Enter or Escape.
play_with_dialog() {
  local title=$1 dialog i
  dialog=$(session_wait_window "$title" 3) || return 0
  ((dialogs++))
  timeout 5 xdotool windowfocus --sync "$dialog" || return 0
  for ((i = RANDOM % 6; i > 0; i--)); do
    case $((RANDOM % 4)) in
      0) xdotool key Tab ;;
      1) xdotool key Up ;;
      2) xdotool key Down ;;
      3) xdotool key ctrl+a type -- "${texts[RANDOM % ${#texts[@]}]}" ;;
    esac
  done
  xdotool key "$( ((RANDOM % 2)) && echo Return || echo Escape)"
  # A refused value shows a message box titled with the application's title.
  sleep 0.3
  local message
  message=$(session_find_window "Velunka V0.8") && session_keys "$message" Return
  session_wait_window_gone "$title" 5 || e2e_fail "dialog $title still open"
}

events=0
dialogs=0
end=$((SECONDS + seconds))
while ((SECONDS < end)); do
  session_running "$pid" || e2e_fail "the program died after $events events"
  case $((RANDOM % 12)) in
    0 | 1 | 2 | 3)
      e2e_click_key_with $((24 + RANDOM % 48)) $((RANDOM % 5 < 3 ? 1 : RANDOM % 2 + 2)) ;;
    4) e2e_click 255 190 75 25 ;;      # Start
    5) e2e_click 450 190 75 25 ;;      # Stop
    6) e2e_click 355 190 71 25 ;;      # Repeat
    7) e2e_click 255 235 30 25 ;;      # the reference tone
    8) e2e_click 403 $((400 + 20 * (RANDOM % 2))) 20 20 ;;  # a check box
    9) e2e_click 590 $((388 + 22 * (RANDOM % 3))) 20 20 ;;  # a pattern
    10)
      if ((RANDOM % 2)); then
        session_keys "$main" alt+s m && play_with_dialog "Midi設定"
      else
        session_keys "$main" alt+s q && play_with_dialog "出題設定"
      fi ;;
    11)
      session_keys "$main" alt+h a && {
        about=$(session_wait_window "Velunkaについて" 3) && session_keys "$about" Return
      } ;;
  esac
  ((events++))
  sleep 0.$((RANDOM % 4))
done

session_running "$pid" || e2e_fail "the program died after $events events"
e2e_shot after-monkey
e2e_click 450 190 75 25  # Stop, if a run goes on
sleep 1.5
before=$(awk '$2 == "msg" && $4 == "90"' "$midi_log" | wc -l)
e2e_click_key 48
sleep 1
after=$(awk '$2 == "msg" && $4 == "90"' "$midi_log" | wc -l)
((after > before)) || e2e_fail "no note-on for a key pressed after $events events"
session_keys "$main" alt+f x || e2e_fail "cannot type into the main window"
e2e_wait_exit "$pid" 20 "File > Exit"
((E2E_STATUS == 0)) || e2e_fail "exit status $E2E_STATUS"
cp "$midi_log" "$E2E_OUTPUT/midi.log"
left=$(e2e_notes_left_sounding "$midi_log")
[[ -z $left ]] || e2e_fail "notes left sounding: $left"
e2e_pass "$events random events ($dialogs in settings dialogs) in $seconds s; alive, answering, nothing left sounding"
