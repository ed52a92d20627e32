// Whether Qt can open a display is decided before Qt would abort on it.
#include <gtest/gtest.h>

#include "DisplayCheck.h"

namespace vcl::qt::test {
namespace {

struct DisplayCase {
    const char* platform;
    const char* display;
    const char* waylandDisplay;
    const char* problem;
};

TEST(DisplayCheck, NamesWhyNoDisplayCanBeOpened) {
    const DisplayCase cases[] = {
        {"offscreen", nullptr, nullptr, ""},
        {"minimal", nullptr, nullptr, ""},
        {"xcb", nullptr, nullptr, "no display: DISPLAY is not set"},
        {"xcb", "", nullptr, "no display: DISPLAY is not set"},
        {"xcb", ":4711", nullptr, "cannot open display :4711"},
        {"", nullptr, nullptr, "no display: DISPLAY is not set"},
        {"", ":4711", "wayland-0", ""},
        {"wayland", ":4711", nullptr, "no display: WAYLAND_DISPLAY is not set"},
        {"wayland", nullptr, "wayland-0", ""},
        {"wayland;xcb", ":4711", nullptr, "no display: WAYLAND_DISPLAY is not set"},
        {"xcb;offscreen", nullptr, nullptr, ""},
    };
    for (const DisplayCase& c : cases) {
        DisplaySettings settings{c.platform, c.display, c.waylandDisplay};
        EXPECT_EQ(DisplayProblem(settings), c.problem)
            << c.platform << " DISPLAY=" << (c.display ? c.display : "(unset)");
    }
}

TEST(DisplayCheck, PlatformArgumentOverridesTheEnvironment) {
    char program[] = "velunka";
    char option[] = "-platform";
    char name[] = "offscreen";
    char* argv[] = {program, option, name, nullptr};
    EXPECT_EQ(DisplaySettingsFromEnvironment(3, argv).platform, "offscreen");
}

}  // namespace
}  // namespace vcl::qt::test
