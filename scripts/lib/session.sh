# A private desktop session for running Velunka without a screen or a sound card:
# an Xvfb display, optionally a PulseAudio server with a null sink, and helpers to find
# and drive windows. Sourced by the end-to-end tests.
#
#   session_begin                     temporary folder, cleanup on exit
#   session_start_display             Xvfb; exports DISPLAY
#   session_start_sound_server        PulseAudio with sink "nullsink"; exports PULSE_*
#   session_without_sound_server      PULSE_* point at a server that does not exist
#   session_start_jack                JACK server, dummy driver, private name; exports JACK_DEFAULT_SERVER
#   session_track PID                 end PID with the session
#   session_find_window TITLE         id of the visible window whose _NET_WM_NAME is TITLE
#   session_wait_window TITLE [SECS]  waits for it
#   session_wait_window_gone TITLE [SECS]
#   session_keys WINDOW KEYS...       focuses WINDOW and types the xdotool KEYS
#   session_keep_sink_running        a stream of silence, so that the null sink keeps a short latency
#   session_wait_sink_settled [SECS]  waits until the null sink's latency is short
#   session_wait_exit PID [SECS]      waits for PID to end; returns its exit status, 124 if not

SESSION_PIDS=()
SESSION_DIR=

session_log() { echo "[$(date +%T.%3N)] $*" >&2; }

session_begin() {
  SESSION_DIR=$(mktemp -d "${TMPDIR:-/tmp}/velunka-session.XXXXXX")
  trap session_end EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM
  mkdir -m 700 "$SESSION_DIR/runtime" "$SESSION_DIR/home"
  # Qt insists on a private runtime folder; a private HOME keeps caches and
  # configuration written by the libraries out of the user's.
  export XDG_RUNTIME_DIR=$SESSION_DIR/runtime
  export HOME=$SESSION_DIR/home
  export DBUS_SESSION_BUS_ADDRESS=disabled:
  export JACK_NO_START_SERVER=1
}

session_track() { SESSION_PIDS+=("$1"); }

session_stop_pid() {
  local pid=$1 i
  kill -0 "$pid" 2>/dev/null || { wait "$pid" 2>/dev/null; return 0; }
  kill -TERM "$pid" 2>/dev/null
  for ((i = 0; i < 30; i++)); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && kill -KILL "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  return 0
}

