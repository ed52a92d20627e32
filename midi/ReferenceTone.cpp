#include "app/VelunkaMain.h"

namespace {
constexpr std::int32_t kMiddleC = 48;
constexpr unsigned kReferenceToneMs = 1000;
}  // namespace

// Blocks the user-interface thread for the length of the tone; timers wait until it is over.
void TFormMain::ButtonRefClick(vcl::TObject*) {
    KeyNoteOn(kMiddleC);
    vcl::Sleep(kReferenceToneMs);
    KeyNoteOff(kMiddleC);
}
