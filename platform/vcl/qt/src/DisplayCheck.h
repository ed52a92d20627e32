// Whether Qt will be able to open its display; Qt aborts the process when it cannot.
#pragma once

#include <string>

namespace vcl::qt {

struct DisplaySettings {
    std::string platform;  // QT_QPA_PLATFORM or -platform: "xcb", "wayland;xcb", "offscreen" ...
    const char* display = nullptr;         // DISPLAY
    const char* waylandDisplay = nullptr;  // WAYLAND_DISPLAY
};

DisplaySettings DisplaySettingsFromEnvironment(int argc, char** argv);
// Empty when a display can be opened, else a one-line reason.
std::string DisplayProblem(const DisplaySettings& settings);

}  // namespace vcl::qt
