#include <cstdint>

#include "app/VelunkaMain.h"
#include "training/Timing.h"

namespace {

std::string Percent(std::int64_t ok, std::int64_t judged) {
    return std::to_string(ok * 100 / judged);
}
}  // namespace

void TFormMain::KeyPressed(std::int32_t keyIndex) {
    if (Mode == "") {
        midiOutOpen(&hMidiOut, MIDI_MAPPER, 0, 0, 0);
        KeyNoteOff(RefNote);
        TimerNoteOff->Interval = 0;
        KeyNoteOn(keyIndex);
        TimerNoteOff->Interval = NoteLength;
    } else if (Mode == "single") {
        if (Phase != "answer") return;
        if (Notes[0] - 12 == keyIndex) {
            AnswerComplete(SingleOk);
        } else {
            AnswerWrong(SingleNg);
        }
    } else if (Mode == "sequence") {
        if (Phase != "answer") return;
        // While the last note of a replay sounds, no note of the question is awaited.
        if (NotePos >= NoteCount) return;
        if (Notes[static_cast<size_t>(NotePos)] - 12 == keyIndex) {
            NotePos = NotePos + 1;
            if (NotePos < NoteCount) {
                DrawProgressBox(NotePos);
            } else {
                AnswerComplete(SeqOk);
            }
        } else {
            AnswerWrong(SeqNg);
        }
    } else if (Mode == "chord") {
        if (Phase != "answer") return;
        std::string name = NoteMemo->Lines->Get(keyIndex);
        int i = AnswerMemo->Lines->IndexOf(name);
        if (i < 0) {
            AnswerWrong(SameNg);
            return;
        }
        AnswerMemo->Lines->Delete(i);
        AnswerMemo->Lines->Insert(i, "none");
        NotePos = NotePos + 1;
        if (NotePos < NoteCount) {
            DrawProgressBox(NotePos);
        } else {
            AnswerComplete(SameOk);
        }
    }
}

void TFormMain::AnswerComplete(std::int32_t& okCounter) {
    ShowOk();
    okCounter += 1;
    UpdateScore();
    NotePos = 0;
    Phase = "";
    if (CheckBoxSeq->Checked) TimerRenzoku->Interval = velunka::kRenzokuMs;
}

// The question is played again; the next answer starts from its first note.
void TFormMain::AnswerWrong(std::int32_t& ngCounter) {
    ShowNg();
    ngCounter += 1;
    UpdateScore();
    NotePos = 0;
    TimerRepeat->Interval = velunka::kRepeatMs;
}

void TFormMain::ShowOk() {
    LabelAnswer->Visible = false;
    LabelOk->Visible = true;
    LabelNg->Visible = false;
}

void TFormMain::ShowNg() {
    LabelAnswer->Visible = false;
    LabelOk->Visible = false;
    LabelNg->Visible = true;
}

// Sums and percentages are worked out in 64 bits, so no count can overflow them.
void TFormMain::UpdateScore() {
    struct Column {
        std::int32_t ok;
        std::int32_t ng;
        vcl::TLabel* count;
        vcl::TLabel* percent;
    };
    const Column columns[] = {
        {SingleOk, SingleNg, LabelSingle, LabelSinglePar},
        {SeqOk, SeqNg, LabelSeq, LabelSeqPar},
        {SameOk, SameNg, LabelSame, LabelSamePar},
    };
    std::int64_t totalOk = 0;
    std::int64_t total = 0;
    for (const Column& column : columns) {
        std::int64_t judged = std::int64_t{column.ok} + column.ng;
        totalOk += column.ok;
        total += judged;
        if (judged == 0) continue;
        column.count->Caption = std::to_string(judged);
        column.percent->Caption = Percent(column.ok, judged);
    }
    LabelTotal->Caption = std::to_string(total);
    LabelTotalPar->Caption = Percent(totalOk, total);
}

void TFormMain::DrawProgressBox(std::int32_t n) {
    vcl::TCanvas* canvas = Canvas();
    canvas->Pen->Color = vcl::clBlack;
    canvas->Brush->Style = vcl::bsSolid;
    canvas->Brush->Color = vcl::clAqua;
    canvas->Rectangle(450 + 15 * n, 238, 460 + 15 * n, 263);
    canvas->TextOut(453 + 15 * n, 246, IntToString(n));
}
