#include "SettingsFixture.h"

namespace {

using namespace vcl;

class MidiSettingTest : public SettingsTest {
  protected:
    static void Choose(TFormMidiSetting& dialog, const std::string& name) {
        const int index = dialog.ComboBoxInst->Items->IndexOf(name);
        ASSERT_GE(index, 0) << name;
        dialog.ComboBoxInst->UserSelect(index);
    }
    // With the arrow keys in the edit.
    static void StepVolume(TFormMidiSetting& dialog, TUDBtnType button, int times) {
        for (int i = 0; i < times; ++i) dialog.EditVolume->UserArrowKey(button == btNext);
    }
};

TEST_F(MidiSettingTest, OpensAsDesignedOwnedByTheMainWindowAndShowingTheCurrentSettings) {
    int opened = 0;
    OpenMidiSetting([&](TFormMidiSetting& dialog) {
        ++opened;
        ExpectDialogFrame(dialog, "Midi設定", clGreen, {243, 170, 276, 171});
        EXPECT_EQ(dialog.ComboBoxInst->Items->Count(), 36);
        EXPECT_EQ(dialog.ComboBoxInst->Style, csDropDownList);
        EXPECT_EQ(dialog.ComboBoxInst->ItemIndex, 0);
        EXPECT_EQ(dialog.ComboBoxInst->Text(), "ピアノ");
        EXPECT_EQ(dialog.EditVolume->Text(), "127");
        EXPECT_EQ(dialog.UpDownVolume->Associate(), dialog.EditVolume);
    });
    EXPECT_EQ(opened, 1);
}

struct InstrumentCase {
    std::string name;
    int program;
};

class MidiInstrumentTest : public MidiSettingTest,
                           public ::testing::WithParamInterface<InstrumentCase> {};

TEST_P(MidiInstrumentTest, SetGivesTheProgramNumberAndTheNextOpeningSelectsIt) {
    const InstrumentCase& c = GetParam();
    MainWindowSettings expected = SettingsOf(*FormMain);
    expected.Instrument = c.program;
    expected.LabelInst = c.name;

    OpenMidiSetting([&](TFormMidiSetting& dialog) {
        Choose(dialog, c.name);
        dialog.ButtonSet->Click();
    });
    EXPECT_EQ(SettingsOf(*FormMain), expected);
    EXPECT_TRUE(TakeMessages().empty());

    OpenMidiSetting([&](TFormMidiSetting& dialog) {
        EXPECT_EQ(dialog.ComboBoxInst->Text(), c.name);
        dialog.PressReturn();  // re-applies what is shown
    });
    EXPECT_EQ(SettingsOf(*FormMain), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Instruments, MidiInstrumentTest,
    ::testing::Values(InstrumentCase{"E.ベース", 24}, InstrumentCase{"フルート", 74},
                      InstrumentCase{"ピッコロ", 73}, InstrumentCase{"E. ピアノ", 5},
                      InstrumentCase{"スティールドラム", 115}, InstrumentCase{"ピアノ", 0}),
    [](const auto& info) { return "Program" + std::to_string(info.param.program); });

TEST_F(MidiSettingTest, VolumeStepsByOneWithinItsRangeAndSetAppliesIt) {
    struct Case {
        TUDBtnType button;
        int steps;
        int volume;
    };
    for (const Case& c : {Case{btPrev, 27, 100}, Case{btPrev, 200, 0}, Case{btNext, 3, 3},
                          Case{btNext, 200, 127}}) {
        SCOPED_TRACE(c.volume);
        OpenMidiSetting([&](TFormMidiSetting& dialog) {
            StepVolume(dialog, c.button, c.steps);
            EXPECT_EQ(dialog.EditVolume->Text(), std::to_string(c.volume));
            dialog.ButtonSet->Click();
        });
        EXPECT_EQ(FormMain->Volume, c.volume);
        EXPECT_EQ(FormMain->LabelVolume->Caption(), std::to_string(c.volume));
    }
    EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(MidiSettingTest, CancelEscapeAndTheCloseBoxChangeNothing) {
    const MainWindowSettings before = SettingsOf(*FormMain);
    for (const auto& [how, close] : WaysToCancel()) {
        SCOPED_TRACE(how);
        OpenMidiSetting([&](TFormMidiSetting& dialog) {
            Choose(dialog, "チェロ");
            StepVolume(dialog, btPrev, 5);
            close(dialog);
            EXPECT_EQ(dialog.ModalResult, mrCancel);
        });
        EXPECT_EQ(SettingsOf(*FormMain), before);
        OpenMidiSetting([](TFormMidiSetting& dialog) {
            EXPECT_EQ(dialog.ComboBoxInst->Text(), "ピアノ");
            EXPECT_EQ(dialog.EditVolume->Text(), "127");
        });
    }
    EXPECT_TRUE(TakeMessages().empty());
}

// The volume is the number in the edit, typed or stepped. Text that is no integer gets the
// conversion message; a number out of range the range message; either way nothing is applied
// and the dialog closes.
TEST_F(MidiSettingTest, TypedVolumeIsAppliedAndBadTextAppliesNothing) {
    struct Case {
        std::string typed;
        int volume;           // applied; -1: nothing applied
        std::string message;  // empty: none
    };
    const Case cases[] = {
        {"100", 100, ""},
        {"0", 0, ""},
        {"007", 7, ""},
        {"128", -1, kOutOfRange},
        {"-1", -1, kOutOfRange},
        {"", -1, NotAnInteger("")},
        {"abc", -1, NotAnInteger("abc")},
        {"   ", -1, NotAnInteger("   ")},
        {"１２０", -1, NotAnInteger("１２０")},
        {"4294967396", -1, NotAnInteger("4294967396")},
        {"12 ", -1, NotAnInteger("12 ")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("typed \"" + c.typed + "\"");
        FormMain->Volume = 50;
        FormMain->LabelVolume->Caption = "50";
        MainWindowSettings expected = SettingsOf(*FormMain);
        if (c.volume >= 0) {
            expected.Volume = c.volume;
            expected.LabelVolume = std::to_string(c.volume);
            expected.Instrument = 41;
            expected.LabelInst = "バイオリン";
        }

        OpenMidiSetting([&](TFormMidiSetting& dialog) {
            Choose(dialog, "バイオリン");
            dialog.EditVolume->UserEdited(c.typed);
            dialog.ButtonSet->Click();
            EXPECT_EQ(dialog.ModalResult, mrOk) << "Set closes the dialog";
        });

        EXPECT_EQ(SettingsOf(*FormMain), expected);
        EXPECT_EQ(TakeMessages(), c.message.empty() ? std::vector<std::string>{}
                                                    : std::vector<std::string>{c.message});
    }
}

}  // namespace
