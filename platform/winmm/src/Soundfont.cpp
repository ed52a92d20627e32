#include "Soundfont.h"

#include <system_error>

namespace winmm {

std::string FindSoundfont(const char* userChoice, const std::filesystem::path& folder) {
    if (userChoice && *userChoice) return userChoice;
    for (const char* name : {"default-GM.sf2", "FluidR3_GM.sf2", "TimGM6mb.sf2"}) {
        const std::filesystem::path candidate = folder / name;
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error)) return candidate.string();
    }
    return {};
}

}  // namespace winmm
