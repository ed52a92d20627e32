#include <array>

#include "app/VelunkaMain.h"

namespace {

// Key indexes 0 ("c0") to 115 ("g9"); the MIDI note number is the key index + 12.
constexpr int kNoteNameCount = 116;

std::string NoteNameOf(int keyIndex) {
    static constexpr std::array<const char*, 12> kPitchClasses{"c",  "c+", "d",  "d+", "e",  "f",
                                                               "f+", "g",  "g+", "a",  "a+", "b"};
    return std::string(kPitchClasses[static_cast<size_t>(keyIndex % 12)]) +
           std::to_string(keyIndex / 12);
}

}  // namespace

// Line i of NoteMemo is the name of key index i; IndexOf gives the key index of a name.
void TFormMain::InitNoteNames() {
    for (int i = 0; i < kNoteNameCount; ++i) NoteMemo->Lines->Insert(i, NoteNameOf(i));
}
