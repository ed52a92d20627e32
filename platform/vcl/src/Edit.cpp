#include "vcl/Controls.h"

namespace vcl {

TEdit::TEdit(TComponent* AOwner) : TWinControl(AOwner) {
    Color.SetQuietly(clWindow);
    ParentColor.SetQuietly(false);
}

TEdit::~TEdit() {
    if (AssociatedUpDown != nullptr) AssociatedUpDown->SetAssociate(nullptr);
}

void TEdit::UserEdited(const std::string& text) {
    if (!InputAllowed()) return;
    Dispatch([this, &text] {
        Text.SetQuietly(text);
        if (OnChange) OnChange(this);
    });
}

void TEdit::UserArrowKey(bool up) {
    if (!InputAllowed() || AssociatedUpDown == nullptr) return;
    AssociatedUpDown->UserStep(up ? btNext : btPrev);
}

void TEdit::TextChanged() {
    Changed(Change::Text);
    if (OnChange) OnChange(this);
}

}  // namespace vcl
