#include "notes/Keyboard.h"

namespace velunka {
namespace {

struct KeyInOctave {
    const char* letter;
    int pitchClass;
    int offset;
    bool black;
};

// Whites first, then blacks: the order in which the panels of one octave are created.
constexpr std::array<KeyInOctave, 12> kOctaveKeys{{
    {"C", 0, 0, false},
    {"D", 2, 20, false},
    {"E", 4, 40, false},
    {"F", 5, 60, false},
    {"G", 7, 80, false},
    {"A", 9, 100, false},
    {"B", 11, 120, false},
    {"C", 1, 10, true},
    {"D", 3, 30, true},
    {"F", 6, 70, true},
    {"G", 8, 90, true},
    {"A", 10, 110, true},
}};

constexpr int kFirstOctave = 2;
constexpr int kOctaveCount = 4;
constexpr int kFirstOctaveLeft = 105;
constexpr int kOctaveWidth = 140;

std::array<KeyboardKey, kKeyboardKeyCount> MakeKeyboardKeys() {
    std::array<KeyboardKey, kKeyboardKeyCount> keys;
    size_t next = 0;
    for (int octave = kFirstOctave; octave < kFirstOctave + kOctaveCount; ++octave) {
        int origin = kFirstOctaveLeft + (octave - kFirstOctave) * kOctaveWidth;
        for (const KeyInOctave& key : kOctaveKeys) {
            keys[next++] = KeyboardKey{
                .panelName = "Panel" + std::string(key.letter) + std::to_string(octave) +
                             (key.black ? "s" : ""),
                .keyIndex = 12 * octave + key.pitchClass,
                .left = origin + key.offset,
                .black = key.black,
                .restColor = key.black ? vcl::clBlack : vcl::clWhite,
                .heldColor = key.black ? vcl::clWhite : vcl::clBlack,
            };
        }
    }
    return keys;
}

}  // namespace

const std::array<KeyboardKey, kKeyboardKeyCount>& KeyboardKeys() {
    static const std::array<KeyboardKey, kKeyboardKeyCount> keys = MakeKeyboardKeys();
    return keys;
}

ComponentDesign KeyPanelDesign(const KeyboardKey& key, int tabOrder) {
    return ComponentDesign{
        .kind = ComponentKind::Panel,
        .name = key.panelName,
        .bounds = {key.left, kKeyTop, kKeyWidth, key.black ? kBlackKeyHeight : kWhiteKeyHeight},
        .color = key.restColor,
        .tabOrder = tabOrder,
        .cursor = vcl::crUpArrow,
        .bevelInner = vcl::bvRaised,
        .bevelOuter = vcl::bvNone,
        .borderStyle = vcl::bsSingle,
    };
}

}  // namespace velunka
