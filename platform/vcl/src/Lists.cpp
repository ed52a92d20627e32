#include "vcl/Controls.h"

namespace vcl {

TComboBox::TComboBox(TComponent* AOwner) : TWinControl(AOwner) {
    Color.SetQuietly(clWindow);
    ParentColor.SetQuietly(false);
    items_.OnChanged([this] { Changed(Change::Items); });
}

std::string TComboBox::Text() const {
    return Items->Get(ItemIndex);
}

void TComboBox::UserSelect(int index) {
    if (!InputAllowed() || index < 0 || index >= Items->Count()) return;
    Dispatch([this, index] {
        ItemIndex = index;
        if (OnChange) OnChange(this);
    });
}

void TComboBox::ItemIndexChanged() {
    if (ItemIndex < -1 || ItemIndex >= Items->Count()) ItemIndex.SetQuietly(-1);
    Changed(Change::ItemIndex);
}

TRadioGroup::TRadioGroup(TComponent* AOwner) : TGroupBox(AOwner) {
    items_.OnChanged([this] { Changed(Change::Items); });
}

void TRadioGroup::UserSelect(int index) {
    if (!InputAllowed() || index < 0 || index >= Items->Count()) return;
    Dispatch([this, index] {
        ItemIndex = index;
        if (OnClick) OnClick(this);
    });
}

TMemo::TMemo(TComponent* AOwner) : TWinControl(AOwner) {
    Color.SetQuietly(clWindow);
    ParentColor.SetQuietly(false);
    lines_.OnChanged([this] { Changed(Change::Lines); });
}

}  // namespace vcl
