#include "LibraryLog.h"

#include <alsa/asoundlib.h>
#include <fluidsynth.h>
#include <glib.h>

#include <cstdarg>
#include <cstdio>

namespace winmm {
namespace {

const char* FluidLevelName(int level) {
    switch (level) {
        case FLUID_PANIC:
            return "panic";
        case FLUID_ERR:
            return "error";
        case FLUID_WARN:
            return "warning";
        case FLUID_INFO:
            return "info";
        default:
            return "debug";
    }
}

void OnFluidMessage(int level, const char* message, void* data) {
    std::string line = "fluidsynth ";
    line += FluidLevelName(level);
    line += ": ";
    line += message ? message : "";
    static_cast<LibraryLog*>(data)->Append(line);
}

void OnAlsaMessage(const char* file, int line, const char* function, int err, const char* fmt,
                   ...) {
    char text[512];
    va_list args;
    va_start(args, fmt);
    std::vsnprintf(text, sizeof text, fmt, args);
    va_end(args);
    char prefixed[768];
    std::snprintf(prefixed, sizeof prefixed, "alsa %s:%d (%s) %s%s%s", file, line, function, text,
                  err ? ": " : "", err ? snd_strerror(err) : "");
    LibraryLog::Instance().Append(prefixed);
}

void OnGLibMessage(const gchar* domain, GLogLevelFlags, const gchar* message, gpointer data) {
    std::string line = "glib ";
    line += domain ? domain : "";
    line += ": ";
    line += message ? message : "";
    static_cast<LibraryLog*>(data)->Append(line);
}

}  // namespace

LibraryLog& LibraryLog::Instance() {
    // Never destroyed: FluidSynth's audio thread may still log while other objects of the
    // process are torn down at exit.
    static LibraryLog* const log = [] {
        auto* created = new LibraryLog;
        for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
            fluid_set_log_function(level, OnFluidMessage, created);
        snd_lib_error_set_handler(OnAlsaMessage);
        return created;
    }();
    return *log;
}

void LibraryLog::Append(std::string_view line) {
    std::lock_guard lock(mutex_);
    lines_.emplace_back(line);
    if (lines_.size() > kMaxLines) {
        lines_.pop_front();
        ++firstLine_;
    }
}

std::uint64_t LibraryLog::Mark() const {
    std::lock_guard lock(mutex_);
    return firstLine_ + lines_.size();
}

std::string LibraryLog::Since(std::uint64_t mark) const {
    std::lock_guard lock(mutex_);
    std::string text;
    const std::uint64_t start = mark > firstLine_ ? mark - firstLine_ : 0;
    for (std::uint64_t i = start; i < lines_.size(); ++i) {
        text += lines_[i];
        text += '\n';
    }
    return text;
}

void LibraryLog::CaptureGLibMessages(const std::function<void()>& work) {
    const GLogFunc previous = g_log_set_default_handler(OnGLibMessage, this);
    work();
    g_log_set_default_handler(previous, nullptr);
}

}  // namespace winmm
