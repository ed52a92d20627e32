// Plays one piano note through the MIDI mapper: velunka-midi-play [NOTE [MILLISECONDS]].
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "winmm/mmsystem.h"

namespace {

bool ParseArgument(const char* text, long low, long high, long& value) {
    char* end = nullptr;
    value = std::strtol(text, &end, 10);
    return end != text && *end == '\0' && value >= low && value <= high;
}

}  // namespace

int main(int argc, char** argv) {
    long note = 69;
    long milliseconds = 1000;
    if (argc > 3 || (argc > 1 && !ParseArgument(argv[1], 0, 127, note)) ||
        (argc > 2 && !ParseArgument(argv[2], 0, 3'600'000, milliseconds))) {
        std::fprintf(stderr, "usage: %s [NOTE 0-127 [MILLISECONDS]]\n", argv[0]);
        return 2;
    }

    HMIDIOUT output = 0;
    const MMRESULT result = midiOutOpen(&output, MIDI_MAPPER, 0, 0, CALLBACK_NULL);
    std::printf("midiOutOpen: %u\n", result);
    if (result != MMSYSERR_NOERROR) return 1;

    const auto key = static_cast<std::uint32_t>(note) << 8;
    midiOutShortMsg(output, 0xC0);
    midiOutShortMsg(output, 0x90 | key | 100 << 16);
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    midiOutShortMsg(output, 0x80 | key);
    midiOutClose(output);
    return 0;
}
