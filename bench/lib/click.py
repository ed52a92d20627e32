"""Click to sound: reference-mode presses on the keys of the real program, each timed from the
moment the X server got the button press to the note-on in the MIDI log (inside the program)
and to the onset in the recording of the sink's monitor (what the ear gets); the pitch of every
note is checked against its key and dropouts inside the notes are counted.

Usage: click.py PROGRAM OUTPUT_DIR SPACING_SECONDS IDLE_PRESSES
Every key of the keyboard once, in a fixed mixed order, SPACING apart (the audio output stays
up between them); then IDLE_PRESSES presses each after the synthesizer has let its audio output
go, as the first click after a pause does.
"""

import random
import subprocess
import sys
import time

import numpy

import program as velunka
import sound
import stats
import xclient

IDLE_SECONDS = 5.0
PITCH_TOLERANCE_CENTS = 50


def presses(program, keys, spacing):
    timed = []
    for key in keys:
        timed.append((program.click(*velunka.key_point(key)), key))
        time.sleep(spacing)
    return timed


def analyse(label, timed, events, recording, table):
    ons = velunka.note_ons(events)
    to_midi, to_sound, wrong_notes, misses, dropouts, pitch_ok = [], [], [], [], 0, 0
    for pressed, key in timed:
        note = velunka.midi_note(key)
        later = [(t, n) for t, n in ons if pressed <= t < pressed + 1.0]
        if not later:
            misses.append(f"no note-on after the press on key {key}")
            continue
        t_on, played = later[0]
        to_midi.append((t_on - pressed) * 1000)
        row = f"{label}\t{pressed:.6f}\t{key}\t{to_midi[-1]:.3f}"
        if played != note:
            wrong_notes.append(f"key {key}: note {played}, expected {note}")
        onset = recording.onset_after(pressed)
        if onset is None:
            misses.append(f"no sound after the press on key {key}")
            table.write(row + "\n")
            continue
        to_sound.append((recording.time_of(onset) - pressed) * 1000)
        table.write(f"{row}\t{to_sound[-1]:.3f}\n")
        dropouts += recording.dropouts(onset, onset + int(0.9 * sound.RATE))
        hz = recording.pitch(onset + int(0.05 * sound.RATE), onset + int(0.4 * sound.RATE))
        deviation = sound.cents(hz, sound.note_hz(note))
        if abs(deviation) <= PITCH_TOLERANCE_CENTS:
            pitch_ok += 1
        else:
            misses.append(f"key {key} (note {note}): heard {hz:.1f} Hz, {deviation:+.0f} cents")
    stats.line(f"click to note-on, in the program ({label})", stats.summary(to_midi, digits=2))
    stats.line(f"click to sound, at the monitor ({label})", stats.summary(to_sound))
    stats.line(f"pitch right within {PITCH_TOLERANCE_CENTS} cents ({label})",
               f"{pitch_ok} of {len(timed)}")
    stats.line(f"dropouts inside notes ({label})", str(dropouts))
    for text in wrong_notes + misses:
        print(f"    {text}")
    return to_midi, to_sound


def main(path, output_dir, spacing, idle_presses):
    display = xclient.display_from_environment()
    midi_log = f"{output_dir}/click.midi.log"
    program = velunka.Program(display, path, midi_log, f"{output_dir}/click.err")
    prefix = f"{output_dir}/click"
    recorder = subprocess.Popen([sys.executable, __file__.replace("click.py", "recorder.py"),
                                 prefix])
    keys = list(range(velunka.FIRST_KEY, velunka.FIRST_KEY + 48))
    random.Random(9).shuffle(keys)
    print(f"click to sound: {len(keys)} presses {spacing:g} s apart, {idle_presses} after "
          f"{IDLE_SECONDS:g} s idle; load {stats.load()}", flush=True)
    try:
        velunka.wait_sink_settled()
        program.answer_startup_box()
        time.sleep(IDLE_SECONDS)
        warm = presses(program, keys, spacing)
        time.sleep(IDLE_SECONDS)
        idle = presses(program, keys[:idle_presses], 1.0 + IDLE_SECONDS)
    finally:
        program.end()
        recorder.terminate()
        recorder.wait(10)
    events = velunka.midi_events(midi_log)
    recording = sound.Recording(prefix)
    with open(prefix + ".presses.tsv", "w") as table:
        table.write("presses\tpressed\tkey\tto note-on ms\tto sound ms\n")
        _, warm_sound = analyse("output up", warm, events, recording, table)
        _, idle_sound = analyse("first after a pause", idle, events, recording, table)
    stats.line("click to sound, all presses", stats.summary(warm_sound + idle_sound))
    print(f"  load after: {stats.load()}", flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2], float(sys.argv[3]), int(sys.argv[4])))
