// The MIDI mapper: one output device behind at most one live handle.
#include <cstdlib>

#include "winmm/MidiOut.h"
#include "winmm/mmsystem.h"

namespace winmm {
namespace {

struct MapperState {
    bool chosen = false;
    std::shared_ptr<MidiOutDevice> device;
    std::shared_ptr<MidiCallLog> log;
    HMIDIOUT liveHandle = 0;
    HMIDIOUT lastHandle = 0;

    void ChooseOnce() {
        if (chosen) return;
        DeviceChoice choice = ChooseDevice(std::getenv("VELUNKA_MIDI_OUT"));
        device = std::move(choice.device);
        log = std::move(choice.log);
        chosen = true;
    }

    bool IsLive(HMIDIOUT handle) const { return handle != 0 && handle == liveHandle; }

    void Record(MidiCall::Kind kind, HMIDIOUT handle, MMRESULT result, std::uint32_t message = 0) {
        if (log) log->Record({kind, handle, result, message});
    }
};

MapperState& Mapper() {
    static MapperState state;
    return state;
}

MMRESULT OpenLiveHandle(MapperState& mapper, HMIDIOUT* phmo, std::uint32_t deviceId) {
    if (!phmo) return MMSYSERR_INVALPARAM;
    if ((deviceId != MIDI_MAPPER && deviceId != 0) || !mapper.device) return MMSYSERR_BADDEVICEID;
    if (mapper.liveHandle == 0) {
        const MMRESULT result = mapper.device->Open();
        if (result != MMSYSERR_NOERROR) return result;
        mapper.liveHandle = ++mapper.lastHandle;
    }
    *phmo = mapper.liveHandle;
    return MMSYSERR_NOERROR;
}

}  // namespace

void InstallDevice(std::shared_ptr<MidiOutDevice> device, std::shared_ptr<MidiCallLog> log) {
    MapperState& mapper = Mapper();
    if (mapper.liveHandle != 0 && mapper.device) mapper.device->Close();
    mapper.liveHandle = 0;
    mapper.chosen = device != nullptr;
    mapper.device = std::move(device);
    mapper.log = mapper.chosen ? std::move(log) : nullptr;
}

void PrepareOutput() {
    MapperState& mapper = Mapper();
    mapper.ChooseOnce();
    if (mapper.device) mapper.device->Prepare();
}

}  // namespace winmm

using winmm::MidiCall;

MMRESULT midiOutOpen(HMIDIOUT* phmo, std::uint32_t uDeviceID, std::uintptr_t, std::uintptr_t,
                     std::uint32_t) {
    auto& mapper = winmm::Mapper();
    mapper.ChooseOnce();
    const MMRESULT result = winmm::OpenLiveHandle(mapper, phmo, uDeviceID);
    mapper.Record(MidiCall::Open, result == MMSYSERR_NOERROR ? *phmo : 0, result);
    return result;
}

MMRESULT midiOutShortMsg(HMIDIOUT hmo, std::uint32_t dwMsg) {
    auto& mapper = winmm::Mapper();
    const MMRESULT result = mapper.IsLive(hmo) ? MMSYSERR_NOERROR : MMSYSERR_INVALHANDLE;
    if (result == MMSYSERR_NOERROR) mapper.device->Send(dwMsg);
    mapper.Record(MidiCall::Message, hmo, result, dwMsg);
    return result;
}

MMRESULT midiOutClose(HMIDIOUT hmo) {
    auto& mapper = winmm::Mapper();
    const MMRESULT result = mapper.IsLive(hmo) ? MMSYSERR_NOERROR : MMSYSERR_INVALHANDLE;
    if (result == MMSYSERR_NOERROR) {
        mapper.device->Close();
        mapper.liveHandle = 0;
    }
    mapper.Record(MidiCall::Close, hmo, result);
    return result;
}
