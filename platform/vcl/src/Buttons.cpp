#include "vcl/Controls.h"
#include "vcl/Forms.h"

namespace vcl {

TButton::TButton(TComponent* AOwner) : TWinControl(AOwner) {}

void TButton::DoClick() {
    if (ModalResult != mrNone) {
        if (TForm* form = Form()) form->ModalResult = ModalResult;
    }
    TWinControl::DoClick();
}

TBitBtn::TBitBtn(TComponent* AOwner) : TButton(AOwner) {}

void TBitBtn::SetKind(TBitBtnKind kind) {
    kind_ = kind;
    switch (kind) {
        case bkOK:
            Caption = "OK";
            Default = true;
            ModalResult = mrOk;
            break;
        case bkCancel:
            Caption = "キャンセル";
            Cancel = true;
            ModalResult = mrCancel;
            break;
        case bkCustom:
            break;
    }
    Changed(Change::Style);
}

TCheckBox::TCheckBox(TComponent* AOwner) : TWinControl(AOwner) {}

void TCheckBox::DoClick() {
    Checked = !Checked;
    TWinControl::DoClick();
}

}  // namespace vcl
