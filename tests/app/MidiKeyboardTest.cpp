// A MIDI keyboard's notes on the real main window: as the user-interface thread gets them, and
// from a test keyboard on a private JACK server through the MIDI layer.
#include <unistd.h>

#include <cstdlib>

#include "JackServer.h"
#include "TrainingFixture.h"
#include "app/MidiKeyboard.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

class MidiKeyboardTest : public TrainingTest {
  protected:
    // The colours of all key panels, to see which show held.
    std::vector<vcl::TColor> KeyColours() const {
        std::vector<vcl::TColor> colours;
        for (vcl::TPanel* panel : FormMain->KeyPanels) colours.push_back(panel->Color());
        return colours;
    }

    // Starts a single-note question of exactly `note` and waits for the answer.
    void AwaitAnswerTo(int note) {
        UsePattern(0);
        UseRange(note, note);
        Click(FormMain->ButtonStart);
        Advance(800 + FormMain->NoteLength);
        ASSERT_EQ(FormMain->Phase, "answer");
        ASSERT_EQ(QuestionNotes(), std::vector<int>{note});
        recorder->Clear();
    }
};

// What the program does and shows is the same as for a left click on the key and its release.
TEST_F(MidiKeyboardTest, ANoteOnTheScreenIsALeftPressOfItsKeyHeldUntilTheNoteOff) {
    for (int note : {36, 61, 83}) {  // the lowest key, a black key, the highest key
        SCOPED_TRACE(note);
        Restart();
        PressKeyWith(note - 12, vcl::mbLeft);
        const std::vector<std::string> clicked = Timeline();
        const std::vector<vcl::TColor> heldByClick = KeyColours();
        ReleaseKey(note - 12);
        const std::vector<vcl::TColor> rest = KeyColours();

        Restart();
        MidiKeyboard::Play({static_cast<std::uint8_t>(note), true});
        EXPECT_EQ(Timeline(), clicked);
        EXPECT_EQ(KeyColours(), heldByClick);
        EXPECT_NE(KeyColours(), rest);
        MidiKeyboard::Play({static_cast<std::uint8_t>(note), false});
        EXPECT_EQ(KeyColours(), rest);
    }
}

TEST_F(MidiKeyboardTest, NotesOffTheScreenAreJudgedWithNoKeyHeldAndNotesBelow12AreIgnored) {
    const std::vector<vcl::TColor> rest = KeyColours();
    for (std::uint8_t note : {12, 35, 84, 127}) {
        SCOPED_TRACE(note);
        recorder->Clear();
        MidiKeyboard::Play({note, true});
        MidiKeyboard::Play({note, false});
        ASSERT_EQ(MessagesSent().size(), 3u);  // the last note off, a program change, the note on
        EXPECT_EQ(MessagesSent().back(), Bytes(0x7F0090u | note << 8));
        EXPECT_EQ(KeyColours(), rest);
    }
    recorder->Clear();
    MidiKeyboard::Play({11, true});
    MidiKeyboard::Play({0, false});
    EXPECT_THAT(Timeline(), IsEmpty());
}

TEST_F(MidiKeyboardTest, AnswersOnAndOffTheScreenCountInTheScore) {
    for (int note : {60, 91}) {  // on the screen, and above it
        SCOPED_TRACE(note);
        Restart();
        AwaitAnswerTo(note);
        MidiKeyboard::Play({static_cast<std::uint8_t>(note - 1), true});
        MidiKeyboard::Play({static_cast<std::uint8_t>(note - 1), false});
        Advance(800 + FormMain->NoteLength);  // NG, and the question again
        MidiKeyboard::Play({static_cast<std::uint8_t>(note), true});
        MidiKeyboard::Play({static_cast<std::uint8_t>(note), false});
        EXPECT_EQ(FormMain->SingleOk, 1);
        EXPECT_EQ(FormMain->SingleNg, 1);
        EXPECT_TRUE(FormMain->LabelOk->Visible());
        EXPECT_EQ(FormMain->LabelSingle->Caption(), "2");
        EXPECT_EQ(FormMain->LabelSinglePar->Caption(), "50");
    }
}

TEST_F(MidiKeyboardTest, NoNoteReachesAWindowBehindAModalForm) {
    vcl::TForm dialog(nullptr);
    backend->OnModal = [&](vcl::TForm&) {
        MidiKeyboard::Play({60, true});
        MidiKeyboard::Play({100, true});
        dialog.ModalResult = vcl::mrOk;
    };
    dialog.ShowModal();
    EXPECT_THAT(Timeline(), IsEmpty());
}

// The whole way: a keyboard client on JACK, the MIDI layer's input, the application's queue of
// posted calls, the key press.
TEST_F(MidiKeyboardTest, NotesPlayedOnAJackKeyboardAreJudgedAsPresses) {
    if (access("/dev/snd/seq", F_OK) == 0) GTEST_SKIP() << "this machine has an ALSA sequencer";
    jack_test::JackServer server;
    ASSERT_TRUE(server.Running()) << "jackd did not start";
    setenv("VELUNKA_MIDI_IN", "test-keys", 1);
    jack_test::TestKeyboard keyboard("test-keys", "out");
    const MidiKeyboard input(*application);
    unsetenv("VELUNKA_MIDI_IN");
    ASSERT_TRUE(jack_test::WaitUntil(
        [] { return jack_test::JackServer::Connected("test-keys:out", "Velunka"); }));

    AwaitAnswerTo(67);
    keyboard.Play({0x90, 67, 100});
    ASSERT_TRUE(jack_test::WaitUntil([&] { return backend->PostedCount() == 1; }));
    EXPECT_EQ(FormMain->SingleOk, 0);  // nothing happens off the user-interface thread
    backend->RunPosted();
    EXPECT_EQ(FormMain->SingleOk, 1);
    EXPECT_EQ(PanelOf(55)->Color(), vcl::clBlack);  // a white key held

    keyboard.Play({0x80, 67, 0});
    ASSERT_TRUE(jack_test::WaitUntil([&] { return backend->PostedCount() == 1; }));
    backend->RunPosted();
    EXPECT_EQ(PanelOf(55)->Color(), vcl::clWhite);
}

}  // namespace
