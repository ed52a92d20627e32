// Keyboards are found by looking at the port list every so often on the input's own thread;
// each connected keyboard has its own RtMidi input (its own client and port).
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <map>
#include <mutex>
#include <string_view>
#include <thread>

#include "MidiBytes.h"
#include "MidiSystems.h"
#include "winmm/MidiIn.h"

namespace winmm {
namespace {

constexpr std::chrono::milliseconds kPortListInterval{500};

class PolledKeyboardInput : public KeyboardInput {
  public:
    PolledKeyboardInput(std::string filter, KeyboardNoteHandler onNote)
        : filter_(std::move(filter)), onNote_(std::move(onNote)), worker_([this] { Run(); }) {}

    ~PolledKeyboardInput() override {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        wake_.notify_all();
        worker_.join();
    }

    std::vector<std::string> ConnectedPorts() const override {
        std::lock_guard lock(mutex_);
        return connectedNames_;
    }

  private:
    bool Wanted(std::string_view portName) const {
        if (IsOwnPort(portName) || IsSystemPort(portName)) return false;
        return filter_.empty() || portName.find(filter_) != std::string_view::npos;
    }

    // Waits one interval; false once the input is being destroyed.
    bool WaitInterval() {
        std::unique_lock lock(mutex_);
        return !wake_.wait_for(lock, kPortListInterval, [this] { return stopping_; });
    }

    void Run() {
        // Keyboards on one system only: a bridge would show the same one on both.
        const std::vector<RtMidi::Api> systems = RunningMidiSystems();
        if (systems.empty()) return;
        const RtMidi::Api api = systems.front();
        std::unique_ptr<RtMidiIn> portList = MakeMidiIn(api);
        if (!portList) return;
        // Owned by this thread alone; destroyed (so disconnected) before the thread ends.
        std::map<std::string, std::unique_ptr<RtMidiIn>> connected;
        do {
            const std::vector<std::string> names = PortNames(*portList);
            std::erase_if(connected, [&](const auto& entry) {
                return std::ranges::find(names, entry.first) == names.end();
            });
            for (const std::string& name : names) {
                if (!Wanted(name) || connected.contains(name)) continue;
                if (auto input = Connect(api, name)) connected.emplace(name, std::move(input));
            }
            Publish(connected);
        } while (WaitInterval());
    }

    std::unique_ptr<RtMidiIn> Connect(RtMidi::Api api, const std::string& name) {
        std::unique_ptr<RtMidiIn> input = MakeMidiIn(api);
        if (!input) return nullptr;
        // Looked up again just before opening: the list may have changed since.
        const std::vector<std::string> names = PortNames(*input);
        const auto found = std::ranges::find(names, name);
        if (found == names.end()) return nullptr;
        input->ignoreTypes(true, true, true);
        input->setCallback(&PolledKeyboardInput::OnMessage, this);
        input->openPort(static_cast<unsigned int>(found - names.begin()), "keyboard");
        if (!input->isPortOpen()) return nullptr;
        return input;
    }

    void Publish(const std::map<std::string, std::unique_ptr<RtMidiIn>>& connected) {
        std::vector<std::string> names;
        for (const auto& entry : connected) names.push_back(entry.first);
        std::lock_guard lock(mutex_);
        connectedNames_ = std::move(names);
    }

    static void OnMessage(double, std::vector<unsigned char>* message, void* input) {
        if (message == nullptr) return;
        if (const std::optional<KeyboardNote> note = KeyboardNoteOf(*message)) {
            static_cast<PolledKeyboardInput*>(input)->onNote_(*note);
        }
    }

    const std::string filter_;
    const KeyboardNoteHandler onNote_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
    std::vector<std::string> connectedNames_;
    std::thread worker_;  // last: starts once everything it uses exists
};

}  // namespace

std::unique_ptr<KeyboardInput> OpenKeyboardInput(KeyboardNoteHandler onNote) {
    return OpenKeyboardInput(std::getenv("VELUNKA_MIDI_IN"), std::move(onNote));
}

std::unique_ptr<KeyboardInput> OpenKeyboardInput(const char* setting, KeyboardNoteHandler onNote) {
    const std::string_view choice = setting && *setting ? setting : "auto";
    if (choice == "none") return nullptr;
    // Every client we open asks not to start a server; this also tells the libraries below.
    setenv("JACK_NO_START_SERVER", "1", 0);
    return std::make_unique<PolledKeyboardInput>(choice == "auto" ? "" : std::string(choice),
                                                 std::move(onNote));
}

}  // namespace winmm
