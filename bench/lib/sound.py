"""Reading a recording made by recorder.py: its samples, the time of any sample, onsets, pitch
and dropouts."""

import math
import os
import subprocess
import tempfile
import wave

import numpy

RATE = 44100
# Each read's time bounds from above when its samples arrived; a sample's time is the earliest
# such bound from the reads that followed it within this span (longer spans let the sink's clock
# drift into the estimate).
ENVELOPE_SECONDS = 0.25


class Recording:
    def __init__(self, prefix):
        raw = numpy.fromfile(prefix + ".raw", dtype="<i2").reshape(-1, 2)
        self.stereo = raw
        self.mono = raw.astype(numpy.float64).mean(axis=1) / 32768.0
        times = numpy.loadtxt(prefix + ".times", ndmin=2)
        self.read_times, self.read_frames = times[:, 0], times[:, 1]
        self.chunk_times = self._chunk_end_times()

    def _chunk_end_times(self):
        """Arrival time of the last frame of each read, from the lower envelope of later reads."""
        t, n = self.read_times, self.read_frames
        estimates = t.copy()
        window = int(ENVELOPE_SECONDS * RATE / max(1.0, n[0])) + 1
        for ahead in range(1, window):
            later = t[ahead:] - (n[ahead:] - n[:-ahead]) / RATE
            estimates[:-ahead] = numpy.minimum(estimates[:-ahead], later)
        return estimates

    def time_of(self, frame):
        return float(numpy.interp(frame, self.read_frames - 1, self.chunk_times))

    def frame_at(self, when):
        return int(numpy.interp(when, self.chunk_times, self.read_frames - 1))

    def onset_after(self, when, span=1.0):
        """First frame after `when` that stands clearly above what sounded just before it."""
        start = self.frame_at(when)
        before = self.mono[max(0, start - int(0.05 * RATE)):start]
        after = self.mono[start:start + int(span * RATE)]
        if len(after) == 0:
            return None
        peak = numpy.abs(after).max()
        floor = numpy.abs(before).max() if len(before) else 0.0
        threshold = max(2.0 * floor, 0.05 * peak, 0.002)
        louder = numpy.flatnonzero(numpy.abs(after) > threshold)
        return start + int(louder[0]) if len(louder) else None

    def dropouts(self, first, last, min_frames=3):
        """Runs of at least min_frames exact zeros in both channels between two frames."""
        silent = numpy.all(self.stereo[first:last] == 0, axis=1).astype(numpy.int8)
        edges = numpy.flatnonzero(numpy.diff(numpy.concatenate(([0], silent, [0]))))
        runs = edges[1::2] - edges[0::2]
        return int(numpy.count_nonzero(runs >= min_frames))

    def pitch(self, first, last):
        """Median of aubiopitch's (yinfft) estimates over a stretch of frames, in Hz."""
        with tempfile.TemporaryDirectory() as folder:
            path = os.path.join(folder, "note.wav")
            with wave.open(path, "wb") as out:
                out.setnchannels(2)
                out.setsampwidth(2)
                out.setframerate(RATE)
                out.writeframes(self.stereo[first:last].astype("<i2").tobytes())
            output = subprocess.run(["aubiopitch", "-p", "yinfft", "-i", path],
                                    capture_output=True, text=True).stdout
        values = [float(f[1]) for f in (l.split() for l in output.splitlines())
                  if len(f) == 2 and float(f[1]) > 0]
        return float(numpy.median(values)) if values else 0.0


def note_hz(midi_note):
    return 440.0 * 2 ** ((midi_note - 69) / 12)


def cents(hz, expected_hz):
    return 1200 * math.log2(hz / expected_hz) if hz > 0 else float("inf")
