"""Records what the null sink plays, from its monitor, noting the CLOCK_MONOTONIC time of every
read: the sink's clock drifts against the system's, so a sample's time is taken from the reads
around it, not from the start time plus its offset.

Usage: recorder.py OUTPUT_PREFIX   (writes PREFIX.raw, s16le stereo 44100 Hz, and PREFIX.times,
"time frames_so_far" a line); ends cleanly on SIGTERM.
"""

import ctypes
import signal
import sys
import time

RATE = 44100
CHANNELS = 2
READ_FRAMES = 128  # 2.9 ms: finer reads would also make the null sink render in finer blocks


class SampleSpec(ctypes.Structure):
    _fields_ = [("format", ctypes.c_int), ("rate", ctypes.c_uint32), ("channels", ctypes.c_uint8)]


class BufferAttr(ctypes.Structure):
    _fields_ = [(name, ctypes.c_uint32)
                for name in ("maxlength", "tlength", "prebuf", "minreq", "fragsize")]


PA_STREAM_RECORD = 2
PA_SAMPLE_S16LE = 3

stopping = False


def stop(*_):
    global stopping
    stopping = True


def main(prefix):
    pulse = ctypes.CDLL("libpulse-simple.so.0")
    pulse.pa_simple_new.restype = ctypes.c_void_p
    pulse.pa_simple_new.argtypes = [ctypes.c_char_p, ctypes.c_char_p, ctypes.c_int,
                                    ctypes.c_char_p, ctypes.c_char_p, ctypes.c_void_p,
                                    ctypes.c_void_p, ctypes.c_void_p, ctypes.c_void_p]
    pulse.pa_simple_read.argtypes = [ctypes.c_void_p, ctypes.c_void_p, ctypes.c_size_t,
                                     ctypes.c_void_p]
    pulse.pa_simple_free.argtypes = [ctypes.c_void_p]
    spec = SampleSpec(PA_SAMPLE_S16LE, RATE, CHANNELS)
    frame_bytes = 2 * CHANNELS
    attr = BufferAttr(0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, READ_FRAMES * frame_bytes)
    error = ctypes.c_int()
    stream = pulse.pa_simple_new(None, b"velunka-bench", PA_STREAM_RECORD, b"nullsink.monitor",
                                 b"monitor", ctypes.byref(spec), None, ctypes.byref(attr),
                                 ctypes.byref(error))
    if not stream:
        print(f"recorder: cannot record (error {error.value})", file=sys.stderr)
        return 1
    signal.signal(signal.SIGTERM, stop)
    signal.signal(signal.SIGINT, stop)
    buffer = ctypes.create_string_buffer(READ_FRAMES * frame_bytes)
    frames = 0
    with open(prefix + ".raw", "wb") as raw, open(prefix + ".times", "w") as times:
        while not stopping:
            if pulse.pa_simple_read(stream, buffer, len(buffer), ctypes.byref(error)) < 0:
                break
            now = time.monotonic()
            frames += READ_FRAMES
            raw.write(buffer.raw)
            times.write(f"{now:.6f} {frames}\n")
    pulse.pa_simple_free(stream)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
