// A playback stream of our own on the PulseAudio server (or PipeWire's PulseAudio service), fed
// from its own thread by a render function. It starts with a small buffer and doubles it when
// the server ran dry twice within seconds while something sounded, so it settles on the
// smallest buffer that plays without gaps on this machine.
#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <pulse/sample.h>

struct pa_threaded_mainloop;
struct pa_context;
struct pa_stream;

namespace winmm {

class PulseOutput {
  public:
    // Fills frames of interleaved stereo floats; called on the stream's thread.
    using Render = std::function<void(float* interleaved, std::size_t frames)>;

    // nullptr when there is no server to play to; error then says why.
    static std::unique_ptr<PulseOutput> Open(double sampleRate, std::uint64_t latencyUsec,
                                             Render render, std::string& error);
    ~PulseOutput();

    PulseOutput(const PulseOutput&) = delete;
    PulseOutput& operator=(const PulseOutput&) = delete;

    // Pause ends the stream and keeps the connection to the server, which costs nothing; Resume
    // makes a new stream with the buffer the last one grew to, and fails when the server has
    // gone meanwhile.
    void Pause();
    bool Resume();
    bool Paused() const { return stream_ == nullptr; }
    // The server went away (or dropped us): nothing played here is heard any more, and only a
    // new output, once the server is back, plays again.
    bool Broken() const;

    // The whole latency asked for now: the one given, or more after gaps.
    std::uint64_t LatencyUsec() const { return latencyUsec_; }

  private:
    PulseOutput(std::uint64_t latencyUsec, Render render);
    bool Connect(double sampleRate, std::string& error);
    bool ConnectStream();
    void DisconnectStream();
    void Write(pa_stream* stream, std::size_t bytes);
    void GrowBuffer(pa_stream* stream);

    std::atomic<std::uint64_t> latencyUsec_;
    Render render_;
    pa_threaded_mainloop* mainloop_ = nullptr;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    pa_sample_spec spec_{};
    bool realTimeTried_ = false;
    bool sounding_ = false;  // the last piece written was not silence
    std::optional<std::chrono::steady_clock::time_point> lastGap_;
};

}  // namespace winmm
