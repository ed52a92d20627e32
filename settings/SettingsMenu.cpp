#include <memory>

#include "app/VelunkaMain.h"
#include "settings/FormMidiSetting.h"
#include "settings/FormSettingQuestion.h"

void TFormMain::BindSettingsEvents() {
    MenuSettingMidi->OnClick = [this](vcl::TObject* Sender) { MenuSettingMidiClick(Sender); };
    MenuSettingQuestion->OnClick = [this](vcl::TObject* Sender) {
        MenuSettingQuestionClick(Sender);
    };
}

// The dialog shows the instrument that LabelInst names.
void TFormMain::MenuSettingMidiClick(vcl::TObject*) {
    auto dialog = std::make_unique<TFormMidiSetting>(this);
    dialog->ComboBoxInst->ItemIndex = dialog->ComboBoxInst->Items->IndexOf(LabelInst->Caption);
    dialog->UpDownVolume->Position = Volume;
    dialog->NewVolume = Volume;
    dialog->NewInstrument = Instrument;
    dialog->ShowModal();
}

void TFormMain::MenuSettingQuestionClick(vcl::TObject*) {
    auto dialog = std::make_unique<TFormSettingQuestion>(this);
    dialog->UpDownNoteLength->Position = NoteLength;
    // A typed length may lie beyond the up-down's range; the edit shows the one in force.
    dialog->EditNoteLength->Text = IntToString(NoteLength);
    dialog->NewNoteLength = NoteLength;
    dialog->UpDownRepeat->Position = NoteCount;
    dialog->NewNoteCount = NoteCount;
    dialog->EditNoteLow->Text = NoteMemo->Lines->Strings[NoteLow - 12];
    dialog->UpDownNoteLow->Position = NoteLow - 12;
    dialog->UpDownNoteHigh->Position = NoteHigh - 12;
    dialog->EditNoteHigh->Text = NoteMemo->Lines->Strings[NoteHigh - 12];
    dialog->RadioGroupSelectKeyType->ItemIndex = KeyType;
    dialog->ShowModal();
}
