// The on-screen keyboard: four octaves of key panels, C2 to B5.
#pragma once

#include <array>
#include <string>

#include "app/Design.h"

namespace velunka {

struct KeyboardKey {
    std::string panelName;  // PanelC2 .. PanelA5s
    int keyIndex;
    int left;
    bool black;
    vcl::TColor restColor;
    vcl::TColor heldColor;
};

inline constexpr int kKeyboardKeyCount = 48;
inline constexpr int kKeyTop = 65;
inline constexpr int kKeyWidth = 21;
inline constexpr int kWhiteKeyHeight = 91;
inline constexpr int kBlackKeyHeight = 51;

// In creation order, which is also the stacking order: octave by octave, the seven white keys
// and then the five black keys, so each black key lies in front of the white keys it overlaps.
const std::array<KeyboardKey, kKeyboardKeyCount>& KeyboardKeys();

ComponentDesign KeyPanelDesign(const KeyboardKey& key, int tabOrder);

}  // namespace velunka
