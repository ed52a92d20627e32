// The question settings dialog: note length, number of notes, range by note name, key set.
#pragma once

#include <cstdint>

#include "vcl/Vcl.h"

class TFormMain;

class TFormSettingQuestion : public vcl::TForm {
  public:
    explicit TFormSettingQuestion(vcl::TComponent* AOwner);

    vcl::TLabel* Label1 = nullptr;
    vcl::TLabel* LabelUnit = nullptr;
    vcl::TGroupBox* GroupBox1 = nullptr;
    vcl::TLabel* Label2 = nullptr;
    vcl::TLabel* Label3 = nullptr;
    vcl::TButton* ButtonSet = nullptr;
    vcl::TButton* ButtonCancel = nullptr;
    vcl::TRadioGroup* RadioGroupSelectKeyType = nullptr;
    vcl::TUpDown* UpDownNoteLength = nullptr;
    vcl::TEdit* EditNoteLength = nullptr;
    vcl::TEdit* EditRepeat = nullptr;
    vcl::TUpDown* UpDownRepeat = nullptr;
    vcl::TLabel* Label4 = nullptr;
    vcl::TUpDown* UpDownNoteLow = nullptr;
    vcl::TUpDown* UpDownNoteHigh = nullptr;
    vcl::TEdit* EditNoteLow = nullptr;
    vcl::TEdit* EditNoteHigh = nullptr;
    vcl::TEdit* EditNoteHighDummy = nullptr;
    vcl::TEdit* EditNoteLowDummy = nullptr;

    void ButtonCancelClick(vcl::TObject* Sender);
    void UpDownNoteLengthClick(vcl::TObject* Sender, vcl::TUDBtnType Button);
    void ButtonSetClick(vcl::TObject* Sender);
    void UpDownRepeatClick(vcl::TObject* Sender, vcl::TUDBtnType Button);
    void UpDownNoteLowClick(vcl::TObject* Sender, vcl::TUDBtnType Button);
    void UpDownNoteHighClick(vcl::TObject* Sender, vcl::TUDBtnType Button);

  private:
    friend class TFormMain;  // its menu handler fills the values before showing the dialog
    std::int32_t NewNoteLength = 0;
    std::int32_t NewNoteLow = 0;
    std::int32_t NewNoteHigh = 0;
    std::int32_t NewNoteCount = 0;
};
