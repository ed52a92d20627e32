// The real main window in training: clicks, key presses and virtual time, and the MIDI log
// read back as a timeline ("800 on 3C", "1800 off 3C", "0 open", "2600 close").
#pragma once

#include <string>
#include <vector>

#include "ProgramFixture.h"

class TrainingTest : public ProgramTest {
  protected:
    void SetUp() override;
    // A fresh program, for a case of a loop.
    void Restart() {
        TearDown();
        SetUp();
    }

    void Click(vcl::TButton* button) { button->Click(); }
    void Advance(std::int64_t ms) { backend->Advance(ms); }
    // A left press and release on the key panel of keyIndex (24..71).
    void PressKey(int keyIndex);
    void PressKeyWith(int keyIndex, vcl::TMouseButton button);
    void ReleaseKey(int keyIndex, vcl::TMouseButton button = vcl::mbLeft);
    vcl::TPanel* PanelOf(int keyIndex) const;

    // Chooses the pattern (0 single, 1 sequence, 2 chord) and a range of exactly one note.
    void UsePattern(int pattern);
    void UseRange(int low, int high);

    // Every logged call since the log was last cleared, with its virtual time in ms; program
    // changes are left out unless asked for.
    std::vector<std::string> Timeline(bool withProgramChanges = false) const;
    // "60 64 67": the question's notes.
    std::vector<int> QuestionNotes() const;
    // Presses the keys of the question's notes, in question order.
    void AnswerRight();
    // A key of the keyboard that is no note of the question.
    int WrongKey() const;
    std::vector<std::string> MemoLines(vcl::TMemo* memo) const { return memo->Lines->Lines(); }
};

// Notes sounding after the calls logged so far (a close silences everything).
std::vector<int> SoundingAfter(const std::vector<winmm::MidiCallRecorder::Entry>& entries);
