#include "MidiSystems.h"

#include <alsa/asoundlib.h>
#include <jack/jack.h>

#include <cstdlib>
#include <mutex>

#include "LibraryLog.h"

namespace winmm {
namespace {

void OnJackMessage(const char* message) {
    LibraryLog::Instance().Append(std::string("jack: ") + (message ? message : ""));
}

// Library messages go to the log from here on; the first call also installs the ALSA hook.
void QuietMidiLibraries() {
    static std::once_flag once;
    std::call_once(once, [] {
        LibraryLog::Instance();
        jack_set_error_function(OnJackMessage);
        jack_set_info_function(OnJackMessage);
    });
}

bool AlsaSequencerRunning() {
    snd_seq_t* sequencer = nullptr;
    if (snd_seq_open(&sequencer, "default", SND_SEQ_OPEN_DUPLEX, 0) < 0) return false;
    snd_seq_close(sequencer);
    return true;
}

bool JackServerRunning() {
    jack_status_t status{};
    jack_client_t* client = jack_client_open(kMidiClientName, JackNoStartServer, &status);
    if (client == nullptr) return false;
    jack_client_close(client);
    return true;
}

struct MidiSystem {
    RtMidi::Api api;
    bool (*running)();
};

constexpr MidiSystem kMidiSystems[] = {
    {RtMidi::LINUX_ALSA, AlsaSequencerRunning},
    {RtMidi::UNIX_JACK, JackServerRunning},
};

void OnRtMidiError(RtMidiError::Type, const std::string& text, void*) {
    LibraryLog::Instance().Append("rtmidi: " + text);
}

template <class Midi>
std::unique_ptr<Midi> MakeMidi(RtMidi::Api api) {
    QuietMidiLibraries();
    std::unique_ptr<Midi> midi;
    try {
        midi = std::make_unique<Midi>(api, kMidiClientName);
    } catch (const RtMidiError& error) {
        OnRtMidiError(error.getType(), error.getMessage(), nullptr);
        return nullptr;
    }
    midi->setErrorCallback(OnRtMidiError, nullptr);
    return midi;
}

std::string_view ClientOf(std::string_view portName) {
    return portName.substr(0, portName.find(':'));
}

}  // namespace

std::vector<RtMidi::Api> RunningMidiSystems() {
    QuietMidiLibraries();
    std::vector<RtMidi::Api> running;
    for (const MidiSystem& system : kMidiSystems) {
        if (system.running()) running.push_back(system.api);
    }
    return running;
}

std::unique_ptr<RtMidiIn> MakeMidiIn(RtMidi::Api api) {
    return MakeMidi<RtMidiIn>(api);
}

std::unique_ptr<RtMidiOut> MakeMidiOut(RtMidi::Api api) {
    return MakeMidi<RtMidiOut>(api);
}

std::vector<std::string> PortNames(RtMidi& midi) {
    std::vector<std::string> names;
    const unsigned int count = midi.getPortCount();
    for (unsigned int i = 0; i < count; ++i) names.push_back(midi.getPortName(i));
    return names;
}

bool IsOwnPort(std::string_view portName) {
    const std::string_view client = ClientOf(portName);
    const std::string_view own = kMidiClientName;
    if (!client.starts_with(own)) return false;
    const std::string_view rest = client.substr(own.size());
    return rest.empty() || rest.starts_with('-');
}

bool IsSystemPort(std::string_view portName) {
    return portName.starts_with("System:Announce") || portName.starts_with("System:Timer");
}

}  // namespace winmm
