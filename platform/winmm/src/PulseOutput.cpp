#include "PulseOutput.h"

#include <pthread.h>
#include <pulse/pulseaudio.h>
#include <sched.h>

#include <algorithm>
#include <cmath>

namespace winmm {
namespace {

// A gap is worse than any latency, but past this the sound no longer follows the click.
constexpr pa_usec_t kMostLatencyUsec = 160'000;
// Two gaps closer than this make the buffer grow.
constexpr std::chrono::seconds kFrequentGaps{5};
// Quieter than this (-80 dB) counts as silence.
constexpr float kAudibleLevel = 1e-4f;
// The server asks for more in pieces of about this size.
constexpr pa_usec_t kRequestUsec = 1'500;
// As the audio threads of sound servers run; granted to root or through the system's limits.
constexpr int kRealTimePriority = 60;

void WakeWaiter(void* mainloop) {
    pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop*>(mainloop), 0);
}

bool WaitUntilReady(pa_threaded_mainloop* mainloop, pa_context* context) {
    for (;;) {
        const pa_context_state_t state = pa_context_get_state(context);
        if (state == PA_CONTEXT_READY) return true;
        if (!PA_CONTEXT_IS_GOOD(state)) return false;
        pa_threaded_mainloop_wait(mainloop);
    }
}

bool WaitUntilReady(pa_threaded_mainloop* mainloop, pa_stream* stream) {
    for (;;) {
        const pa_stream_state_t state = pa_stream_get_state(stream);
        if (state == PA_STREAM_READY) return true;
        if (!PA_STREAM_IS_GOOD(state)) return false;
        pa_threaded_mainloop_wait(mainloop);
    }
}

pa_buffer_attr BufferFor(pa_usec_t latencyUsec, const pa_sample_spec* spec) {
    pa_buffer_attr buffer{};
    buffer.maxlength = static_cast<std::uint32_t>(-1);
    buffer.tlength = static_cast<std::uint32_t>(pa_usec_to_bytes(latencyUsec, spec));
    buffer.prebuf = static_cast<std::uint32_t>(-1);
    buffer.minreq = static_cast<std::uint32_t>(pa_usec_to_bytes(kRequestUsec, spec));
    buffer.fragsize = static_cast<std::uint32_t>(-1);
    return buffer;
}

}  // namespace

PulseOutput::PulseOutput(std::uint64_t latencyUsec, Render render)
    : latencyUsec_(latencyUsec), render_(std::move(render)) {}

std::unique_ptr<PulseOutput> PulseOutput::Open(double sampleRate, std::uint64_t latencyUsec,
                                               Render render, std::string& error) {
    std::unique_ptr<PulseOutput> output(new PulseOutput(latencyUsec, std::move(render)));
    if (!output->Connect(sampleRate, error)) return nullptr;
    return output;
}

bool PulseOutput::Connect(double sampleRate, std::string& error) {
    mainloop_ = pa_threaded_mainloop_new();
    if (!mainloop_) {
        error = "pulseaudio: no main loop";
        return false;
    }
    context_ = pa_context_new(pa_threaded_mainloop_get_api(mainloop_), "Velunka");
    if (!context_) {
        error = "pulseaudio: no context";
        return false;
    }
    spec_ = pa_sample_spec{PA_SAMPLE_FLOAT32LE, static_cast<std::uint32_t>(sampleRate), 2};
    pa_context_set_state_callback(
        context_, [](pa_context*, void* mainloop) { WakeWaiter(mainloop); }, mainloop_);
    pa_threaded_mainloop_lock(mainloop_);
    const bool ready =
        pa_threaded_mainloop_start(mainloop_) == 0 &&
        pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) == 0 &&
        WaitUntilReady(mainloop_, context_) && ConnectStream();
    if (!ready) error = std::string("pulseaudio: ") + pa_strerror(pa_context_errno(context_));
    pa_threaded_mainloop_unlock(mainloop_);
    return ready;
}

