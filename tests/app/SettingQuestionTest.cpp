#include <algorithm>

#include "SettingsFixture.h"

namespace {

using namespace vcl;

class SettingQuestionTest : public SettingsTest {
  protected:
    static void Step(TUpDown* upDown, TUDBtnType button, int times) {
        for (int i = 0; i < times; ++i) upDown->UserStep(button);
    }
};

TEST_F(SettingQuestionTest, FirstOpeningShowsTheDefaultsInTheDesignedControls) {
    int opened = 0;
    OpenSettingQuestion([&](TFormSettingQuestion& dialog) {
        ++opened;
        ExpectDialogFrame(dialog, "出題設定", clAqua, {218, 147, 255, 275});
        EXPECT_EQ(dialog.EditNoteLength->Text(), "1000");
        EXPECT_EQ(dialog.EditRepeat->Text(), "1");
        EXPECT_EQ(dialog.EditNoteLow->Text(), "c3");
        EXPECT_EQ(dialog.EditNoteHigh->Text(), "c5");
        EXPECT_EQ(dialog.RadioGroupSelectKeyType->ItemIndex, 1);
        EXPECT_EQ(dialog.RadioGroupSelectKeyType->Items->Get(0), "白鍵 + 黒鍵");
        EXPECT_EQ(dialog.UpDownNoteLow->Position, 36);
        EXPECT_EQ(dialog.UpDownNoteHigh->Position, 60);
        // The up-downs count key indexes in hidden edits lying under the visible name edits.
        EXPECT_EQ(dialog.UpDownNoteLow->Associate(), dialog.EditNoteLowDummy);
        EXPECT_EQ(dialog.UpDownNoteHigh->Associate(), dialog.EditNoteHighDummy);
        EXPECT_FALSE(dialog.EditNoteLowDummy->IsShowing());
        EXPECT_FALSE(dialog.EditNoteHighDummy->IsShowing());
        EXPECT_EQ(dialog.EditNoteLowDummy->Parent(), dialog.GroupBox1);
        EXPECT_EQ(dialog.EditNoteLow->Parent(), &dialog);
        EXPECT_EQ(dialog.EditNoteLowDummy->Text(), "36");
    });
    EXPECT_EQ(opened, 1);
}

TEST_F(SettingQuestionTest, NoteLengthStepsBy500Between0And10000) {
    struct Case {
        TUDBtnType button;
        int steps;
        int length;
    };
    for (const Case& c : {Case{btNext, 1, 1500}, Case{btPrev, 2, 0}, Case{btPrev, 5, 0},
                          Case{btNext, 19, 10000}, Case{btNext, 30, 10000}}) {
        SCOPED_TRACE(std::to_string(c.steps) + " steps to " + std::to_string(c.length));
        FormMain->NoteLength = 1000;
        OpenSettingQuestion([&](TFormSettingQuestion& dialog) {
            Step(dialog.UpDownNoteLength, c.button, c.steps);
            EXPECT_EQ(dialog.EditNoteLength->Text(), std::to_string(c.length));
            dialog.ButtonSet->Click();
        });
        EXPECT_EQ(FormMain->NoteLength, c.length);
        EXPECT_EQ(FormMain->LabelNoteLength->Caption(), std::to_string(c.length));
    }
    EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(SettingQuestionTest, NoteUpDownsWriteNamesAndStopAtC0AndG9) {
    OpenSettingQuestion([&](TFormSettingQuestion& dialog) {
        dialog.UpDownNoteLow->UserStep(btNext);
        EXPECT_EQ(dialog.EditNoteLow->Text(), "c+3");
        Step(dialog.UpDownNoteLow, btPrev, 40);
        EXPECT_EQ(dialog.EditNoteLow->Text(), "c0");
        Step(dialog.UpDownNoteHigh, btNext, 60);
        EXPECT_EQ(dialog.EditNoteHigh->Text(), "g9");
        dialog.ButtonSet->Click();
    });
    EXPECT_EQ(FormMain->NoteLow, 12);
    EXPECT_EQ(FormMain->NoteHigh, 127);
    EXPECT_EQ(FormMain->LabelLowNote->Caption(), "c0");
    EXPECT_EQ(FormMain->LabelHighNote->Caption(), "g9");

    OpenSettingQuestion([&](TFormSettingQuestion& dialog) {
        EXPECT_EQ(dialog.EditNoteLow->Text(), "c0");
        EXPECT_EQ(dialog.EditNoteHigh->Text(), "g9");
        // Stepping starts from the up-down's position, not from a name typed over it.
        dialog.EditNoteLow->UserEdited("c4");
        dialog.UpDownNoteLow->UserStep(btNext);
        EXPECT_EQ(dialog.EditNoteLow->Text(), "c+0");
        dialog.ButtonCancel->Click();
    });
    EXPECT_TRUE(TakeMessages().empty());
}

// Names are matched exactly but for letter case; the label shows the name as typed.
TEST_F(SettingQuestionTest, TypedNamesSetTheRange) {
    struct Case {
        std::string low, high;
        int noteLow, noteHigh;
    };
    for (const Case& c :
         {Case{"C4", "c5", 60, 72}, Case{"c4", "c4", 60, 60}, Case{"f+2", "A+5", 42, 82}}) {
        SCOPED_TRACE(c.low + ".." + c.high);
        OpenSettingQuestion([&](TFormSettingQuestion& dialog) {
            dialog.EditNoteLow->UserEdited(c.low);
            dialog.EditNoteHigh->UserEdited(c.high);
            dialog.ButtonSet->Click();
        });
        EXPECT_EQ(FormMain->NoteLow, c.noteLow);
        EXPECT_EQ(FormMain->NoteHigh, c.noteHigh);
        EXPECT_EQ(FormMain->LabelLowNote->Caption(), c.low);
        EXPECT_EQ(FormMain->LabelHighNote->Caption(), c.high);
    }
    EXPECT_TRUE(TakeMessages().empty());
}

// A refused range stops Set after the note length and the number of notes were applied.
TEST_F(SettingQuestionTest, RefusedRangeKeepsRangeAndKeySetButAppliesLengthAndCount) {
    struct Case {
        std::string low, high;
    };
    for (const Case& c : {Case{"h3", "c5"}, Case{"c3", "c4 "}, Case{"c#4", "c5"}, Case{"", "c5"},
                          Case{"c5", "c4"}, Case{"g9", "c0"}}) {
        SCOPED_TRACE("\"" + c.low + "\"..\"" + c.high + "\"");
        FormMain->NoteLength = 1000;
        FormMain->NoteCount = 1;
        MainWindowSettings expected = SettingsOf(*FormMain);
        expected.NoteLength = 1500;
        expected.LabelNoteLength = "1500";
        expected.NoteCount = 3;
        expected.LabelrepeatNote = "3";
        expected.Pattern = 1;

        OpenSettingQuestion([&](TFormSettingQuestion& dialog) {
            dialog.UpDownNoteLength->UserStep(btNext);
            Step(dialog.UpDownRepeat, btNext, 2);
            dialog.RadioGroupSelectKeyType->UserSelect(0);
            dialog.EditNoteLow->UserEdited(c.low);
            dialog.EditNoteHigh->UserEdited(c.high);
            dialog.ButtonSet->Click();
            EXPECT_EQ(dialog.ModalResult, mrOk) << "Set closes the dialog";
        });

        EXPECT_EQ(SettingsOf(*FormMain), expected);
        EXPECT_EQ(TakeMessages(), std::vector<std::string>{kOutOfRange});
    }
}

TEST_F(SettingQuestionTest, MoreThanOneNoteSelectsTheSequencePattern) {
    struct Case {
        int steps;
        int patternBefore;
        int patternAfter;
    };
    for (const Case& c : {Case{0, 2, 2}, Case{0, 0, 0}, Case{1, 0, 1}, Case{1, 2, 1}, Case{9, 2, 1},
                          Case{12, 0, 1}}) {
        const int count = std::min(1 + c.steps, 10);
        SCOPED_TRACE(std::to_string(count) + " notes, pattern " + std::to_string(c.patternBefore));
        FormMain->NoteCount = 1;
        FormMain->RadioGroupPattern->ItemIndex = c.patternBefore;
        OpenSettingQuestion([&](TFormSettingQuestion& dialog) {
            Step(dialog.UpDownRepeat, btNext, c.steps);
            dialog.ButtonSet->Click();
        });
        EXPECT_EQ(FormMain->NoteCount, count);
        EXPECT_EQ(FormMain->LabelrepeatNote->Caption(), std::to_string(count));
        EXPECT_EQ(FormMain->RadioGroupPattern->ItemIndex, c.patternAfter);
    }
}

// A chord question leaves 3 or 4 in NoteCount; the dialog shows and applies that count.
TEST_F(SettingQuestionTest, CountLeftByAChordIsShownAndApplied) {
    FormMain->NoteCount = 4;
    FormMain->RadioGroupPattern->ItemIndex = 2;
    OpenSettingQuestion([](TFormSettingQuestion& dialog) {
        EXPECT_EQ(dialog.EditRepeat->Text(), "4");
        dialog.ButtonSet->Click();
    });
    EXPECT_EQ(FormMain->NoteCount, 4);
    EXPECT_EQ(FormMain->LabelrepeatNote->Caption(), "4");
    EXPECT_EQ(FormMain->RadioGroupPattern->ItemIndex, 1);
}

TEST_F(SettingQuestionTest, KeySetChoiceSetsKeyTypeAndItsLabel) {
    OpenSettingQuestion([](TFormSettingQuestion& dialog) {
        dialog.RadioGroupSelectKeyType->UserSelect(0);
        dialog.ButtonSet->Click();
    });
    EXPECT_EQ(FormMain->KeyType, 0);
    EXPECT_EQ(FormMain->LabelKeyType->Caption(), "白鍵＋黒鍵");

    OpenSettingQuestion([](TFormSettingQuestion& dialog) {
        EXPECT_EQ(dialog.RadioGroupSelectKeyType->ItemIndex, 0);
        dialog.RadioGroupSelectKeyType->UserSelect(1);
        dialog.PressReturn();
    });
    EXPECT_EQ(FormMain->KeyType, 1);
    EXPECT_EQ(FormMain->LabelKeyType->Caption(), "白鍵のみ");

    // No item selected: the key set is left alone.
    OpenSettingQuestion([](TFormSettingQuestion& dialog) {
        dialog.RadioGroupSelectKeyType->ItemIndex = -1;
        dialog.ButtonSet->Click();
    });
    EXPECT_EQ(FormMain->KeyType, 1);
    EXPECT_EQ(FormMain->LabelKeyType->Caption(), "白鍵のみ");
    EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(SettingQuestionTest, CancelEscapeAndTheCloseBoxChangeNothing) {
    const MainWindowSettings before = SettingsOf(*FormMain);
    for (const auto& [how, close] : WaysToCancel()) {
        SCOPED_TRACE(how);
        OpenSettingQuestion([&](TFormSettingQuestion& dialog) {
            Step(dialog.UpDownNoteLength, btNext, 3);
            Step(dialog.UpDownRepeat, btNext, 3);
            dialog.UpDownNoteLow->UserStep(btNext);
            dialog.EditNoteHigh->UserEdited("g5");
            dialog.RadioGroupSelectKeyType->UserSelect(0);
            close(dialog);
            EXPECT_EQ(dialog.ModalResult, mrCancel);
        });
        EXPECT_EQ(SettingsOf(*FormMain), before);
    }
    EXPECT_TRUE(TakeMessages().empty());
}

// The note length and the number of notes are the numbers in their edits, typed or stepped.
// Text that is no integer gets the conversion message and, like a refused value, stops Set:
// what came before stays applied, nothing from that step on is.
TEST_F(SettingQuestionTest, TypedNumbersAreAppliedAndBadTextStopsSet) {
    enum Reached { Nothing, LengthOnly, Everything };
    struct Case {
        std::string length, count;
        Reached reached;
        std::string message;  // empty: none
        int appliedLength = 0, appliedCount = 0;
    };
    const Case cases[] = {
        {"3000", "1", Everything, "", 3000, 1},
        {"0010", "04", Everything, "", 10, 4},
        {"20000", "10", Everything, "", 20000, 10},
        {"0", "1", Everything, "", 0, 1},
        {"-1", "2", Nothing, kOutOfRange},
        {"", "2", Nothing, NotAnInteger("")},
        {"abc", "2", Nothing, NotAnInteger("abc")},
        {"  ", "2", Nothing, NotAnInteger("  ")},
        {"１０００", "2", Nothing, NotAnInteger("１０００")},
        {"2147483648", "2", Nothing, NotAnInteger("2147483648")},
        {"1000 ", "2", Nothing, NotAnInteger("1000 ")},
        {"2000", "11", LengthOnly, kOutOfRange, 2000},
        {"2000", "0", LengthOnly, kOutOfRange, 2000},
        {"2000", "x", LengthOnly, NotAnInteger("x"), 2000},
        {"2000", "", LengthOnly, NotAnInteger(""), 2000},
        {"2000", "3.5", LengthOnly, NotAnInteger("3.5"), 2000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("length \"" + c.length + "\", count \"" + c.count + "\"");
        MainWindowSettings expected = SettingsOf(*FormMain);
        if (c.reached >= LengthOnly) {
            expected.NoteLength = c.appliedLength;
            expected.LabelNoteLength = std::to_string(c.appliedLength);
        }
        if (c.reached == Everything) {
            expected.NoteCount = c.appliedCount;
            expected.LabelrepeatNote = std::to_string(c.appliedCount);
            if (c.appliedCount > 1) expected.Pattern = 1;
            expected.NoteLow = 60;
            expected.LabelLowNote = "c4";
        }

        OpenSettingQuestion([&](TFormSettingQuestion& dialog) {
            dialog.EditNoteLength->UserEdited(c.length);
            dialog.EditRepeat->UserEdited(c.count);
            dialog.EditNoteLow->UserEdited("c4");
            dialog.ButtonSet->Click();
            EXPECT_EQ(dialog.ModalResult, mrOk) << "Set closes the dialog";
        });

        EXPECT_EQ(SettingsOf(*FormMain), expected);
        EXPECT_EQ(TakeMessages(), c.message.empty() ? std::vector<std::string>{}
                                                    : std::vector<std::string>{c.message});
        FormMain->SetNoteRange(48, 72);
        FormMain->LabelLowNote->Caption = "c3";
    }
}

// A length typed beyond the up-down's range stays in force: the next opening shows it, and
// Set keeps it.
TEST_F(SettingQuestionTest, LengthBeyondTheUpDownsRangeIsShownAsItIs) {
    FormMain->NoteLength = 20000;
    OpenSettingQuestion([](TFormSettingQuestion& dialog) {
        EXPECT_EQ(dialog.EditNoteLength->Text(), "20000");
        dialog.ButtonSet->Click();
    });
    EXPECT_EQ(FormMain->NoteLength, 20000);
}

}  // namespace
