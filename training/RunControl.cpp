#include "app/VelunkaMain.h"
#include "training/Timing.h"

void TFormMain::ButtonStartClick(vcl::TObject*) {
    midiOutOpen(&hMidiOut, MIDI_MAPPER, 0, 0, 0);
    TimerRenzoku->Interval = velunka::kRenzokuMs;
}

void TFormMain::ButtonStopClick(vcl::TObject*) {
    Mode = "";
    Phase = "";
    EraseProgressArea();
    ButtonStart->Enabled = true;
    ButtonRepeat->Enabled = false;
    ButtonStop->Enabled = false;
    RadioGroupPattern->Enabled = true;
    CheckBoxNoAnswer->Enabled = true;
    CheckBoxSeq->Enabled = true;
    MenuSetting->Enabled = true;
    LabelOk->Visible = false;
    LabelNg->Visible = false;
    ButtonRef->Visible = false;
    LabelMode->Caption = "参照モード";
    LabelMode->Color = vcl::clLime;
    LabelQuestion->Visible = false;
    LabelAnswer->Visible = false;
    // Nothing of the run may start or sound after Stop.
    TimerNoteOff->Interval = 0;
    TimerRenzoku->Interval = 0;
    TimerRepeat->Interval = 0;
    CloseMidiOutput();
}

void TFormMain::ButtonRepeatClick(vcl::TObject*) {
    EraseProgressArea();
    RepeatQuestion();
}

void TFormMain::TimerRenzokuTimer(vcl::TObject*) {
    EraseProgressArea();
    StartQuestion();
    TimerRenzoku->Interval = 0;
}

void TFormMain::TimerRepeatTimer(vcl::TObject*) {
    EraseProgressArea();
    RepeatQuestion();
    TimerRepeat->Interval = 0;
}

void TFormMain::ShowAsking() {
    LabelQuestion->Visible = true;
    LabelAnswer->Visible = false;
}

void TFormMain::AwaitAnswer() {
    Phase = "answer";
    LabelQuestion->Visible = false;
    LabelAnswer->Visible = true;
}

// Ends the notes of the question, or a reference note, before others start.
void TFormMain::CutNotesShort() {
    TimerNoteOff->Interval = 0;
    EndSoundingNotes();
}

bool TFormMain::RunPendingOrGoing() const {
    return Mode != "" || TimerRenzoku->Interval != 0;
}

// Plays the question again from its first note. What still sounds of the question is ended
// first, and the replay's first note gets a whole note length.
void TFormMain::RepeatQuestion() {
    LabelOk->Visible = false;
    LabelNg->Visible = false;
    ShowAsking();
    NotePos = 0;
    MemoNoted->Lines->Clear();
    if (Mode == "") return;
    CutNotesShort();
    if (Mode == "single") {
        NoteOn(0);
        TimerNoteOff->Interval = NoteLength;
    } else if (Mode == "sequence") {
        NoteOn(0);
        TimerNoteOff->Interval = NoteLength;
        NotePos = 1;
    } else if (Mode == "chord") {
        for (std::int32_t i = 0; i < NoteCount; ++i) NoteOn(i);
        TimerNoteOff->Interval = NoteLength;
    }
}

void TFormMain::TimerNoteOffTimer(vcl::TObject*) {
    if (Mode == "") {
        KeyNoteOff(RefNote);
        TimerNoteOff->Interval = 0;
        // The output that Start opened stays open for the run.
        if (!RunPendingOrGoing()) CloseMidiOutput();
    } else if (Mode == "single") {
        NoteOff(0);
        CutNotesShort();
        AwaitAnswer();
        ListNotesSounded(MemoNoted, 1);
    } else if (Mode == "sequence" && NotePos < NoteCount) {
        // NotePos is 0 when an answer reset it during a replay; then only what sounds is ended.
        if (NotePos > 0) NoteOff(NotePos - 1);
        CutNotesShort();
        FoldToWhiteKey(NotePos);
        NoteOn(NotePos);
        NotePos = NotePos + 1;
        TimerNoteOff->Interval = NoteLength;
    } else if (Mode == "sequence") {
        NoteOff(NotePos - 1);
        CutNotesShort();
        ListNotesSounded(MemoNoted, NoteCount);
        AwaitAnswer();
        NotePos = 0;
    } else if (Mode == "chord") {
        for (std::int32_t i = 0; i < NoteCount; ++i) NoteOff(i);
        CutNotesShort();
        AnswerMemo->Lines->Clear();
        for (std::int32_t i = 0; i < NoteCount; ++i) {
            AnswerMemo->Lines->Insert(i, NoteName(Notes[static_cast<size_t>(i)]));
        }
        ListNotesSounded(MemoNoted, NoteCount);
        AwaitAnswer();
        NotePos = 0;
    }
}

// MemoNoted, or any memo, lists the names of the first `count` notes, unless the user chose
// not to see them.
void TFormMain::ListNotesSounded(vcl::TMemo* memo, std::int32_t count) {
    memo->Lines->Clear();
    if (CheckBoxNoAnswer->Checked) return;
    for (std::int32_t i = 0; i < count; ++i) {
        memo->Lines->Insert(i, NoteName(Notes[static_cast<size_t>(i)]));
    }
}

std::string TFormMain::NoteName(std::uint8_t note) const {
    return NoteMemo->Lines->Get(note - 12);
}

void TFormMain::EraseProgressArea() {
    vcl::TCanvas* canvas = Canvas();
    canvas->Pen->Color = vcl::clNavy;
    canvas->Brush->Style = vcl::bsSolid;
    canvas->Brush->Color = vcl::clNavy;
    canvas->Rectangle(450, 238, 595, 263);
}
