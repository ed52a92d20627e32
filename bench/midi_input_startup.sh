#!/bin/bash
# What the MIDI input costs the real program on a machine with no MIDI system (no ALSA
# sequencer, no JACK server): the time from answering the start-up message to the main window
# being mapped (the input starts in between), and from File > Exit to the process ending (the
# input stops in between), with VELUNKA_MIDI_IN=none and unset. Prints medians and ranges in ms.
#   bench/midi_input_startup.sh PROGRAM [RUNS]
set -uo pipefail
source "$(dirname "$0")/../scripts/lib/session.sh"
program=${1:?usage: midi_input_startup.sh PROGRAM [RUNS]}
runs=${2:-10}

session_begin
session_start_display || exit 1
export VELUNKA_MIDI_OUT=record:/dev/null
export JACK_DEFAULT_SERVER=velunka-bench-absent-$$

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# Sets SHOW_MS and EXIT_MS for one run; polls every 10 ms.
run_once() {
  local pid box main start
  "$program" >/dev/null 2>"$SESSION_DIR/velunka.err" &
  pid=$!
  session_track "$pid"
  box=$(session_wait_window "Velunka V0.8" 20) || return 1
  timeout 10 xdotool windowfocus --sync "$box" || return 1
  start=$(now_ms)
  xdotool key Return
  until main=$(session_find_window "Velunka　V0.8"); do
    session_running "$pid" || return 1
    sleep 0.01
  done
  SHOW_MS=$(($(now_ms) - start))
  timeout 10 xdotool windowfocus --sync "$main" || return 1
  start=$(now_ms)
  xdotool key alt+f
  sleep 0.3
  xdotool key x
  while session_running "$pid"; do sleep 0.01; done
  EXIT_MS=$(($(now_ms) - start - 300))
  wait "$pid" 2>/dev/null
  if [[ -s $SESSION_DIR/velunka.err ]]; then
    echo "the program wrote to stderr: $(head -c 300 "$SESSION_DIR/velunka.err")" >&2
  fi
}

summary() {
  local sorted count
  sorted=$(tr ' ' '\n' <<<"$1" | sed '/^$/d' | sort -n)
  count=$(wc -l <<<"$sorted")
  echo "median $(sed -n "$(((count + 1) / 2))p" <<<"$sorted") ms," \
    "range $(head -n 1 <<<"$sorted")-$(tail -n 1 <<<"$sorted") ms over $count runs"
}

declare -A show=() quit=()
for ((i = 0; i < runs; i++)); do
  for setting in none auto; do
    if [[ $setting == none ]]; then export VELUNKA_MIDI_IN=none; else unset VELUNKA_MIDI_IN; fi
    run_once || { echo "run failed ($setting)" >&2; exit 1; }
    show[$setting]+="$SHOW_MS "
    quit[$setting]+="$EXIT_MS "
  done
done

for setting in none auto; do
  echo "VELUNKA_MIDI_IN=${setting/auto/unset}: OK to main window $(summary "${show[$setting]}")"
  echo "VELUNKA_MIDI_IN=${setting/auto/unset}: Exit to process end $(summary "${quit[$setting]}")"
done
