// A keyboard for end-to-end tests, on the JACK server that JACK_DEFAULT_SERVER names:
//   velunka-midi-keys CLIENT PEER HOLD_MS NOTE...
// makes a client CLIENT with an output port "out", waits (at most 20 s) until the port is
// connected to a port whose name contains PEER, then holds each NOTE down for HOLD_MS with
// 200 ms between notes. Exits 0 when every note was sent, 1 when it was never connected.
#include <jack/jack.h>
#include <rtmidi/RtMidi.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "JackServer.h"

namespace {

bool ParseNumber(const char* text, long high, long& value) {
    char* end = nullptr;
    value = std::strtol(text, &end, 10);
    return end != text && *end == '\0' && value >= 0 && value <= high;
}

}  // namespace

int main(int argc, char** argv) {
    long holdMs = 0;
    std::vector<unsigned char> notes;
    bool usable = argc >= 5 && ParseNumber(argv[3], 60'000, holdMs);
    for (int i = 4; usable && i < argc; ++i) {
        long note = 0;
        usable = ParseNumber(argv[i], 127, note);
        notes.push_back(static_cast<unsigned char>(note));
    }
    if (!usable) {
        std::fprintf(stderr, "usage: velunka-midi-keys CLIENT PEER HOLD_MS NOTE...\n");
        return 2;
    }
    const std::string client = argv[1];
    const std::string peer = argv[2];

    jack_test::TestKeyboard keyboard(client, "out");
    if (!jack_test::WaitUntil(
            [&] { return jack_test::JackServer::Connected(client + ":out", peer); },
            std::chrono::seconds(20))) {
        std::fprintf(stderr, "velunka-midi-keys: %s:out was not connected to %s\n", client.c_str(),
                     peer.c_str());
        return 1;
    }
    using namespace std::chrono_literals;
    for (unsigned char note : notes) {
        keyboard.Play({0x90, note, 100});
        std::this_thread::sleep_for(std::chrono::milliseconds(holdMs));
        keyboard.Play({0x80, note, 0});
        std::this_thread::sleep_for(200ms);
    }
    return 0;
}
