#include "vcl/Controls.h"

namespace vcl {

TLabel::TLabel(TComponent* AOwner) : TControl(AOwner) {}

TPanel::TPanel(TComponent* AOwner) : TWinControl(AOwner) {
    // A panel keeps the button face unless given a colour; it does not take its parent's.
    ParentColor.SetQuietly(false);
}

TBevel::TBevel(TComponent* AOwner) : TControl(AOwner) {}

TGroupBox::TGroupBox(TComponent* AOwner) : TWinControl(AOwner) {}

}  // namespace vcl
