#include "ProgramFixture.h"
#include "app/Entry.h"

namespace {

class LifecycleTest : public ProgramTest {};

TEST_F(LifecycleTest, ExitWhileANoteSoundsClosesTheOutputWithoutANoteOff) {
    StartProgram();
    OpenOutput();
    FormMain->KeyNoteOn(60);
    HMIDIOUT handle = FormMain->hMidiOut;
    recorder->Clear();

    FormMain->MenuFileExit->Click();
    EXPECT_TRUE(application->Terminated());
    EXPECT_TRUE(Calls().empty()) << "Exit only asks the application to end";

    EndProgram();
    std::vector<winmm::MidiCall> calls = Calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].kind, winmm::MidiCall::Close);
    EXPECT_EQ(calls[0].handle, handle);
    EXPECT_FALSE(device->open);
    EXPECT_EQ(FormMain, nullptr);
}

TEST_F(LifecycleTest, DestructorClosesEvenAStaleHandle) {
    StartProgram();
    HMIDIOUT stale = FormMain->hMidiOut;
    recorder->Clear();

    EndProgram();

    std::vector<winmm::MidiCall> calls = Calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].kind, winmm::MidiCall::Close);
    EXPECT_EQ(calls[0].handle, stale);
    EXPECT_EQ(device->closes, 1) << "only the start-up check's close reached the device";
}

TEST_F(LifecycleTest, EntryPointEndsAfterTheOpenErrorWithStatusZero) {
    device->openResult = MIDIERR_NODEVICE;

    EXPECT_EQ(VelunkaEntry(*application), 0);

    EXPECT_EQ(application->Title, "Velunka V0.8");
    EXPECT_EQ(application->HelpFile, VELUNKA_HELP_FILE);
    EXPECT_TRUE(std::string(VELUNKA_HELP_FILE).starts_with("/"));
    EXPECT_TRUE(std::string(VELUNKA_HELP_FILE).ends_with("/VELUNKAHELP.HLP"));
    ASSERT_NE(FormMain, nullptr);
    EXPECT_EQ(application->MainForm(), FormMain);
    EXPECT_EQ(FormMain->Caption(), "Velunka　V0.8");
    ASSERT_EQ(backend->Messages().size(), 1u);
    EXPECT_EQ(backend->Messages()[0].Title, "Velunka V0.8");
    EXPECT_EQ(backend->Messages()[0].Text,
              "MIDIオープンエラー\nMIDIデバイスの設定を確認して下さい。");
    EXPECT_TRUE(application->Terminated());
}

}  // namespace
