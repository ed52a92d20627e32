// VELUNKA_MIDI_OUT=record:PATH: a line per call in a file that tools outside the program read.
#include <gtest/gtest.h>

#include <ctime>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "TempDir.h"
#include "winmm/MidiOut.h"
#include "winmm/mmsystem.h"

namespace winmm {
namespace {

double MonotonicNow() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) + now.tv_nsec / 1e9;
}

struct LogLine {
    double time;
    std::string call;  // the line after its time stamp
};

std::vector<LogLine> ReadLog(const std::filesystem::path& path) {
    static const std::regex kLine(
        R"(^(\d+\.\d{6}) (open \d+ \d+|msg \d+( [0-9a-f]{2}){4}|close \d+)$)");
    std::vector<LogLine> lines;
    std::ifstream file(path);
    for (std::string line; std::getline(file, line);) {
        std::smatch match;
        if (!std::regex_match(line, match, kLine)) {
            ADD_FAILURE() << "malformed line: \"" << line << '"';
            continue;
        }
        lines.push_back({std::stod(match[1]), match[2]});
    }
    return lines;
}

class RecordLog : public ::testing::Test {
  protected:
    void UseOutput(const std::string& setting) {
        setenv("VELUNKA_MIDI_OUT", setting.c_str(), 1);
        InstallDevice(nullptr);
    }
    void TearDown() override {
        unsetenv("VELUNKA_MIDI_OUT");
        InstallDevice(std::make_shared<ScriptedDevice>());
    }

    TempDir dir;
};

TEST_F(RecordLog, WritesEveryCallAsOneStampedLineAtOnce) {
    const auto path = dir.File("midi.log", "left over from an earlier run\n");
    UseOutput("record:" + path.string());
    const double before = MonotonicNow();

    HMIDIOUT handle = 0;
    ASSERT_EQ(midiOutOpen(&handle, MIDI_MAPPER, 0, 0, 0), MMSYSERR_NOERROR);
    HMIDIOUT again = 0;
    midiOutOpen(&again, MIDI_MAPPER, 0, 0, 0);
    midiOutShortMsg(handle, 0x007F3C90);
    midiOutShortMsg(handle, 0x12345680);
    midiOutShortMsg(0, 0x000000C0);
    EXPECT_EQ(ReadLog(path).size(), 5u) << "lines are written before the output is closed";
    midiOutClose(handle);
    midiOutClose(handle);
    HMIDIOUT unchanged = 0;
    midiOutOpen(&unchanged, 7, 0, 0, 0);
    const double after = MonotonicNow();

    const std::string h = std::to_string(handle);
    const std::vector<std::string> expected = {
        "open " + h + " 0",
        "open " + h + " 0",
        "msg " + h + " 90 3c 7f 00",
        "msg " + h + " 80 56 34 12",
        "msg 0 c0 00 00 00",
        "close " + h,
        "close " + h,
        "open 0 2",
    };
    const std::vector<LogLine> lines = ReadLog(path);
    ASSERT_EQ(lines.size(), expected.size());
    double previous = before - 1e-6;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(lines[i].call, expected[i]);
        EXPECT_GE(lines[i].time, previous);
        previous = lines[i].time;
    }
    EXPECT_LE(previous, after + 1e-6);
}

TEST_F(RecordLog, AFileThatCannotBeWrittenFailsTheOpen) {
    for (const char* prefix : {"record:", "synth+record:"}) {
        SCOPED_TRACE(prefix);
        UseOutput(prefix + (dir.Path() / "no-such-folder" / "midi.log").string());
        HMIDIOUT handle = 0xDEADBEEF;
        EXPECT_EQ(midiOutOpen(&handle, MIDI_MAPPER, 0, 0, 0), MIDIERR_NODEVICE);
        EXPECT_EQ(handle, 0xDEADBEEFu);
    }
}

}  // namespace
}  // namespace winmm
