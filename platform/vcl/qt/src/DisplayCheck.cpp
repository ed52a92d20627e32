#include "DisplayCheck.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <sstream>
#include <vector>

namespace vcl::qt {

namespace {

std::vector<std::string> Candidates(const std::string& platforms) {
    std::vector<std::string> names;
    std::stringstream list(platforms);
    std::string entry;
    while (std::getline(list, entry, ';')) {
        std::string name = entry.substr(0, entry.find(':'));  // "xcb:option=value"
        if (!name.empty()) names.push_back(name);
    }
    return names;
}

bool IsSet(const char* value) {
    return value != nullptr && *value != '\0';
}

std::string XcbProblem(const char* display) {
    if (!IsSet(display)) return "no display: DISPLAY is not set";
    xcb_connection_t* connection = xcb_connect(display, nullptr);
    const bool failed = xcb_connection_has_error(connection) != 0;
    xcb_disconnect(connection);
    if (failed) return std::string("cannot open display ") + display;
    return {};
}

std::string WaylandProblem(const char* waylandDisplay) {
    if (!IsSet(waylandDisplay)) return "no display: WAYLAND_DISPLAY is not set";
    return {};
}

std::string ProblemWith(const std::string& platform, const DisplaySettings& settings) {
    if (platform == "xcb") return XcbProblem(settings.display);
    if (platform.starts_with("wayland")) return WaylandProblem(settings.waylandDisplay);
    return {};  // offscreen, minimal and the like need no display
}

}  // namespace

DisplaySettings DisplaySettingsFromEnvironment(int argc, char** argv) {
    DisplaySettings settings;
    if (const char* platform = std::getenv("QT_QPA_PLATFORM")) settings.platform = platform;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::string(argv[i]) == "-platform") settings.platform = argv[i + 1];
    }
    settings.display = std::getenv("DISPLAY");
    settings.waylandDisplay = std::getenv("WAYLAND_DISPLAY");
    return settings;
}

std::string DisplayProblem(const DisplaySettings& settings) {
    std::vector<std::string> candidates = Candidates(settings.platform);
    if (candidates.empty()) {
        // Qt chooses between X11 and Wayland itself; either will do.
        std::string problem = XcbProblem(settings.display);
        if (!problem.empty() && IsSet(settings.waylandDisplay)) return {};
        return problem;
    }
    std::string firstProblem;
    for (const std::string& candidate : candidates) {
        std::string problem = ProblemWith(candidate, settings);
        if (problem.empty()) return {};
        if (firstProblem.empty()) firstProblem = problem;
    }
    return firstProblem;
}

}  // namespace vcl::qt
