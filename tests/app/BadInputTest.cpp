// Every kind of bad text in every edit of both dialogs, with what it must give: the message,
// what is applied and what stays as it was. The other edits hold good values, so each row shows
// where Set stops.
#include <climits>
#include <iostream>
#include <optional>

#include "SettingsFixture.h"

namespace {

// A text typed into a number edit, and the integer it is (none: not an integer).
struct NumberText {
    std::string text;
    std::optional<int> value;
};

const std::vector<NumberText> kNumberTexts{
    {"", {}},
    {"   ", {}},
    {"abc", {}},
    {"+", {}},
    {"-", {}},
    {"+5", 5},
    {"-0", 0},
    {"007", 7},
    {" 12", 12},
    {"12 ", {}},
    {"3.5", {}},
    {"1e3", {}},
    {"0x10", {}},
    {"2147483647", INT_MAX},
    {"2147483648", {}},
    {"-2147483648", INT_MIN},
    {"-2147483649", {}},
    {"99999999999999999999", {}},
    {"１０００", {}},
    {"\t", {}},
    {"5\x01", {}},
    {"\x7f", {}},
    {std::string(1000, '9'), {}},
    {std::string(1000, 'a'), {}},
};

// A text typed into a note-name edit, and the MIDI note it names (none: no note name).
struct NameText {
    std::string text;
    std::optional<int> note;
};

const std::vector<NameText> kNameTexts{
    {"", {}},    {" ", {}},    {"c#4", {}},  {"db4", {}},
    {"c 4", {}}, {"c4 ", {}},  {" c4", {}},  {"h3", {}},
    {"g+9", {}}, {"a9", {}},   {"c10", {}},  {"c-1", {}},
    {"+", {}},   {"\x01", {}}, {"c4\n", {}}, {std::string(1000, 'c'), {}},
    {"C4", 60},  {"F+2", 42},  {"g9", 127},  {"c0", 12},
};

class BadInputTest : public SettingsTest {
  protected:
    void Restart() {
        TearDown();
        SetUp();
    }
    static std::string Shown(const std::string& text) { return text.substr(0, 20); }
    int tried_ = 0;
};

TEST_F(BadInputTest, VolumeEdit) {
    for (const NumberText& t : kNumberTexts) {
        SCOPED_TRACE("volume \"" + Shown(t.text) + "\"");
        MainWindowSettings expected = SettingsOf(*FormMain);
        std::vector<std::string> messages;
        if (!t.value) {
            messages = {NotAnInteger(t.text)};
        } else if (*t.value < 0 || *t.value > 127) {
            messages = {kOutOfRange};
        } else {
            expected.Volume = *t.value;
            expected.LabelVolume = std::to_string(*t.value);
            expected.Instrument = 74;
            expected.LabelInst = "フルート";
        }
        OpenMidiSetting([&](TFormMidiSetting& dialog) {
            dialog.ComboBoxInst->UserSelect(26);
            dialog.EditVolume->UserEdited(t.text);
            dialog.ButtonSet->Click();
        });
        EXPECT_EQ(SettingsOf(*FormMain), expected);
        EXPECT_EQ(TakeMessages(), messages);
        ++tried_;
    }
    std::cout << "bad input: " << tried_ << " volume texts tried and handled\n";
}

// The question dialog with good values everywhere but in the edit under test.
struct QuestionEdit {
    const char* name;
    vcl::TEdit* TFormSettingQuestion::*edit;
    int step;  // Set's step at which its text is used: 0 length, 1 count, 2 range
};

TEST_F(BadInputTest, QuestionDialogEdits) {
    const QuestionEdit edits[] = {
        {"note length", &TFormSettingQuestion::EditNoteLength, 0},
        {"note count", &TFormSettingQuestion::EditRepeat, 1},
        {"lowest note", &TFormSettingQuestion::EditNoteLow, 2},
        {"highest note", &TFormSettingQuestion::EditNoteHigh, 2},
    };
    auto run = [&](const QuestionEdit& e, const std::string& text, int stoppedAt,
                   const std::string& message, std::optional<int> value) {
        MainWindowSettings expected = SettingsOf(*FormMain);
        if (stoppedAt > 0 || (e.step == 0 && value)) {
            expected.NoteLength = e.step == 0 ? *value : 1500;
            expected.LabelNoteLength = std::to_string(expected.NoteLength);
        }
        if (stoppedAt > 1 || (e.step == 1 && value)) {
            expected.NoteCount = e.step == 1 ? *value : 3;
            expected.LabelrepeatNote = std::to_string(expected.NoteCount);
            if (expected.NoteCount > 1) expected.Pattern = 1;
        }
        if (stoppedAt > 2) {
            expected.NoteLow = e.edit == &TFormSettingQuestion::EditNoteLow ? *value : 48;
            expected.NoteHigh = e.edit == &TFormSettingQuestion::EditNoteHigh ? *value : 127;
            expected.LabelLowNote = e.edit == &TFormSettingQuestion::EditNoteLow ? text : "c3";
            expected.LabelHighNote = e.edit == &TFormSettingQuestion::EditNoteHigh ? text : "g9";
            expected.KeyType = 0;
            expected.LabelKeyType = "白鍵＋黒鍵";
        }
        OpenSettingQuestion([&](TFormSettingQuestion& dialog) {
            dialog.EditNoteLength->UserEdited("1500");
            dialog.EditRepeat->UserEdited("3");
            dialog.EditNoteLow->UserEdited("c3");
            dialog.EditNoteHigh->UserEdited("g9");
            dialog.RadioGroupSelectKeyType->UserSelect(0);
            (dialog.*e.edit)->UserEdited(text);
            dialog.ButtonSet->Click();
        });
        EXPECT_EQ(SettingsOf(*FormMain), expected);
        EXPECT_EQ(TakeMessages(),
                  message.empty() ? std::vector<std::string>{} : std::vector<std::string>{message});
        ++tried_;
        Restart();
    };
    for (const QuestionEdit& e : edits) {
        if (e.step < 2) {
            for (const NumberText& t : kNumberTexts) {
                SCOPED_TRACE(std::string(e.name) + " \"" + Shown(t.text) + "\"");
                const bool inRange =
                    t.value && (e.step == 0 ? *t.value >= 0 : *t.value >= 1 && *t.value <= 10);
                const std::string message = !t.value  ? NotAnInteger(t.text)
                                            : inRange ? ""
                                                      : kOutOfRange;
                run(e, t.text, inRange ? 3 : e.step, message, inRange ? t.value : std::nullopt);
            }
        } else {
            for (const NameText& t : kNameTexts) {
                SCOPED_TRACE(std::string(e.name) + " \"" + Shown(t.text) + "\"");
                // The other bound is c3 or g9: a highest note below c3 is refused too.
                const bool accepted =
                    t.note && (e.edit == &TFormSettingQuestion::EditNoteLow || *t.note >= 48);
                run(e, t.text, accepted ? 3 : 2, accepted ? "" : kOutOfRange, t.note);
            }
        }
    }
    std::cout << "bad input: " << tried_ << " question-dialog texts tried and handled\n";
}

}  // namespace
