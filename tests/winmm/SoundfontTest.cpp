#include <gtest/gtest.h>

#include "Soundfont.h"
#include "TempDir.h"

namespace winmm {
namespace {

TEST(FindSoundfont, TheUsersChoiceElseTheFirstGeneralMidiSoundfontOfTheFolder) {
    const struct {
        const char* name;
        const char* userChoice;
        std::vector<std::string> filesInFolder;
        std::string expected;  // in the folder, unless absolute
    } cases[] = {
        {"all three",
         nullptr,
         {"TimGM6mb.sf2", "FluidR3_GM.sf2", "default-GM.sf2"},
         "default-GM.sf2"},
        {"no default", nullptr, {"TimGM6mb.sf2", "FluidR3_GM.sf2"}, "FluidR3_GM.sf2"},
        {"the small one only", nullptr, {"TimGM6mb.sf2"}, "TimGM6mb.sf2"},
        {"none", nullptr, {"other.sf2"}, ""},
        {"named by the user, even if missing",
         "/opt/sounds/mine.sf2",
         {"default-GM.sf2"},
         "/opt/sounds/mine.sf2"},
        {"an empty name is no choice", "", {"FluidR3_GM.sf2"}, "FluidR3_GM.sf2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir folder;
        for (const std::string& file : c.filesInFolder) folder.File(file, "RIFF");
        const std::string expected = c.expected.empty() || c.expected.front() == '/'
                                         ? c.expected
                                         : (folder.Path() / c.expected).string();
        EXPECT_EQ(FindSoundfont(c.userChoice, folder.Path()), expected);
    }
}

}  // namespace
}  // namespace winmm
