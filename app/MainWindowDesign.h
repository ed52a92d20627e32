#pragma once

#include "app/Design.h"

namespace velunka {

inline constexpr const char* kProgramCaption = "Velunka　V0.8";  // U+3000 between name and version

FormDesign MainWindowDesign();

}  // namespace velunka
