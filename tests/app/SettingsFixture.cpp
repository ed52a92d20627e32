#include "SettingsFixture.h"

#include "app/Design.h"

MainWindowSettings SettingsOf(const TFormMain& form) {
    return {form.Instrument,
            form.Volume,
            form.NoteLength,
            form.NoteLow,
            form.NoteHigh,
            form.NoteCount,
            form.KeyType,
            form.LabelInst->Caption,
            form.LabelVolume->Caption,
            form.LabelNoteLength->Caption,
            form.LabelrepeatNote->Caption,
            form.LabelLowNote->Caption,
            form.LabelHighNote->Caption,
            form.LabelKeyType->Caption,
            form.RadioGroupPattern->ItemIndex};
}

std::ostream& operator<<(std::ostream& out, const MainWindowSettings& s) {
    return out << "{Instrument " << s.Instrument << " \"" << s.LabelInst << "\", Volume "
               << s.Volume << " \"" << s.LabelVolume << "\", NoteLength " << s.NoteLength << " \""
               << s.LabelNoteLength << "\", NoteCount " << s.NoteCount << " \"" << s.LabelrepeatNote
               << "\", range " << s.NoteLow << ".." << s.NoteHigh << " \"" << s.LabelLowNote
               << "\"..\"" << s.LabelHighNote << "\", KeyType " << s.KeyType << " \""
               << s.LabelKeyType << "\", pattern " << s.Pattern << "}";
}

std::vector<WayToCancel> WaysToCancel() {
    return {
        {"Cancel",
         [](vcl::TForm& dialog) {
             velunka::DesignedComponent<vcl::TButton>(dialog, "ButtonCancel")->Click();
         }},
        {"Escape", [](vcl::TForm& dialog) { dialog.PressEscape(); }},
        {"close box", [](vcl::TForm& dialog) { dialog.CloseRequested(); }},
    };
}

void ExpectDialogFrame(const vcl::TForm& dialog, const std::string& caption, vcl::TColor color,
                       std::array<int, 4> leftTopWidthHeight) {
    EXPECT_EQ(dialog.Owner(), FormMain);
    EXPECT_TRUE(dialog.Modal());
    EXPECT_EQ(dialog.Caption(), caption);
    EXPECT_EQ(dialog.Color, color);
    EXPECT_EQ((std::array<int, 4>{dialog.Left, dialog.Top, dialog.Width, dialog.Height}),
              leftTopWidthHeight);
    const auto* set = velunka::DesignedComponent<vcl::TButton>(dialog, "ButtonSet");
    EXPECT_TRUE(set->Default);
    EXPECT_EQ(set->ModalResult, vcl::mrOk);
    const auto* cancel = velunka::DesignedComponent<vcl::TButton>(dialog, "ButtonCancel");
    EXPECT_TRUE(cancel->Cancel);
    EXPECT_EQ(cancel->ModalResult, vcl::mrCancel);
}

void SettingsTest::SetUp() {
    ProgramTest::SetUp();
    StartProgram();
    messagesTaken_ = backend->Messages().size();
}

void SettingsTest::OpenMidiSetting(const std::function<void(TFormMidiSetting&)>& script) {
    backend->OnModal = [&](vcl::TForm& form) { script(dynamic_cast<TFormMidiSetting&>(form)); };
    const int componentsBefore = FormMain->ComponentCount();
    FormMain->MenuSettingMidi->Click();
    backend->OnModal = nullptr;
    EXPECT_EQ(FormMain->ComponentCount(), componentsBefore) << "the dialog is destroyed";
}

void SettingsTest::OpenSettingQuestion(const std::function<void(TFormSettingQuestion&)>& script) {
    backend->OnModal = [&](vcl::TForm& form) { script(dynamic_cast<TFormSettingQuestion&>(form)); };
    const int componentsBefore = FormMain->ComponentCount();
    FormMain->MenuSettingQuestion->Click();
    backend->OnModal = nullptr;
    EXPECT_EQ(FormMain->ComponentCount(), componentsBefore) << "the dialog is destroyed";
}

std::vector<std::string> SettingsTest::TakeMessages() {
    std::vector<std::string> texts;
    const auto& messages = backend->Messages();
    for (; messagesTaken_ < messages.size(); ++messagesTaken_) {
        texts.push_back(messages[messagesTaken_].Text);
    }
    return texts;
}
