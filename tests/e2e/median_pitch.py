"""Checks the pitch of a recorded tone.

Usage: median_pitch.py RECORDING.wav AUBIOPITCH_OUTPUT EXPECTED_HZ TOLERANCE_CENTS

The onset is the first sample louder than a tenth of the recording's peak; the pitch is the
median of aubiopitch's estimates from 50 to 400 ms after it. The longest run of exact zeros
inside the first second of the tone is reported, since dropouts are what usually spoils
the estimate. Prints one line and exits 0 when the
pitch is within the tolerance, 1 otherwise.
"""

import math
import sys
import wave

import numpy

SAMPLE_TYPES = {1: numpy.uint8, 2: numpy.int16, 4: numpy.int32}


def read_mono(path):
    with wave.open(path, "rb") as recording:
        rate = recording.getframerate()
        channels = recording.getnchannels()
        width = recording.getsampwidth()
        frames = recording.readframes(recording.getnframes())
    samples = numpy.frombuffer(frames, dtype=SAMPLE_TYPES[width]).astype(numpy.float64)
    if width == 1:
        samples -= 128
    samples /= float(2 ** (8 * width - 1))
    return samples.reshape(-1, channels).mean(axis=1), rate


def onset_seconds(samples, rate):
    peak = numpy.abs(samples).max()
    if peak < 0.01:
        return None, peak
    first = int(numpy.argmax(numpy.abs(samples) > peak / 10))
    return first / rate, peak


def longest_zero_run(samples):
    zero = numpy.concatenate(([0], (samples == 0).astype(numpy.int8), [0]))
    edges = numpy.flatnonzero(numpy.diff(zero))
    return int((edges[1::2] - edges[0::2]).max()) if len(edges) else 0


def estimates(path):
    with open(path) as lines:
        for line in lines:
            fields = line.split()
            if len(fields) == 2:
                yield float(fields[0]), float(fields[1])


def main(recording_path, pitch_path, expected_hz, tolerance_cents):
    samples, rate = read_mono(recording_path)
    onset, peak = onset_seconds(samples, rate)
    if onset is None:
        print(f"the recording is silent (peak {peak:.4f})")
        return 1
    tone = samples[int(onset * rate) : int((onset + 1.0) * rate)]
    gap = longest_zero_run(tone)
    window = [hz for t, hz in estimates(pitch_path) if onset + 0.05 <= t <= onset + 0.4 and hz > 0]
    if not window:
        print(f"no pitch found 50-400 ms after the onset at {onset:.3f} s")
        return 1
    median = float(numpy.median(window))
    cents = 1200 * math.log2(median / expected_hz)
    verdict = (
        f"median pitch {median:.1f} Hz ({cents:+.1f} cents from {expected_hz:g} Hz) "
        f"over {len(window)} estimates after the onset at {onset:.3f} s, peak {peak:.2f}, "
        f"longest dropout {gap} samples"
    )
    print(verdict)
    return 0 if abs(cents) <= tolerance_cents else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2], float(sys.argv[3]), float(sys.argv[4])))
