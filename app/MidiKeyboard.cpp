#include "app/MidiKeyboard.h"

#include <cstdint>

#include "app/VelunkaMain.h"
#include "notes/Keyboard.h"

namespace {

constexpr int kNoteOfKeyIndex0 = 12;

vcl::TPanel* KeyPanel(std::int32_t keyIndex) {
    const auto& keys = velunka::KeyboardKeys();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (keys[i].keyIndex == keyIndex) return FormMain->KeyPanels[i];
    }
    return nullptr;
}

}  // namespace

MidiKeyboard::MidiKeyboard(vcl::TApplication& application)
    : input_(winmm::OpenKeyboardInput([&application](winmm::KeyboardNote note) {
          application.Post([note] { Play(note); });
      })) {}

MidiKeyboard::~MidiKeyboard() = default;

void MidiKeyboard::Play(winmm::KeyboardNote note) {
    if (FormMain == nullptr || note.note < kNoteOfKeyIndex0) return;
    const std::int32_t keyIndex = note.note - kNoteOfKeyIndex0;
    if (vcl::TPanel* key = KeyPanel(keyIndex)) {
        const int x = key->Width / 2;
        const int y = key->Height / 2;
        if (note.down) {
            key->MouseDown(vcl::mbLeft, {}, x, y);
        } else {
            key->MouseUp(vcl::mbLeft, {}, x, y);
        }
        return;
    }
    // Off the screen's four octaves: no key to show held, but judged all the same.
    if (note.down && FormMain->IsShowing() && FormMain->IsInputEnabled()) {
        FormMain->KeyPressed(keyIndex);
    }
}
