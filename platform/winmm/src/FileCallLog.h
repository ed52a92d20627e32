#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "winmm/MidiOut.h"

namespace winmm {

// Writes every call as one line, stamped with CLOCK_MONOTONIC in seconds, and flushes it at once:
//   5123.812345 open 1 0      (handle given or 0, result)
//   5123.812400 msg 1 90 3c 7f 00   (the message's four bytes, lowest first)
//   5124.812401 close 1
class FileCallLog : public MidiCallLog {
  public:
    // Truncates the file; nullptr when it cannot be written.
    static std::shared_ptr<FileCallLog> Create(const std::string& path);

    void Record(const MidiCall& call) override;

  private:
    struct FileCloser {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    explicit FileCallLog(std::unique_ptr<std::FILE, FileCloser> file) : file_(std::move(file)) {}

    std::unique_ptr<std::FILE, FileCloser> file_;
};

}  // namespace winmm
