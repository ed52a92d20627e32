#!/bin/bash
# The synthesizer plays through a PulseAudio null sink: A4 (MIDI note 69) recorded from the
# sink's monitor has the pitch 440 Hz.
set -uo pipefail
source "$(dirname "$0")/common.sh"
player=${1:-}
e2e_require_program "$player" velunka-midi-play

session_begin
session_start_display || e2e_fail "no display"
session_start_sound_server || e2e_fail "no sound server"

recording=$SESSION_DIR/tone.wav
parec -d nullsink.monitor --file-format=wav --format=s16le --rate=44100 --channels=1 "$recording" 2>"$SESSION_DIR/parec.err" &
recorder=$!
session_track "$recorder"
session_keep_sink_running
session_wait_sink_settled 20 || e2e_fail "sink latency stays at $(session_sink_latency_usec) usec"

"$player" 69 1200 >"$SESSION_DIR/player.out" 2>"$SESSION_DIR/player.err"
status=$?
((status == 0)) || e2e_fail "velunka-midi-play exit status $status: $(cat "$SESSION_DIR/player.out")"

# What was played is still in the server's buffers for a moment.
sleep 0.5
kill -TERM "$recorder"
session_wait_exit "$recorder" 10
cp "$recording" "$E2E_OUTPUT/tone.wav"

aubiopitch -i "$recording" -p yinfft >"$SESSION_DIR/pitch.out" 2>"$SESSION_DIR/aubiopitch.err" ||
  e2e_fail "aubiopitch failed"
verdict=$(/usr/bin/python3 "$(dirname "$0")/median_pitch.py" "$recording" "$SESSION_DIR/pitch.out" 440 30) ||
  e2e_fail "$verdict"
e2e_pass "$verdict"