// With the main loop locked.
bool PulseOutput::ConnectStream() {
    stream_ = pa_stream_new(context_, "Velunka", &spec_, nullptr);
    if (!stream_) return false;
    pa_stream_set_state_callback(
        stream_, [](pa_stream*, void* mainloop) { WakeWaiter(mainloop); }, mainloop_);
    pa_stream_set_write_callback(
        stream_,
        [](pa_stream* stream, std::size_t bytes, void* self) {
            static_cast<PulseOutput*>(self)->Write(stream, bytes);
        },
        this);
    pa_stream_set_underflow_callback(
        stream_,
        [](pa_stream* stream, void* self) { static_cast<PulseOutput*>(self)->GrowBuffer(stream); },
        this);
    const pa_buffer_attr buffer = BufferFor(latencyUsec_, &spec_);
    return pa_stream_connect_playback(stream_, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr,
                                      nullptr) == 0 &&
           WaitUntilReady(mainloop_, stream_);
}

// With the main loop locked.
void PulseOutput::DisconnectStream() {
    if (!stream_) return;
    pa_stream_set_write_callback(stream_, nullptr, nullptr);
    pa_stream_set_underflow_callback(stream_, nullptr, nullptr);
    pa_stream_disconnect(stream_);
    pa_stream_unref(stream_);
    stream_ = nullptr;
}

// On the main loop's thread, which therefore is the audio thread: the synthesizer renders
// straight into the server's buffer.
void PulseOutput::Write(pa_stream* stream, std::size_t bytes) {
    // A request already on its way when the stream was ended.
    if (stream != stream_) return;
    if (!realTimeTried_) {
        realTimeTried_ = true;
        const sched_param priority{.sched_priority = kRealTimePriority};
        pthread_setschedparam(pthread_self(), SCHED_FIFO, &priority);
    }
    constexpr std::size_t kFrameBytes = 2 * sizeof(float);
    void* data = nullptr;
    if (pa_stream_begin_write(stream_, &data, &bytes) != 0 || !data) return;
    const std::size_t frames = bytes / kFrameBytes;
    float* samples = static_cast<float*>(data);
    render_(samples, frames);
    sounding_ = std::any_of(samples, samples + 2 * frames,
                            [](float sample) { return std::fabs(sample) > kAudibleLevel; });
    pa_stream_write(stream_, data, frames * kFrameBytes, nullptr, 0, PA_SEEK_RELATIVE);
}

void PulseOutput::Pause() {
    pa_threaded_mainloop_lock(mainloop_);
    DisconnectStream();
    pa_threaded_mainloop_unlock(mainloop_);
}

bool PulseOutput::Resume() {
    pa_threaded_mainloop_lock(mainloop_);
    const bool ready = stream_ || ConnectStream();
    if (!ready) DisconnectStream();
    pa_threaded_mainloop_unlock(mainloop_);
    return ready;
}

bool PulseOutput::Broken() const {
    pa_threaded_mainloop_lock(mainloop_);
    const bool broken = !PA_CONTEXT_IS_GOOD(pa_context_get_state(context_)) ||
                        (stream_ && !PA_STREAM_IS_GOOD(pa_stream_get_state(stream_)));
    pa_threaded_mainloop_unlock(mainloop_);
    return broken;
}

// On the main loop's thread, after the server found the buffer empty.
void PulseOutput::GrowBuffer(pa_stream* stream) {
    // A gap in silence only delays the next note a little; a gap in a note is heard.
    if (stream != stream_ || !sounding_ || latencyUsec_ >= kMostLatencyUsec) return;
    // A lone gap now and then comes from a stall that no buffer of a sensible size bridges;
    // only gaps that follow each other closely say the buffer is too small.
    const auto now = std::chrono::steady_clock::now();
    const bool frequent = lastGap_ && now - *lastGap_ < kFrequentGaps;
    lastGap_ = now;
    if (!frequent) return;
    latencyUsec_ = std::min<std::uint64_t>(2 * latencyUsec_, kMostLatencyUsec);
    const pa_buffer_attr buffer = BufferFor(latencyUsec_, &spec_);
    if (pa_operation* operation = pa_stream_set_buffer_attr(stream_, &buffer, nullptr, nullptr))
        pa_operation_unref(operation);
}

PulseOutput::~PulseOutput() {
    if (mainloop_) pa_threaded_mainloop_stop(mainloop_);
    DisconnectStream();
    if (context_) {
        pa_context_disconnect(context_);
        pa_context_unref(context_);
    }
    if (mainloop_) pa_threaded_mainloop_free(mainloop_);
}

}  // namespace winmm
