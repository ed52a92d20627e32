// The MIDI settings dialog: instrument and volume.
#pragma once

#include <cstdint>

#include "vcl/Vcl.h"

class TFormMain;

class TFormMidiSetting : public vcl::TForm {
  public:
    explicit TFormMidiSetting(vcl::TComponent* AOwner);

    vcl::TButton* ButtonSet = nullptr;
    vcl::TButton* ButtonCancel = nullptr;
    vcl::TLabel* LabelVolume = nullptr;
    vcl::TLabel* Label3 = nullptr;
    vcl::TComboBox* ComboBoxInst = nullptr;
    vcl::TLabel* Label4 = nullptr;
    vcl::TLabel* Label5 = nullptr;
    vcl::TUpDown* UpDownVolume = nullptr;
    vcl::TEdit* EditVolume = nullptr;

    void ComboBoxInstChange(vcl::TObject* Sender);
    void UpDownVolumeClick(vcl::TObject* Sender, vcl::TUDBtnType Button);
    void ButtonSetClick(vcl::TObject* Sender);

  private:
    friend class TFormMain;  // its menu handler fills the values before showing the dialog
    std::int32_t NewInstrument = 0;
    std::int32_t NewVolume = 0;
};
