#pragma once

#include <filesystem>
#include <string>

namespace winmm {

inline const std::filesystem::path kSystemSoundfontFolder = "/usr/share/sounds/sf2";

// The soundfont to load: the one the user named if any, else the first General MIDI soundfont
// found in folder; empty when there is none.
std::string FindSoundfont(const char* userChoice, const std::filesystem::path& folder);

}  // namespace winmm
