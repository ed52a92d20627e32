#include "ProgramFixture.h"
#include "app/Entry.h"

namespace {

constexpr const char* kWorking = "MIDIは正常に動作しています。";
constexpr const char* kInUse =
    "MIDIは使われています。\nMIDIを使っているソフトを終了してからvelunkaを再起動して下さい。";
constexpr const char* kOpenError = "MIDIオープンエラー\nMIDIデバイスの設定を確認して下さい。";

struct CheckCase {
    MMRESULT openResult;
    const char* message;
    bool terminates;
};

void PrintTo(const CheckCase& c, std::ostream* out) {
    *out << "open result " << c.openResult;
}

class StartupTest : public ProgramTest, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(StartupTest, ReportsTheMidiCheckClosesTheOutputAndReturnsZero) {
    const CheckCase& c = GetParam();
    device->openResult = c.openResult;

    EXPECT_EQ(VelunkaEntry(*application), 0);

    EXPECT_EQ(application->Title, "Velunka V0.8");
    EXPECT_EQ(application->HelpFile, VELUNKA_HELP_FILE);
    EXPECT_TRUE(std::string(VELUNKA_HELP_FILE).starts_with("/"));
    EXPECT_TRUE(std::string(VELUNKA_HELP_FILE).ends_with("/VELUNKAHELP.HLP"));
    ASSERT_NE(FormMain, nullptr);
    EXPECT_EQ(application->MainForm(), FormMain);
    EXPECT_TRUE(FormMain->IsShowing()) << "shown by Run, also when the loop is to end at once";
    EXPECT_EQ(FormMain->Caption(), "Velunka　V0.8");

    ASSERT_EQ(backend->Messages().size(), 1u);
    EXPECT_EQ(backend->Messages()[0].Title, "Velunka V0.8");
    EXPECT_EQ(backend->Messages()[0].Text, c.message);
    EXPECT_EQ(backend->Messages()[0].Kind, vcl::TMessageKind::Information);
    EXPECT_EQ(application->Terminated(), c.terminates);

    std::vector<winmm::MidiCall> calls = Calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].kind, winmm::MidiCall::Open);
    EXPECT_EQ(calls[0].result, c.openResult);
    EXPECT_EQ(calls[1].kind, winmm::MidiCall::Close);
    EXPECT_EQ(calls[1].handle, FormMain->hMidiOut);
    EXPECT_EQ(calls[1].handle, calls[0].handle);
    EXPECT_FALSE(device->open);
}

INSTANTIATE_TEST_SUITE_P(OpenResults, StartupTest,
                         ::testing::Values(CheckCase{MMSYSERR_NOERROR, kWorking, false},
                                           CheckCase{MMSYSERR_ALLOCATED, kInUse, true},
                                           CheckCase{MMSYSERR_BADDEVICEID, kOpenError, true},
                                           CheckCase{MMSYSERR_NOMEM, kOpenError, true},
                                           CheckCase{MIDIERR_NOMAP, kOpenError, true},
                                           CheckCase{MIDIERR_NODEVICE, kOpenError, true},
                                           CheckCase{MMSYSERR_INVALPARAM, kOpenError, true}),
                         [](const auto& info) { return std::to_string(info.param.openResult); });

}  // namespace
