#include <cstdlib>
#include <string_view>

#include "FileCallLog.h"
#include "PortDevice.h"
#include "SimpleDevices.h"
#include "Soundfont.h"
#include "SynthDevice.h"
#include "winmm/MidiOut.h"

namespace winmm {
namespace {

// One synthesizer for the whole process, however often the output is chosen: it is built once
// and every later open is cheap.
std::shared_ptr<SynthDevice> ProcessSynth() {
    static const std::shared_ptr<SynthDevice> synth = [] {
        SynthConfig config;
        config.engine.soundfont =
            FindSoundfont(std::getenv("VELUNKA_SOUNDFONT"), kSystemSoundfontFolder);
        return std::make_shared<SynthDevice>(std::move(config));
    }();
    return synth;
}

DeviceChoice RecordingTo(std::string_view path, std::shared_ptr<MidiOutDevice> device) {
    std::shared_ptr<FileCallLog> log = FileCallLog::Create(std::string(path));
    if (!log) return {std::make_shared<UnavailableDevice>(MIDIERR_NODEVICE), nullptr};
    return {std::move(device), std::move(log)};
}

}  // namespace

DeviceChoice ChooseDevice(const char* setting) {
    const std::string_view choice = setting && *setting ? setting : "synth";
    constexpr std::string_view kRecord = "record:";
    constexpr std::string_view kSynthAndRecord = "synth+record:";
    constexpr std::string_view kPort = "port:";
    constexpr std::string_view kPortAndRecord = "port+record:";

    if (choice == "synth") return {ProcessSynth(), nullptr};
    if (choice.starts_with(kRecord))
        return RecordingTo(choice.substr(kRecord.size()), std::make_shared<SilentDevice>());
    if (choice.starts_with(kSynthAndRecord))
        return RecordingTo(choice.substr(kSynthAndRecord.size()), ProcessSynth());
    if (choice.starts_with(kPort))
        return {std::make_shared<PortDevice>(std::string(choice.substr(kPort.size()))), nullptr};
    if (choice.starts_with(kPortAndRecord)) {
        // Port names have colons of their own (JACK's "client:port"); the path comes last.
        const std::string_view rest = choice.substr(kPortAndRecord.size());
        const std::size_t colon = rest.rfind(':');
        if (colon == std::string_view::npos) return {};
        return RecordingTo(rest.substr(colon + 1),
                           std::make_shared<PortDevice>(std::string(rest.substr(0, colon))));
    }
    return {};
}

}  // namespace winmm
