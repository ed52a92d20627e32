# Shared by the benchmark parts: a private display and sound server for the real program.
# Each part is called as: bench/PART [PROGRAM]; the program defaults to the installed build.

BENCH_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$BENCH_DIR/../scripts/lib/session.sh"

BENCH_PROGRAM=${1:-$BENCH_DIR/../build/stage/bin/velunka}
BENCH_PYTHON=/usr/bin/python3  # Debian's, with numpy
BENCH_OUTPUT=${BENCH_OUTPUT:-$BENCH_DIR/../build/bench}
mkdir -p "$BENCH_OUTPUT"

bench_fail() {
  echo "bench: $*" >&2
  exit 1
}

[[ -x $BENCH_PROGRAM ]] || bench_fail "no program at $BENCH_PROGRAM (bench/run builds it)"

# The soundfont the synthesizer loads, found as the MIDI layer finds it.
bench_soundfont() {
  if [[ -n ${VELUNKA_SOUNDFONT:-} ]]; then
    echo "$VELUNKA_SOUNDFONT"
    return
  fi
  local name
  for name in default-GM.sf2 FluidR3_GM.sf2 TimGM6mb.sf2; do
    [[ -e /usr/share/sounds/sf2/$name ]] && { echo "/usr/share/sounds/sf2/$name"; return; }
  done
}

# The figures are about the program, not about the compilers that share this machine: the
# benchmark and all it starts run at nice BENCH_NICE (default -10; 0 to measure as is).
bench_start_session() {
  renice -n "${BENCH_NICE:--10}" -p $$ >/dev/null || bench_fail "cannot renice to ${BENCH_NICE:--10}"
  echo "bench: nice $(ps -o ni= -p $$), load $(cut -d' ' -f1-3 /proc/loadavg), $(nproc) cores"
  session_begin
  session_start_display || bench_fail "no display"
  session_start_sound_server || bench_fail "no sound server"
}

bench_python() { "$BENCH_PYTHON" "$BENCH_DIR/lib/$1" "${@:2}"; }

# The sound server's process id (session_start_sound_server tracks it after Xvfb).
bench_sound_server_pid() { echo "${SESSION_PIDS[1]}"; }
