#include "TrainingFixture.h"

#include <algorithm>
#include <cstdio>
#include <set>

#include "notes/Keyboard.h"

void TrainingTest::SetUp() {
    ProgramTest::SetUp();
    StartProgram();
    recorder->Clear();
}

vcl::TPanel* TrainingTest::PanelOf(int keyIndex) const {
    const auto& keys = velunka::KeyboardKeys();
    for (size_t i = 0; i < keys.size(); ++i) {
        if (keys[i].keyIndex == keyIndex) return FormMain->KeyPanels[i];
    }
    ADD_FAILURE() << "no key panel for key index " << keyIndex;
    return nullptr;
}

void TrainingTest::PressKeyWith(int keyIndex, vcl::TMouseButton button) {
    PanelOf(keyIndex)->MouseDown(button, {}, 5, 5);
}

void TrainingTest::ReleaseKey(int keyIndex, vcl::TMouseButton button) {
    PanelOf(keyIndex)->MouseUp(button, {}, 5, 5);
}

void TrainingTest::PressKey(int keyIndex) {
    PressKeyWith(keyIndex, vcl::mbLeft);
    ReleaseKey(keyIndex);
}

void TrainingTest::UsePattern(int pattern) {
    FormMain->RadioGroupPattern->ItemIndex = pattern;
}

void TrainingTest::UseRange(int low, int high) {
    FormMain->NoteLow = low;
    FormMain->NoteHigh = high;
}

std::vector<std::string> TrainingTest::Timeline(bool withProgramChanges) const {
    std::vector<std::string> lines;
    char text[48];
    for (const auto& entry : recorder->Entries()) {
        const winmm::MidiCall& call = entry.call;
        const int ms = static_cast<int>(entry.time);
        if (call.kind == winmm::MidiCall::Open) {
            std::snprintf(text, sizeof text, "%d open", ms);
        } else if (call.kind == winmm::MidiCall::Close) {
            std::snprintf(text, sizeof text, "%d close", ms);
        } else {
            const unsigned status = call.message & 0xFF;
            const unsigned data1 = (call.message >> 8) & 0xFF;
            if (status == 0xC0) {
                if (!withProgramChanges) continue;
                std::snprintf(text, sizeof text, "%d pc %02X", ms, data1);
            } else {
                std::snprintf(text, sizeof text, "%d %s %02X", ms, status == 0x90 ? "on" : "off",
                              data1);
            }
        }
        lines.emplace_back(text);
    }
    return lines;
}

std::vector<int> TrainingTest::QuestionNotes() const {
    std::vector<int> notes;
    for (int i = 0; i < FormMain->NoteCount; ++i) {
        notes.push_back(FormMain->Notes[static_cast<size_t>(i)]);
    }
    return notes;
}

// Notes off the screen's keyboard are pressed as a MIDI keyboard would press them.
void TrainingTest::AnswerRight() {
    for (int note : QuestionNotes()) {
        const int key = note - 12;
        if (key >= 24 && key <= 71) {
            PressKey(key);
        } else if (key >= 0 && key <= 115) {
            FormMain->KeyPressed(key);
        }
    }
}

int TrainingTest::WrongKey() const {
    std::vector<int> notes = QuestionNotes();
    for (int key = 24; key <= 71; ++key) {
        if (std::find(notes.begin(), notes.end(), key + 12) == notes.end()) return key;
    }
    return -1;
}

std::vector<int> SoundingAfter(const std::vector<winmm::MidiCallRecorder::Entry>& entries) {
    std::set<int> sounding;
    for (const auto& entry : entries) {
        const winmm::MidiCall& call = entry.call;
        if (call.kind == winmm::MidiCall::Close) {
            if (call.result == MMSYSERR_NOERROR) sounding.clear();
            continue;
        }
        if (call.kind != winmm::MidiCall::Message || call.result != MMSYSERR_NOERROR) continue;
        const unsigned status = call.message & 0xF0;
        const int note = static_cast<int>((call.message >> 8) & 0xFF);
        const unsigned velocity = (call.message >> 16) & 0xFF;
        if (status == 0x90 && velocity > 0) sounding.insert(note);
        if (status == 0x80 || (status == 0x90 && velocity == 0)) sounding.erase(note);
    }
    return {sounding.begin(), sounding.end()};
}
