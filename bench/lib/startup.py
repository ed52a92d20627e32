"""Start-up: launch to the start-up message box mapped, Enter to the main window mapped, and the
peak resident memory, over warm runs and runs with the soundfont dropped from the page cache.

Usage: startup.py PROGRAM SOUNDFONT WARM_RUNS COLD_RUNS OUTPUT_DIR
Run inside a session with a display and a sound server (bench/startup sets one up).
"""

import os
import signal
import subprocess
import sys
import time

import stats
import xclient

BOX_TITLE = "Velunka V0.8"
MAIN_TITLE = "Velunka\u3000V0.8"


def drop_from_page_cache(path):
    fd = os.open(path, os.O_RDONLY)
    try:
        os.fsync(fd)
        os.posix_fadvise(fd, 0, 0, os.POSIX_FADV_DONTNEED)
    finally:
        os.close(fd)


def memory_kib(pid, field):
    with open(f"/proc/{pid}/status") as status:
        for entry in status:
            if entry.startswith(field + ":"):
                return int(entry.split()[1])
    return 0


def one_run(display, program, output_dir, number):
    env = dict(os.environ, VELUNKA_MIDI_OUT=f"synth+record:{output_dir}/startup-{number}.midi.log")
    with open(f"{output_dir}/startup-{number}.err", "w") as err:
        launched = time.monotonic()
        process = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=err)
    try:
        box_seen, box = display.wait_mapped(BOX_TITLE, 30, since=launched)
        time.sleep(0.3)
        display.focus(box)
        entered = display.key("Return")
        main_seen, _ = display.wait_mapped(MAIN_TITLE, 30, since=entered)
        time.sleep(1.0)
        peak = memory_kib(process.pid, "VmHWM")
        return (box_seen - launched) * 1000, (main_seen - entered) * 1000, peak / 1024
    finally:
        process.send_signal(signal.SIGTERM)
        try:
            process.wait(10)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def report(label, runs):
    box, main, peak = zip(*runs)
    stats.line(f"launch to start-up box mapped ({label})", stats.summary(box))
    stats.line(f"Enter to main window mapped ({label})", stats.summary(main))
    stats.line(f"peak resident memory ({label})", stats.summary(peak, "MiB"))


def main(program, soundfont, warm_runs, cold_runs, output_dir):
    display = xclient.display_from_environment()
    soundfont = os.path.realpath(soundfont)
    print(f"start-up: {program}, soundfont {soundfont}, load {stats.load()}", flush=True)
    one_run(display, program, output_dir, "warm-up")
    warm = [one_run(display, program, output_dir, f"warm-{i}") for i in range(warm_runs)]
    cold = []
    for i in range(cold_runs):
        drop_from_page_cache(soundfont)
        cold.append(one_run(display, program, output_dir, f"cold-{i}"))
    report("warm", warm)
    if cold:
        report("soundfont not cached", cold)
    print(f"  load after: {stats.load()}", flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4]), sys.argv[5]))
