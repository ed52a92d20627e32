// Random use of the whole program, far beyond what a person does: presses with every button on
// every key and anywhere in the window, the run's buttons, the options, every menu item with the
// dialogs it opens (typed, stepped, set, cancelled), and time in bursts and long waits. After
// every event it checks what must always hold, and on a failure says the seed, the event number
// and the last events.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "app/VelunkaMain.h"
#include "vcl/headless/HeadlessBackend.h"
#include "winmm/MidiOut.h"

struct MonkeyReport {
    std::int64_t events = 0;
    std::int64_t checks = 0;
    std::int64_t dialogsOpened = 0;
    std::int64_t textsTyped = 0;
    std::int64_t messageBoxes = 0;
    std::int64_t exits = 0;
    std::int64_t virtualMs = 0;
    std::string failure;  // empty when every check held
};

class Monkey {
  public:
    explicit Monkey(std::uint32_t seed);

    // Drives the program that runs on `backend` (FormMain shown, its output behind `device`)
    // until `events` more events have run, a check fails, or File > Exit was chosen. After an
    // exit, call ProgramEnded once the program is destroyed, then Drive a new one.
    void Drive(vcl::headless::HeadlessBackend& backend, const winmm::MidiCallRecorder& recorder,
               const winmm::ScriptedDevice& device, std::int64_t events);
    bool ExitChosen() const { return exitChosen_; }
    // Checks that the ended program closed its output with nothing left sounding.
    void ProgramEnded(const winmm::MidiCallRecorder& recorder, const winmm::ScriptedDevice& device);
    const MonkeyReport& Report() const { return report_; }

  private:
    std::string Event();
    void Remember(std::string event);
    std::string ActOnDialog(vcl::TForm& dialog);
    std::string TypedText();
    // Empty when everything holds.
    std::string Check();
    std::string CheckMessages();
    std::string CheckState() const;
    std::string CheckScore();
    std::string CheckSettings() const;
    std::string CheckOutputIdle() const;
    void Fail(const std::string& fault);
    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }
    template <class T>
    std::vector<T*> ComponentsOf(const vcl::TComponent& owner) const;

    std::uint32_t seed_;
    std::mt19937 random_;
    vcl::headless::HeadlessBackend* backend_ = nullptr;
    const winmm::MidiCallRecorder* recorder_ = nullptr;
    const winmm::ScriptedDevice* device_ = nullptr;
    bool exitChosen_ = false;
    std::deque<std::string> last_;
    std::vector<std::int32_t> counters_;
    std::vector<int> sounding_;  // notes sounding after the calls checked so far
    size_t checkedCalls_ = 0;
    bool burst_ = false;
    MonkeyReport report_;
};
