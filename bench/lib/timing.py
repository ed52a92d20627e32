"""Note timing of training runs, from the MIDI log: how long each question note lasts against the
note length, how far the last note of a sequence ends from where the note length puts it, and
the pauses before a replay and before the next question.

Usage: timing.py PROGRAM OUTPUT_DIR QUESTIONS
At each note length the question settings dialog sets (through the menu, from the keyboard),
the sequence, chord and single-note patterns run QUESTIONS questions each with continuous
questions switched on; the first few of them are answered wrongly once first, for the replay
pause. The notes to answer are read back from the MIDI log.
"""

import sys
import time

import program as velunka
import stats
import xclient

NOTE_LENGTHS_MS = (1000, 250)
SEQUENCE_NOTES = 10
PAUSE_MS = 800
WRONG_FIRST = 3

START_BUTTON = (255 + 37, 190 + 12)
STOP_BUTTON = (450 + 37, 190 + 12)
CONTINUOUS_CHECKBOX = (403 + 8 + 8, 394 + 35 + 8)
PATTERN_ITEMS = {"sequence": (582 + 20, 370 + 50), "chord": (582 + 20, 370 + 73),
                 "single": (582 + 20, 370 + 27)}
QUESTION_SETTING_TITLE = "出題設定"


def set_questions(program, note_length, note_count):
    """Alt+S Q; the focus starts on Set: Tab to the number of notes, Tab to the note length."""
    display = program.display
    display.focus(program.main)
    opened = display.key("alt+s")
    time.sleep(0.3)
    display.key("q")
    _, dialog = display.wait_mapped(QUESTION_SETTING_TITLE, 10, since=opened)
    time.sleep(0.3)
    display.focus(dialog)
    for key in ["Tab", "ctrl+a", *str(note_count), "Tab", "ctrl+a", *str(note_length), "Return"]:
        display.key(key)
        time.sleep(0.15)
    time.sleep(0.5)
    display.focus(program.main)


def wrong_key(notes):
    """A key whose note name is none of the notes' (a chord is answered by names)."""
    names = {n % 12 for n in notes}
    return next(k for k in range(velunka.FIRST_KEY + 47, velunka.FIRST_KEY, -1)
                if velunka.midi_note(k) % 12 not in names)


def wait_question(log, since, pattern, note_length):
    """The notes of one playing of the question, in the order they started."""
    count = SEQUENCE_NOTES if pattern == "sequence" else 1
    timeout = 5 + count * note_length / 1000
    try:
        return velunka.wait_note_off_after(log, since, timeout, count)
    except TimeoutError:
        raise TimeoutError(f"{pattern} at {note_length} ms: fewer than {count} notes ended "
                           f"within {timeout:g} s; were the question settings applied?")


def answer_keys(pattern, ons):
    if pattern == "sequence":
        return [velunka.key_point(n - 12) for _, n in ons]
    return [velunka.key_point(n - 12) for n in sorted({n for _, n in ons})]


def run_pattern(program, pattern, note_length, questions, gaps, playings):
    log = program.midi_log
    program.click(*PATTERN_ITEMS[pattern])
    time.sleep(0.3)
    pressed = program.click_button(*START_BUTTON)
    pause = "Start to first question"
    for question in range(questions):
        ons = wait_question(log, pressed, pattern, note_length)
        gaps[pause].append((ons[0][0] - pressed) * 1000)
        playings.append(ons)
        if question < WRONG_FIRST:
            time.sleep(0.2)
            pressed = program.click(*velunka.key_point(wrong_key({n for _, n in ons})))
            replay = wait_question(log, pressed, pattern, note_length)
            gaps["wrong answer to replay"].append((replay[0][0] - pressed) * 1000)
            playings.append(replay)
        time.sleep(0.2)
        for point in answer_keys(pattern, ons):
            pressed = program.click(*point)
            time.sleep(0.1)
        pause = "right answer to next question"
    time.sleep(0.4)
    program.click_button(*STOP_BUTTON)
    time.sleep(0.5)


def first_off_after(offs, t_on, note):
    return next((t for t, n in offs if t > t_on and n == note), None)


def note_lengths(events, first, last):
    ons = [(t, n) for t, n in velunka.note_ons(events) if first <= t <= last]
    offs = velunka.note_offs(events)
    lengths, missing = [], 0
    for t_on, note in ons:
        t_off = first_off_after(offs, t_on, note)
        if t_off is None:
            missing += 1
        else:
            lengths.append((t_off - t_on) * 1000)
    return lengths, missing


def sequence_drifts(events, playings, note_length):
    """The last note-off of each playing of a sequence, from its first note-on, against the
    notes' lengths added up."""
    offs = velunka.note_offs(events)
    drifts = []
    for ons in playings:
        t_last, note = ons[-1]
        t_off = first_off_after(offs, t_last, note)
        if t_off is not None:
            drifts.append((t_off - ons[0][0]) * 1000 - len(ons) * note_length)
    return drifts


def report(events, label, pattern, note_length, began, ended, gaps, playings):
    lengths, missing = note_lengths(events, began, ended)
    errors = [abs(length - note_length) for length in lengths]
    stats.line(f"{label}: note-off after note-on, error", stats.summary(errors, digits=2))
    stats.line(f"{label}: note length", stats.summary(lengths, digits=2))
    if missing:
        print(f"    {missing} note-ons without a note-off", flush=True)
    if pattern == "sequence":
        sizes = sorted({len(ons) for ons in playings})
        stats.line(f"{label}: last note-off from first note-on, drift "
                   f"(notes a playing: {', '.join(map(str, sizes))})",
                   stats.summary(sequence_drifts(events, playings, note_length), digits=2))
    for name, values in gaps.items():
        if values:
            stats.line(f"{label}: {name} (click to note-on, {PAUSE_MS} ms due)",
                       stats.summary(values, digits=1))


def main(path, output_dir, questions):
    display = xclient.display_from_environment()
    program = velunka.Program(display, path, f"{output_dir}/timing.midi.log",
                              f"{output_dir}/timing.err")
    print(f"note timing: {questions} questions a pattern at "
          f"{' and '.join(map(str, NOTE_LENGTHS_MS))} ms, sequences of {SEQUENCE_NOTES} notes; "
          f"load {stats.load()}", flush=True)
    runs = []
    try:
        program.answer_startup_box()
        program.click(*CONTINUOUS_CHECKBOX)
        time.sleep(0.3)
        for note_length in NOTE_LENGTHS_MS:
            # A chord sets the number of notes to its own, so each length sets it again.
            set_questions(program, note_length, SEQUENCE_NOTES)
            for pattern in PATTERN_ITEMS:
                gaps = {"Start to first question": [], "wrong answer to replay": [],
                        "right answer to next question": []}
                playings = []
                began = time.monotonic()
                run_pattern(program, pattern, note_length, questions, gaps, playings)
                runs.append((pattern, note_length, began, time.monotonic(), gaps, playings))
                print(f"  ({pattern} at {note_length} ms done, load {stats.load()})", flush=True)
    finally:
        program.end()
    events = velunka.midi_events(program.midi_log)
    for pattern, note_length, began, ended, gaps, playings in runs:
        report(events, f"{pattern}, {note_length} ms", pattern, note_length, began, ended, gaps,
               playings)
    print(f"  load after: {stats.load()}", flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2], int(sys.argv[3])))
