#!/bin/bash
# The sound server goes away while the program runs, in the middle of a question, while it is
# idle, and while presses keep the output open, and comes back: the program stays alive and answers at once, shows no
# message, and the next reference press after the server's return is heard at its pitch.
set -uo pipefail
source "$(dirname "$0")/common.sh"
program=${1:-}
e2e_require_program "$program" velunka
here=$(dirname "$0")

session_begin
session_start_display || e2e_fail "no display"
session_start_sound_server || e2e_fail "no sound server"
pulse=${SESSION_PIDS[-1]}
session_keep_sink_running

midi_log=$SESSION_DIR/midi.log
e2e_start_velunka "$program" "synth+record:$midi_log"
pid=$E2E_PID
main=$E2E_MAIN

log_lines() { wc -l <"$midi_log"; }

# Runs the click COMMAND... and waits up to 2 s for the program to log what it did; prints how
# long that took.
click_answered() {
  local before started
  before=$(log_lines)
  started=$(date +%s%N)
  "$@"
  local deadline=$((SECONDS + 2))
  while (($(log_lines) <= before)); do
    ((SECONDS < deadline)) || return 1
    sleep 0.01
  done
  echo $((($(date +%s%N) - started) / 1000000))
}

# Starts the server again; with "settled", also waits until its sink runs with a short latency.
restart_server() {
  session_stop_pid "$pulse"
  session_start_sound_server || e2e_fail "the sound server did not come back"
  pulse=${SESSION_PIDS[-1]}
  session_keep_sink_running
  [[ ${1:-} == settled ]] || return 0
  session_wait_sink_settled 20 || e2e_fail "sink latency stays at $(session_sink_latency_usec) usec"
}

kill_server() {
  kill -KILL "$pulse"
  wait "$pulse" 2>/dev/null
}

# The next press after the server's return is heard at the pitch of its key.
heard_again() {
  local what=$1 key=$2 file=$SESSION_DIR/$1.wav hz verdict
  parec -d nullsink.monitor --file-format=wav --format=s16le --rate=44100 --channels=1 "$file" \
    2>>"$SESSION_DIR/parec.err" &
  local recorder=$!
  session_track "$recorder"
  sleep 0.3
  click_answered e2e_click_key "$key" >/dev/null || e2e_fail "$what: the press after the server came back was not answered"
  sleep 1.5
  kill -TERM "$recorder"
  session_wait_exit "$recorder" 10
  cp "$file" "$E2E_OUTPUT/"
  aubiopitch -i "$file" -p yinfft >"$file.pitch" 2>>"$SESSION_DIR/aubiopitch.err" || e2e_fail "aubiopitch failed"
  hz=$(awk -v n=$((key + 12)) 'BEGIN { printf "%.3f", 440 * 2 ^ ((n - 69) / 12) }')
  verdict=$(/usr/bin/python3 "$here/median_pitch.py" "$file" "$file.pitch" "$hz" 50) ||
    e2e_fail "$what: $verdict"
  echo "$what: $verdict"
}

# 1. Mid-question: the server dies while the question's note sounds.
e2e_click 255 190 75 25  # Start
sleep 1.2
kill_server
sleep 0.2
ms=$(click_answered e2e_click 450 190 75 25) || e2e_fail "Stop was not answered after the server died mid-question"
echo "Stop answered in $ms ms with the server gone"
for key in 50 52 53; do
  ms=$(click_answered e2e_click_key "$key") || e2e_fail "no answer to a press after the server died"
  echo "press answered in $ms ms with the server gone"
done
sleep 2
session_running "$pid" || e2e_fail "the program died with the server"
restart_server settled
sleep 1
heard_again after-question-kill 57

# 2. Idle: the output is closed when the server dies.
sleep 4
kill_server
ms=$(click_answered e2e_click_key 48) || e2e_fail "no answer to a press after the server died while idle"
echo "press answered in $ms ms with the server gone"
sleep 1.5
restart_server settled
sleep 1
heard_again after-idle-kill 60

# 3. Through an open output: presses every half second keep the output open while the server
# dies and comes back, so the connection the output holds is dead; the next note is heard all the
# same.
sleep 4
(while :; do e2e_click_key 50; sleep 0.5; done) &
presser=$!
session_track "$presser"
sleep 0.3
kill_server
restart_server settled
session_stop_pid "$presser"
heard_again through-open-output 50

session_window_present "Velunka V0.8" && e2e_fail "a message box appeared"
e2e_shot after-restarts
session_keys "$main" alt+f x || e2e_fail "cannot type into the main window"
e2e_wait_exit "$pid" 20 "File > Exit"
((E2E_STATUS == 0)) || e2e_fail "exit status $E2E_STATUS"
cp "$midi_log" "$E2E_OUTPUT/midi.log"
e2e_pass "survived the sound server's death mid-question and idle; heard again after each return"
