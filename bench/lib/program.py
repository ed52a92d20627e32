"""The real program under the benchmarks: launched with its MIDI recorded, the start-up box
answered, and its main window's keys and buttons located on the screen."""

import os
import signal
import subprocess
import time

BOX_TITLE = "Velunka V0.8"
MAIN_TITLE = "Velunka\u3000V0.8"
CLIENT_HEIGHT = 504  # the main window's designed client area; the menu bar lies above it

# The keyboard: C2 at client left 105, seven white keys 20 apart in each 140-wide octave,
# black keys 10 to the right of the white key they follow; white keys 91 high, black ones 51.
KEYBOARD_LEFT = 105
KEY_TOP = 65
WHITE_OFFSETS = {0: 0, 2: 20, 4: 40, 5: 60, 7: 80, 9: 100, 11: 120}
BLACK_OFFSETS = {1: 10, 3: 30, 6: 70, 8: 90, 10: 110}
FIRST_KEY = 24  # key index of C2; MIDI note = key index + 12


def key_point(key):
    """Client coordinates of a point inside the key with this key index."""
    octave, pitch_class = divmod(key - FIRST_KEY, 12)
    left = KEYBOARD_LEFT + 140 * octave
    if pitch_class in WHITE_OFFSETS:
        return left + WHITE_OFFSETS[pitch_class] + 10, KEY_TOP + 75
    return left + BLACK_OFFSETS[pitch_class] + 10, KEY_TOP + 25


def midi_note(key):
    return key + 12


class Program:
    def __init__(self, display, path, midi_log, err_path):
        self.display = display
        self.midi_log = midi_log
        env = dict(os.environ, VELUNKA_MIDI_OUT=f"synth+record:{midi_log}")
        with open(err_path, "w") as err:
            self.launched = time.monotonic()
            self.process = subprocess.Popen([path], env=env, stdout=subprocess.DEVNULL,
                                            stderr=err)
        self.pid = self.process.pid
        self.main = None

    def answer_startup_box(self):
        _, box = self.display.wait_mapped(BOX_TITLE, 30, since=self.launched)
        time.sleep(0.3)
        self.display.focus(box)
        entered = self.display.key("Return")
        _, self.main = self.display.wait_mapped(MAIN_TITLE, 30, since=entered)
        time.sleep(0.5)
        x, y, width, height = self.display.geometry(self.main)
        self.client_origin = (x, y + height - CLIENT_HEIGHT)

    def screen_point(self, client_x, client_y):
        return self.client_origin[0] + client_x, self.client_origin[1] + client_y

    def click(self, client_x, client_y, hold=0.05):
        """Clicks at a client point; returns the time the press was sent."""
        self.display.move(*self.screen_point(client_x, client_y))
        pressed = self.display.button(True)
        time.sleep(hold)
        self.display.button(False)
        return pressed

    def click_button(self, client_x, client_y):
        """Clicks a button, which acts when the mouse button is released; returns that time."""
        self.display.move(*self.screen_point(client_x, client_y))
        self.display.button(True)
        time.sleep(0.05)
        return self.display.button(False)

    def end(self):
        self.process.send_signal(signal.SIGTERM)
        try:
            self.process.wait(10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()


def sink_latency_ms():
    listing = subprocess.run(["pactl", "list", "sinks"], capture_output=True, text=True).stdout
    for entry in listing.splitlines():
        fields = entry.split()
        if fields[:1] == ["Latency:"]:
            return int(fields[1]) / 1000
    return None


def wait_sink_settled(timeout=30):
    """An idle null sink renders far ahead and a new stream's writes then block for a second or
    two; a recording stream brings its latency down. Waits until it is short."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        latency = sink_latency_ms()
        if latency is not None and latency < 20:
            return
        time.sleep(0.1)
    raise TimeoutError("the null sink's latency stays high")


def cpu_seconds(pid):
    """User plus system CPU time of a process, all its threads, ended ones too."""
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def midi_events(path):
    """(time, kind, bytes) for every line of a MIDI log: kind is open, msg or close."""
    events = []
    with open(path) as log:
        for entry in log:
            fields = entry.split()
            if len(fields) >= 2:
                events.append((float(fields[0]), fields[1], [int(b, 16) for b in fields[3:]]))
    return events


def wait_note_off_after(log, since, timeout=10.0, count=1):
    """The question notes that started after `since`, once at least `count` of them started and
    all of them have ended (the notes of a sequence start one after another)."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        events = midi_events(log)
        ons = [(t, n) for t, n in note_ons(events) if t > since]
        offs = note_offs(events)
        if len(ons) >= count and all(any(t_off > t_on and n_off == n for t_off, n_off in offs)
                       for t_on, n in ons):
            return ons
        time.sleep(0.05)
    raise TimeoutError("a question did not end")


def note_ons(events):
    return [(t, data[1]) for t, kind, data in events
            if kind == "msg" and len(data) >= 3 and data[0] & 0xF0 == 0x90 and data[2] > 0]


def note_offs(events):
    return [(t, data[1]) for t, kind, data in events
            if kind == "msg" and len(data) >= 3 and (data[0] & 0xF0 == 0x80 or
                                                     (data[0] & 0xF0 == 0x90 and data[2] == 0))]
