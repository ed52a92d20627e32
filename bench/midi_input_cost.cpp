// What the MIDI keyboard input costs the user-interface thread where there is no MIDI system:
// the time to open it (at start-up) and to close it (at exit), RUNS times each.
//   velunka-bench-midi-input [RUNS]
#include <unistd.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "winmm/MidiIn.h"

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

void Print(const char* what, std::vector<double> ms) {
    std::ranges::sort(ms);
    std::printf("%s: median %.3f ms, max %.3f ms over %zu runs\n", what, ms[ms.size() / 2],
                ms.back(), ms.size());
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    if (access("/dev/snd/seq", F_OK) == 0) {
        std::printf("this machine has an ALSA sequencer: nothing to measure\n");
        return 0;
    }
    setenv("JACK_DEFAULT_SERVER", ("velunka-bench-absent-" + std::to_string(getpid())).c_str(), 1);
    std::vector<double> open, close;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        auto input = winmm::OpenKeyboardInput("auto", [](winmm::KeyboardNote) {});
        const auto opened = Clock::now();
        usleep(200'000);  // as a user would take to answer the start-up message, and more
        const auto closing = Clock::now();
        input.reset();
        const auto closed = Clock::now();
        open.push_back(Ms(opened - start));
        close.push_back(Ms(closed - closing));
    }
    Print("open (start-up)", open);
    Print("close (exit)", close);
    // The close of an input whose thread is still looking for a MIDI system waits for it.
    std::vector<double> early;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        winmm::OpenKeyboardInput("auto", [](winmm::KeyboardNote) {}).reset();
        early.push_back(Ms(Clock::now() - start));
    }
    Print("open and close at once", early);
}
