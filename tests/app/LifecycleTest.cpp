#include "ProgramFixture.h"

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

}  // namespace