session_end() {
  local i
  for ((i = ${#SESSION_PIDS[@]} - 1; i >= 0; i--)); do
    session_stop_pid "${SESSION_PIDS[i]}"
  done
  SESSION_PIDS=()
  [[ -n $SESSION_DIR ]] && rm -rf "$SESSION_DIR"
  SESSION_DIR=
}

# Polls COMMAND every 0.1 s for at most SECS seconds.
session_poll() {
  local secs=$1 deadline
  shift
  deadline=$((SECONDS + secs))
  until "$@"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.1
  done
}

session_display_number_written() { [[ $(cat "$SESSION_DIR/display" 2>/dev/null) =~ ^[0-9]+$ ]]; }

session_start_display() {
  # Xvfb picks a free display number itself and writes it to fd 3 once it accepts
  # connections, so tests running in parallel never collide.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset \
    3>"$SESSION_DIR/display" >"$SESSION_DIR/xvfb.log" 2>&1 &
  session_track $!
  if ! session_poll 20 session_display_number_written; then
    session_log "Xvfb did not start:"
    cat "$SESSION_DIR/xvfb.log" >&2
    return 1
  fi
  export DISPLAY=:$(cat "$SESSION_DIR/display")
  export QT_QPA_PLATFORM=xcb
  session_poll 20 xdpyinfo_quiet || { session_log "display $DISPLAY does not answer"; return 1; }
}

xdpyinfo_quiet() { xdpyinfo >/dev/null 2>&1; }

session_client_config() {
  printf 'autospawn = no\n' >"$SESSION_DIR/pulse-client.conf"
  export PULSE_CLIENTCONFIG=$SESSION_DIR/pulse-client.conf
  export PULSE_COOKIE=$SESSION_DIR/pulse-cookie
}

session_start_sound_server() {
  local run=$SESSION_DIR/pulse
  mkdir -p -m 700 "$run" "$run/home" "$run/pulse" "$run/state"
  env HOME="$run/home" XDG_RUNTIME_DIR="$run" PULSE_RUNTIME_PATH="$run/pulse" \
    PULSE_STATE_PATH="$run/state" DISPLAY= DBUS_SESSION_BUS_ADDRESS=disabled: \
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --log-target=stderr \
    --load="module-null-sink sink_name=nullsink rate=44100" \
    --load="module-native-protocol-unix auth-anonymous=1 socket=$run/pulse/native" \
    >"$SESSION_DIR/pulseaudio.log" 2>&1 &
  session_track $!
  export PULSE_SERVER=unix:$run/pulse/native
  session_client_config
  if ! session_poll 20 pactl_quiet info; then
    session_log "PulseAudio did not start:"
    cat "$SESSION_DIR/pulseaudio.log" >&2
    return 1
  fi
  pactl set-default-sink nullsink
}

pactl_quiet() { pactl "$@" >/dev/null 2>&1; }

session_start_jack() {
  export JACK_DEFAULT_SERVER=velunka-session-$BASHPID
  jackd --no-realtime -n "$JACK_DEFAULT_SERVER" -d dummy -r 44100 -p 256 \
    >"$SESSION_DIR/jackd.log" 2>&1 &
  session_track $!
  if ! session_poll 20 jack_lsp_quiet; then
    session_log "jackd did not start:"
    cat "$SESSION_DIR/jackd.log" >&2
    return 1
  fi
}

jack_lsp_quiet() { jack_lsp >/dev/null 2>&1; }

session_without_sound_server() {
  export PULSE_SERVER=unix:$SESSION_DIR/no-sound-server
  session_client_config
}

# The null sink renders ahead while idle; a new stream's first writes then block for
# a second or two. Measure only once the latency has come down.
session_sink_latency_usec() {
  pactl list sinks 2>/dev/null | sed -n 's/^[[:space:]]*Latency: \([0-9]*\) usec.*/\1/p' | head -n 1
}

session_sink_settled() {
  local latency
  latency=$(session_sink_latency_usec)
  [[ -n $latency ]] && ((latency < 20000))
}

# Left idle, the null sink renders seconds ahead and a new stream's first writes wait that long;
# a stream of silence keeps it running with a short latency.
session_keep_sink_running() {
  pacat --playback --raw --format=s16le --rate=44100 --channels=1 --latency-msec=10 /dev/zero \
    2>>"$SESSION_DIR/pacat.err" &
  session_track $!
}

session_wait_sink_settled() { session_poll "${1:-20}" session_sink_settled; }

session_window_title() { xprop -id "$1" -notype _NET_WM_NAME 2>/dev/null | sed -n 's/^_NET_WM_NAME = "\(.*\)"$/\1/p'; }

session_find_window() {
  local title=$1 window
  for window in $(xdotool search --onlyvisible --name . 2>/dev/null); do
    if [[ $(session_window_title "$window") == "$title" ]]; then
      echo "$window"
      return 0
    fi
  done
  return 1
}

session_window_present() { session_find_window "$1" >/dev/null; }

session_wait_window() {
  session_poll "${2:-30}" session_window_present "$1" || return 1
  session_find_window "$1"
}

session_wait_window_gone() { session_poll "${2:-30}" session_window_absent "$1"; }

session_window_absent() { ! session_window_present "$1"; }

# Gives WINDOW the keyboard focus (there is no window manager to do it) and types KEYS.
session_keys() {
  local window=$1
  shift
  timeout 10 xdotool windowfocus --sync "$window" || return 1
  local key
  for key in "$@"; do
    xdotool key "$key" || return 1
    sleep 0.3
  done
}

session_running() { kill -0 "$1" 2>/dev/null; }

session_wait_exit() {
  local pid=$1 secs=${2:-30}
  if ! session_poll "$secs" session_not_running "$pid"; then
    return 124
  fi
  wait "$pid"
}

session_not_running() { ! session_running "$1"; }
