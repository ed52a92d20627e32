#!/bin/bash
# The real program on a display with a sound server: the start-up check reports success in a
# message box before the main window shows; after OK the main window is mapped; File > Exit
# ends the program with status 0; the MIDI log shows the check's open and close.
set -uo pipefail
source "$(dirname "$0")/common.sh"
program=${1:-}
e2e_require_program "$program" velunka

app_title="Velunka V0.8"
main_title="Velunka　V0.8"

session_begin
session_start_display || e2e_fail "no display"
session_start_sound_server || e2e_fail "no sound server"

midi_log=$SESSION_DIR/midi.log
VELUNKA_MIDI_OUT=synth+record:$midi_log "$program" >"$SESSION_DIR/velunka.out" 2>"$SESSION_DIR/velunka.err" &
pid=$!
session_track "$pid"

box=$(session_wait_window "$app_title") || e2e_fail "no start-up message box titled '$app_title'"
import -window root "$E2E_OUTPUT/startup-message.png"
sleep 0.5
session_window_present "$main_title" && e2e_fail "main window shown before the start-up message was answered"

session_keys "$box" Return || e2e_fail "cannot type into the message box"
main=$(session_wait_window "$main_title") || e2e_fail "no main window titled '$main_title' after OK"
session_wait_window_gone "$app_title" 10 || e2e_fail "message box still open after OK"
xwininfo -id "$main" | grep -q 'Map State: IsViewable' || e2e_fail "main window not mapped"
import -window root "$E2E_OUTPUT/main-window.png"

session_keys "$main" alt+f x || e2e_fail "cannot type into the main window"
e2e_wait_exit "$pid" 20 "File > Exit (Alt+F, X)"
((E2E_STATUS == 0)) || e2e_fail "exit status $E2E_STATUS"

[[ -s $midi_log ]] || e2e_fail "no MIDI log written"
cp "$midi_log" "$E2E_OUTPUT/midi.log"
calls=$(e2e_midi_calls "$midi_log") || e2e_fail "malformed MIDI log"
first_two=$(head -n 2 <<<"$calls" | paste -sd '|')
[[ $first_two == "open 1 0|close 1" ]] || e2e_fail "start-up check should open and close the output, log begins: $first_two"
grep -q '^msg' <<<"$calls" && e2e_fail "a message was sent although no note was played"
grep -qv '^close' <<<"$(tail -n +3 <<<"$calls")" && e2e_fail "unexpected calls after the check: $(tail -n +3 <<<"$calls" | paste -sd '|')"

e2e_pass "start-up message, main window, File > Exit, MIDI log"
