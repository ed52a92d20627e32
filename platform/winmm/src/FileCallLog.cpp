#include "FileCallLog.h"

#include <ctime>

namespace winmm {

std::shared_ptr<FileCallLog> FileCallLog::Create(const std::string& path) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "we"));
    if (!file) return nullptr;
    return std::shared_ptr<FileCallLog>(new FileCallLog(std::move(file)));
}

void FileCallLog::Record(const MidiCall& call) {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const long long seconds = now.tv_sec;
    const long micros = now.tv_nsec / 1000;
    char line[96];
    switch (call.kind) {
        case MidiCall::Open:
            std::snprintf(line, sizeof line, "%lld.%06ld open %u %u\n", seconds, micros,
                          call.handle, call.result);
            break;
        case MidiCall::Message:
            std::snprintf(line, sizeof line, "%lld.%06ld msg %u %02x %02x %02x %02x\n", seconds,
                          micros, call.handle, call.message & 0xFF, (call.message >> 8) & 0xFF,
                          (call.message >> 16) & 0xFF, call.message >> 24);
            break;
        case MidiCall::Close:
            std::snprintf(line, sizeof line, "%lld.%06ld close %u\n", seconds, micros, call.handle);
            break;
    }
    std::fputs(line, file_.get());
    std::fflush(file_.get());
}

}  // namespace winmm
