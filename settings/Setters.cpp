#include <cstdint>

#include "app/VelunkaMain.h"

namespace {

bool Refused() {
    vcl::ShowMessage("データが正常な範囲を超えています");
    return false;
}

bool Within(std::int32_t value, std::int32_t min, std::int32_t max) {
    return value >= min && value <= max;
}

}  // namespace

bool TFormMain::SetInstrument(std::int32_t value) {
    if (!Within(value, 0, 127)) return Refused();
    Instrument = static_cast<std::uint8_t>(value);
    return true;
}

bool TFormMain::SetVolume(std::int32_t value) {
    if (!Within(value, 0, 127)) return Refused();
    Volume = static_cast<std::uint8_t>(value);
    return true;
}

bool TFormMain::SetNoteLength(std::int32_t value) {
    if (value < 0) return Refused();
    NoteLength = value;
    return true;
}

bool TFormMain::SetNoteRange(std::int32_t low, std::int32_t high) {
    if (!Within(low, 12, 127) || !Within(high, 12, 127) || high < low) return Refused();
    NoteLow = low;
    NoteHigh = high;
    return true;
}

bool TFormMain::SetNoteCount(std::int32_t value) {
    if (!Within(value, 1, 10)) return Refused();
    NoteCount = value;
    return true;
}

bool TFormMain::SetKeyType(std::int32_t value) {
    if (value != 0 && value != 1) return Refused();
    KeyType = value;
    return true;
}
