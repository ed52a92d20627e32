"""Note timing of training runs, from the MIDI log: how long each question note lasts against the
note length, and the pauses before a replay and before the next question.

Usage: timing.py PROGRAM OUTPUT_DIR QUESTIONS
Each pattern the program offers runs QUESTIONS questions with continuous questions switched on;
the first few of them are answered wrongly once first, for the replay pause. The notes to answer
are read back from the MIDI log.
"""

import sys
import time

import program as velunka
import stats
import xclient

NOTE_LENGTH_MS = 1000  # the program's default; nothing else can be set without the settings dialog
PAUSE_MS = 800
WRONG_FIRST = 3

START_BUTTON = (255 + 37, 190 + 12)
STOP_BUTTON = (450 + 37, 190 + 12)
CONTINUOUS_CHECKBOX = (403 + 8 + 8, 394 + 35 + 8)
PATTERN_ITEMS = {"single": (582 + 20, 370 + 27), "chord": (582 + 20, 370 + 73)}


def wrong_key(notes):
    """A key whose note name is none of the notes' (a chord is answered by names)."""
    names = {n % 12 for n in notes}
    return next(k for k in range(velunka.FIRST_KEY + 47, velunka.FIRST_KEY, -1)
                if velunka.midi_note(k) % 12 not in names)


def run_pattern(program, pattern, questions, gaps):
    log = program.midi_log
    program.click(*PATTERN_ITEMS[pattern])
    time.sleep(0.3)
    pressed = program.click_button(*START_BUTTON)
    pause = "Start to first question"
    for question in range(questions):
        ons = velunka.wait_note_off_after(log, pressed)
        gaps[pause].append((ons[0][0] - pressed) * 1000)
        notes = {n for _, n in ons}
        if question < WRONG_FIRST:
            time.sleep(0.2)
            pressed = program.click(*velunka.key_point(wrong_key(notes)))
            replay = velunka.wait_note_off_after(log, pressed)
            gaps["wrong answer to replay"].append((replay[0][0] - pressed) * 1000)
        time.sleep(0.2)
        for note in sorted(notes):
            pressed = program.click(*velunka.key_point(note - 12))
            time.sleep(0.1)
        pause = "right answer to next question"
    time.sleep(0.4)
    program.click_button(*STOP_BUTTON)
    time.sleep(0.5)


def note_lengths(events, first, last):
    ons = [(t, n) for t, n in velunka.note_ons(events) if first <= t <= last]
    offs = velunka.note_offs(events)
    lengths = []
    for t_on, note in ons:
        later = [t for t, n in offs if t > t_on and n == note]
        if later:
            lengths.append((later[0] - t_on) * 1000)
    return lengths


def main(path, output_dir, questions):
    display = xclient.display_from_environment()
    program = velunka.Program(display, path, f"{output_dir}/timing.midi.log",
                              f"{output_dir}/timing.err")
    print(f"note timing: {questions} questions a pattern at {NOTE_LENGTH_MS} ms; load "
          f"{stats.load()}", flush=True)
    spans = {}
    try:
        program.answer_startup_box()
        program.click(*CONTINUOUS_CHECKBOX)
        time.sleep(0.3)
        for pattern in PATTERN_ITEMS:
            gaps = {"Start to first question": [], "wrong answer to replay": [],
                    "right answer to next question": []}
            began = time.monotonic()
            run_pattern(program, pattern, questions, gaps)
            spans[pattern] = (began, time.monotonic(), gaps)
    finally:
        program.end()
    events = velunka.midi_events(program.midi_log)
    for pattern, (began, ended, gaps) in spans.items():
        lengths = note_lengths(events, began, ended)
        errors = [abs(length - NOTE_LENGTH_MS) for length in lengths]
        stats.line(f"{pattern}: note-off after note-on, error", stats.summary(errors, digits=2))
        stats.line(f"{pattern}: note length", stats.summary(lengths, digits=2))
        for name, values in gaps.items():
            if values:
                stats.line(f"{pattern}: {name} (click to note-on, {PAUSE_MS} ms due)",
                           stats.summary(values, digits=1))
    print("  not measured: the 10-note sequence and 250 ms notes need the question settings "
          "dialog", flush=True)
    print(f"  load after: {stats.load()}", flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2], int(sys.argv[3])))
