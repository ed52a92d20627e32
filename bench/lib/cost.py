"""Cost at rest: the CPU share of the program and of the sound server over a span of seconds,
in the states a user leaves the program in.

Usage: cost.py PROGRAM SERVER_PID SECONDS OUTPUT_DIR
"""

import sys
import threading
import time

import program as velunka
import stats
import timing
import xclient

RELEASE_WAIT = 4.0  # the synthesizer lets its audio output go 3 s after the output closes


def cpu_share(pids, seconds):
    before = [velunka.cpu_seconds(pid) for pid in pids]
    start = time.monotonic()
    time.sleep(seconds)
    elapsed = time.monotonic() - start
    after = [velunka.cpu_seconds(pid) for pid in pids]
    return [100 * (a - b) / elapsed for a, b in zip(after, before)]


class ReferenceClicks(threading.Thread):
    """Clicks C4 once a second in reference mode, so that a note always sounds."""

    def __init__(self, program, seconds):
        super().__init__()
        self.program, self.seconds = program, seconds

    def run(self):
        for _ in range(int(self.seconds) + 1):
            self.program.click(*velunka.key_point(60))
            time.sleep(0.95)


def report(state, shares):
    stats.line(f"CPU, {state}", f"program {shares[0]:.1f} %, sound server {shares[1]:.1f} % "
                                f"of a core (load {stats.load()})")


def main(path, server_pid, seconds, output_dir):
    display = xclient.display_from_environment()
    program = velunka.Program(display, path, f"{output_dir}/cost.midi.log",
                              f"{output_dir}/cost.err")
    pids = [program.pid, server_pid]
    print(f"cost at rest: {seconds:g} s each, load {stats.load()}", flush=True)
    try:
        program.answer_startup_box()
        time.sleep(RELEASE_WAIT)
        report("reference mode, output closed", cpu_share(pids, seconds))
        clicking = ReferenceClicks(program, seconds)
        clicking.start()
        report("reference notes sounding, a click a second", cpu_share(pids, seconds))
        clicking.join()
        time.sleep(RELEASE_WAIT)
        report("after the notes, output closed again", cpu_share(pids, seconds))
        pressed = program.click_button(*timing.START_BUTTON)
        velunka.wait_note_off_after(program.midi_log, pressed)
        report("a run waiting for an answer", cpu_share(pids, seconds))
    finally:
        program.end()
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], int(sys.argv[2]), float(sys.argv[3]), sys.argv[4]))
