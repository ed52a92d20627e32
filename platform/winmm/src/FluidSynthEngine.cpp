#include "FluidSynthEngine.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "LibraryLog.h"
#include "PulseOutput.h"
#include "ShortMessage.h"

namespace winmm {
namespace {

constexpr double kSampleRate = 44100.0;
// The program plays on this channel only; no other channel gets a preset, so no other
// instrument's samples (the drum kit on channel 10 among them) are read into memory.
constexpr int kProgramChannel = 0;
// FluidSynth's own drivers (PipeWire, ALSA) render in periods of this many frames.
constexpr int kPeriodFrames = 64;
// The PulseAudio stream's first buffer, sound server and sink included; it grows after gaps and
// the engine keeps what it grew to for its next stream.
constexpr std::uint64_t kFirstPulseLatencyUsec = 5'000;
// A chord of four with its release tails and the reference note need a few dozen voices at most;
// every voice the synthesizer keeps costs start-up time and memory.
constexpr int kPolyphony = 64;

std::vector<std::string> AudioDriversOfThisBuild(fluid_settings_t* settings) {
    std::vector<std::string> names;
    fluid_settings_foreach_option(
        settings, "audio.driver", &names, [](void* data, const char*, const char* option) {
            static_cast<std::vector<std::string>*>(data)->emplace_back(option);
        });
    return names;
}

void ApplySetting(fluid_settings_t* settings, const std::string& name, const std::string& value) {
    switch (fluid_settings_get_type(settings, name.c_str())) {
        case FLUID_INT_TYPE:
            fluid_settings_setint(settings, name.c_str(), std::atoi(value.c_str()));
            break;
        case FLUID_NUM_TYPE:
            fluid_settings_setnum(settings, name.c_str(), std::atof(value.c_str()));
            break;
        default:
            fluid_settings_setstr(settings, name.c_str(), value.c_str());
    }
}

std::string Lowered(std::string_view text) {
    std::string lowered(text);
    std::ranges::transform(lowered, lowered.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lowered;
}

}  // namespace

MMRESULT AudioFailureResult(std::string_view driverLog) {
    const std::string log = Lowered(driverLog);
    // ALSA: "... audio device is used by another application"; PulseAudio and others pass on
    // strerror(EBUSY): "Device or resource busy".
    if (log.find("used by another application") != std::string::npos ||
        log.find("resource busy") != std::string::npos)
        return MMSYSERR_ALLOCATED;
    return MIDIERR_NODEVICE;
}

FluidSynthEngine::FluidSynthEngine(EngineConfig config)
    : config_(std::move(config)),
      logStart_(LibraryLog::Instance().Mark()),
      pulseLatencyUsec_(kFirstPulseLatencyUsec) {}

FluidSynthEngine::~FluidSynthEngine() {
    if (prepared_.valid()) prepared_.wait();
}

void FluidSynthEngine::Prepare() {
    if (prepared_.valid()) return;
    std::promise<void> openable;
    openable_ = openable.get_future().share();
    prepared_ = std::async(std::launch::async, [this, openable = std::move(openable)]() mutable {
                    fluid_synth_t* synth = nullptr;
                    {
                        std::lock_guard lock(mutex_);
                        // A failure is left for Open to meet again and report.
                        if (OpenLocked(false) == MMSYSERR_NOERROR) open_ = false;
                        synth = synth_.get();
                    }
                    openable.set_value();
                    // Outside our lock, so that Open need not wait for it; Send does.
                    if (synth) fluid_synth_program_change(synth, kProgramChannel, 0);
                }).share();
}

MMRESULT FluidSynthEngine::Open() {
    if (openable_.valid()) openable_.wait();
    std::lock_guard lock(mutex_);
    return OpenLocked(true);
}

MMRESULT FluidSynthEngine::OpenLocked(bool withFirstInstrument) {
    if (!synth_) {
        if (const MMRESULT result = LoadSoundfont(withFirstInstrument); result != MMSYSERR_NOERROR)
            return result;
    }
    if (pulse_ && pulse_->Paused() && !pulse_->Resume()) DropPulseOutput();
    if (const MMRESULT result = RecoverAudio(); result != MMSYSERR_NOERROR) return result;
    open_ = true;
    return MMSYSERR_NOERROR;
}

// A sound server that went away and came back needs a new connection; one still away fails,
// and the next open or note tries again.
MMRESULT FluidSynthEngine::RecoverAudio() {
    if (pulse_ && pulse_->Broken()) DropPulseOutput();
    if (config_.audio && !driver_ && !pulse_) return StartAudio();
    return MMSYSERR_NOERROR;
}

void FluidSynthEngine::DropPulseOutput() {
    pulseLatencyUsec_ = pulse_->LatencyUsec();
    pulse_.reset();
}

MMRESULT FluidSynthEngine::LoadSoundfont(bool withFirstInstrument) {
    LibraryLog& log = LibraryLog::Instance();
    if (config_.soundfont.empty()) {
        log.Append("no soundfont found");
        return MIDIERR_NODEVICE;
    }
    // Checked first: the fallback reader for other formats complains on the terminal about
    // files that are no RIFF file at all.
    if (!fluid_is_soundfont(config_.soundfont.c_str())) {
        log.Append("not a soundfont: " + config_.soundfont);
        return MIDIERR_NODEVICE;
    }

    decltype(settings_) settings(new_fluid_settings());
    if (!settings) return MMSYSERR_NOMEM;
    fluid_settings_setint(settings.get(), "synth.dynamic-sample-loading", 1);
    fluid_settings_setnum(settings.get(), "synth.sample-rate", kSampleRate);
    fluid_settings_setint(settings.get(), "audio.period-size", kPeriodFrames);
    fluid_settings_setint(settings.get(), "synth.polyphony", kPolyphony);
    for (const auto& [name, value] : config_.extraSettings)
        ApplySetting(settings.get(), name, value);

    decltype(synth_) synth(new_fluid_synth(settings.get()));
    if (!synth) return MMSYSERR_NOMEM;
    int soundfontId = FLUID_FAILED;
    log.CaptureGLibMessages([&] {
        soundfontId = fluid_synth_sfload(synth.get(), config_.soundfont.c_str(), 0);
        // Its samples are read here rather than at the first note.
        if (soundfontId != FLUID_FAILED && withFirstInstrument)
            fluid_synth_program_change(synth.get(), kProgramChannel, 0);
    });
    if (soundfontId == FLUID_FAILED) return MIDIERR_NODEVICE;

    settings_ = std::move(settings);
    synth_ = std::move(synth);
    return MMSYSERR_NOERROR;
}

MMRESULT FluidSynthEngine::StartAudio() {
    LibraryLog& log = LibraryLog::Instance();
    const std::uint64_t attemptsStart = log.Mark();
    const std::vector<std::string> available = AudioDriversOfThisBuild(settings_.get());
    for (const std::string& name : config_.audioDrivers) {
        if (std::ranges::find(available, name) == available.end()) continue;
        // FluidSynth's PulseAudio driver asks the server for one period of buffering and
        // drops out with small periods; our own stream sets its buffer itself.
        if (name == "pulseaudio") {
            if (StartPulseOutput()) return MMSYSERR_NOERROR;
            continue;
        }
        fluid_settings_setstr(settings_.get(), "audio.driver", name.c_str());
        driver_.reset(new_fluid_audio_driver(settings_.get(), synth_.get()));
        if (driver_) return MMSYSERR_NOERROR;
    }
    log.Append("no audio output could be opened");
    return AudioFailureResult(log.Since(attemptsStart));
}

bool FluidSynthEngine::StartPulseOutput() {
    fluid_synth_t* synth = synth_.get();
    std::string error;
    pulse_ = PulseOutput::Open(
        kSampleRate, pulseLatencyUsec_,
        [synth](float* interleaved, std::size_t frames) {
            fluid_synth_write_float(synth, static_cast<int>(frames), interleaved, 0, 2, interleaved,
                                    1, 2);
        },
        error);
    if (!pulse_) LibraryLog::Instance().Append(error);
    return pulse_ != nullptr;
}

void FluidSynthEngine::Send(std::uint32_t message) {
    if (prepared_.valid()) prepared_.wait();
    std::lock_guard lock(mutex_);
    // While the output is open the server may have gone and come back: a note finds out.
    if (open_ && IsNoteOn(message)) RecoverAudio();
    if (synth_) PlayShortMessage(synth_.get(), message);
}

void FluidSynthEngine::Close() {
    std::lock_guard lock(mutex_);
    open_ = false;
    // Every voice ends at once; only the reverb and chorus ring out, as in a room.
    if (synth_) fluid_synth_all_sounds_off(synth_.get(), -1);
}

void FluidSynthEngine::ReleaseAudioIfClosed() {
    std::lock_guard lock(mutex_);
    if (open_) return;
    // Our output keeps its connection and the buffer size it settled on.
    if (pulse_) pulse_->Pause();
    driver_.reset();
}

bool FluidSynthEngine::HasAudio() const {
    std::lock_guard lock(mutex_);
    return driver_ != nullptr || (pulse_ && !pulse_->Paused());
}

void FluidSynthEngine::Render(std::span<float> left, std::span<float> right) {
    std::lock_guard lock(mutex_);
    const std::size_t frames = std::min(left.size(), right.size());
    if (!synth_) {
        std::ranges::fill(left, 0.0f);
        std::ranges::fill(right, 0.0f);
        return;
    }
    fluid_synth_write_float(synth_.get(), static_cast<int>(frames), left.data(), 0, 1, right.data(),
                            0, 1);
}

std::string FluidSynthEngine::Diagnostics() const {
    return LibraryLog::Instance().Since(logStart_);
}

}  // namespace winmm
