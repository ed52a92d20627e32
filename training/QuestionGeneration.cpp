#include <algorithm>
#include <cstdlib>
#include <vector>

#include "app/VelunkaMain.h"
#include "training/ChordTable.h"

namespace {

constexpr std::int32_t kHighestMidiNote = 127;

std::int32_t DrawBelow(std::int32_t bound) {
    return std::rand() % bound;
}

// low..high, both included; no draw for a range of one note.
std::uint8_t DrawNote(std::int32_t low, std::int32_t high) {
    std::int32_t span = high - low;
    std::int32_t offset = span == 0 ? 0 : DrawBelow(span + 1);
    return static_cast<std::uint8_t>(low + offset);
}

}  // namespace

// Both bounds can be drawn: the range is the one the status panel shows.
std::uint8_t TFormMain::RandomNote() {
    return DrawNote(NoteLow, NoteHigh);
}

// C#, D#, G# and A# go up, F# goes down; when that would leave the range and the other
// neighbour lies inside it, the note goes to the other neighbour instead.
void TFormMain::FoldToWhiteKey(std::int32_t pos) {
    if (KeyType != 1) return;
    std::uint8_t& note = Notes[static_cast<size_t>(pos)];
    int folded;
    int other;
    switch (note % 12) {
        case 1:
        case 3:
        case 8:
        case 10:
            folded = note + 1;
            other = note - 1;
            break;
        case 6:
            folded = note - 1;
            other = note + 1;
            break;
        default:
            return;
    }
    auto inRange = [this](int n) { return n >= NoteLow && n <= NoteHigh; };
    if (!inRange(folded) && inRange(other)) folded = other;
    note = static_cast<std::uint8_t>(folded);
}

void TFormMain::StartQuestion() {
    Mode = "";
    Phase = "";
    ButtonRepeat->Enabled = true;
    ButtonStop->Enabled = true;
    RadioGroupPattern->Enabled = false;
    CheckBoxNoAnswer->Enabled = false;
    CheckBoxSeq->Enabled = false;
    MenuSetting->Enabled = false;
    LabelOk->Visible = false;
    LabelNg->Visible = false;
    ButtonRef->Visible = true;
    NotePos = 0;
    MemoNoted->Lines->Clear();

    switch (RadioGroupPattern->ItemIndex) {
        case 0:
            EnterQuestion("single", "単音モード");
            ButtonStart->Enabled = !CheckBoxSeq->Checked;
            NoteOff(0);
            CutNotesShort();
            Notes[0] = RandomNote();
            FoldToWhiteKey(0);
            NoteOn(0);
            TimerNoteOff->Interval = NoteLength;
            ListNotesSounded(MemoNoted, 1);
            break;
        case 1:
            if (CheckBoxSeq->Checked) ButtonStart->Enabled = false;
            EnterQuestion("sequence", "連続音モード");
            for (std::int32_t i = 0; i < NoteCount; ++i)
                Notes[static_cast<size_t>(i)] = RandomNote();
            CutNotesShort();
            FoldToWhiteKey(NotePos);
            NoteOn(NotePos);
            NotePos = NotePos + 1;
            TimerNoteOff->Interval = NoteLength;
            break;
        case 2:
            if (CheckBoxSeq->Checked) ButtonStart->Enabled = false;
            EnterQuestion("chord", "同時音モード");
            NotePos = 0;
            StartChord();
            break;
    }
    LabelMode->Color = vcl::clFuchsia;
}

void TFormMain::EnterQuestion(const char* mode, const char* modeCaption) {
    LabelMode->Caption = modeCaption;
    Mode = mode;
    Phase = "question";
    ShowAsking();
}

// The chord type is drawn among those that fit under MIDI 127 above the lowest note of the range,
// and the root so that the whole chord fits: no note of a chord goes past 127.
void TFormMain::StartChord() {
    std::vector<const velunka::ChordType*> fitting;
    for (const auto& type : velunka::kChordTypes) {
        if (NoteLow + type.Top() <= kHighestMidiNote) fitting.push_back(&type);
    }
    const velunka::ChordType* type;
    if (fitting.empty()) {
        type = &velunka::kChordTypes[static_cast<size_t>(DrawBelow(13))];
    } else {
        type = fitting[static_cast<size_t>(DrawBelow(static_cast<std::int32_t>(fitting.size())))];
    }
    std::int32_t highestRoot = kHighestMidiNote - type->Top();
    if (highestRoot < NoteLow) {
        Notes[0] = static_cast<std::uint8_t>(highestRoot);
    } else {
        Notes[0] = DrawNote(NoteLow, std::min(NoteHigh, highestRoot));
    }
    NoteCount = type->noteCount;
    for (std::int32_t i = 1; i < NoteCount; ++i) {
        Notes[static_cast<size_t>(i)] =
            static_cast<std::uint8_t>(Notes[0] + type->intervals[static_cast<size_t>(i - 1)]);
    }
    CutNotesShort();
    for (std::int32_t i = 0; i < NoteCount; ++i) NoteOn(i);
    TimerNoteOff->Interval = NoteLength;
}
