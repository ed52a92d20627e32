// Messages of the libraries below the synthesizer (FluidSynth, ALSA, GLib), kept for
// diagnostics instead of going to the terminal.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>

namespace winmm {

class LibraryLog {
  public:
    // The one log of the process (the libraries' log hooks are process-wide). The first call
    // installs the FluidSynth and ALSA hooks.
    static LibraryLog& Instance();

    void Append(std::string_view line);
    // A position in the log, to read what was written after it.
    std::uint64_t Mark() const;
    std::string Since(std::uint64_t mark) const;

    // Runs work with GLib's messages (e.g. assertion failures of a soundfont reader) going here.
    void CaptureGLibMessages(const std::function<void()>& work);

  private:
    LibraryLog() = default;

    static constexpr std::size_t kMaxLines = 500;
    mutable std::mutex mutex_;
    std::deque<std::string> lines_;
    std::uint64_t firstLine_ = 0;  // the number of lines_.front() since the process started
};

}  // namespace winmm
