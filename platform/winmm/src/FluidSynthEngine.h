// FluidSynth with a General MIDI soundfont: the sound behind the synth device.
#pragma once

#include <fluidsynth.h>

#include <cstdint>
#include <future>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "PulseOutput.h"
#include "winmm/mmsystem.h"

namespace winmm {

struct EngineConfig {
    std::string soundfont;  // empty: none was found
    // false: no audio driver; the sound is pulled with Render().
    bool audio = true;
    // Tried in this order; those this FluidSynth build lacks are skipped.
    std::vector<std::string> audioDrivers = {"pulseaudio", "pipewire", "alsa"};
    // More FluidSynth settings by name, the value as text ("synth.reverb.active", "0").
    std::vector<std::pair<std::string, std::string>> extraSettings;
};

// The synth and soundfont are made at the first Open and kept; the audio driver is made by Open
// and released only by ReleaseAudioIfClosed (of our PulseAudio output only the stream goes; the
// connection to the server stays for the next Open). All members may be called from any thread.
class FluidSynthEngine {
  public:
    explicit FluidSynthEngine(EngineConfig config);
    ~FluidSynthEngine();

    // Starts on a thread of its own what the first Open would do (loading the soundfont, making
    // the audio driver), so that it overlaps the start of the window library; Open waits for
    // that. The first instrument's samples are read after it, before any message is played.
    void Prepare();
    MMRESULT Open();
    void Send(std::uint32_t message);
    // Ends every sound at once; the audio driver stays.
    void Close();
    void ReleaseAudioIfClosed();

    bool HasAudio() const;
    // Renders the next frames (both spans of one length); silence before the first Open.
    void Render(std::span<float> left, std::span<float> right);
    // What FluidSynth and the audio libraries said since this engine was made.
    std::string Diagnostics() const;

  private:
    template <auto destroy>
    struct Deleter {
        template <typename T>
        void operator()(T* handle) const {
            destroy(handle);
        }
    };

    MMRESULT OpenLocked(bool withFirstInstrument);
    MMRESULT LoadSoundfont(bool withFirstInstrument);
    MMRESULT StartAudio();
    MMRESULT RecoverAudio();
    void DropPulseOutput();
    bool StartPulseOutput();

    const EngineConfig config_;
    const std::uint64_t logStart_;
    mutable std::mutex mutex_;
    std::unique_ptr<fluid_settings_t, Deleter<delete_fluid_settings>> settings_;
    std::unique_ptr<fluid_synth_t, Deleter<delete_fluid_synth>> synth_;
    std::unique_ptr<fluid_audio_driver_t, Deleter<delete_fluid_audio_driver>> driver_;
    std::unique_ptr<PulseOutput> pulse_;  // in place of FluidSynth's PulseAudio driver
    std::uint64_t pulseLatencyUsec_;
    bool open_ = false;
    std::shared_future<void> openable_;
    std::shared_future<void> prepared_;
};

// The result of an audio driver that could not be made, from what the drivers logged: a device
// in use by another program is MMSYSERR_ALLOCATED, anything else MIDIERR_NODEVICE.
MMRESULT AudioFailureResult(std::string_view driverLog);

}  // namespace winmm
