#include <algorithm>

#include "Events.h"
#include "vcl/Forms.h"
#include "vcl/Menus.h"

namespace vcl {

namespace {

const TForm* FormOwning(const TComponent* component) {
    for (const TComponent* c = component; c != nullptr; c = c->Owner()) {
        if (auto* form = dynamic_cast<const TForm*>(c)) return form;
    }
    return nullptr;
}

}  // namespace

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner) {}

TMenuItem::~TMenuItem() {
    // No change is reported from here: the menu may be going too.
    for (TMenuItem* item : items_) item->parent_ = nullptr;
    if (parent_ != nullptr) std::erase(parent_->items_, this);
}

void TMenuItem::Add(TMenuItem* item) {
    if (item->parent_ != nullptr) std::erase(item->parent_->items_, item);
    item->parent_ = this;
    items_.push_back(item);
    Changed();
}

TMainMenu* TMenuItem::Menu() const {
    const TMenuItem* root = this;
    while (root->parent_ != nullptr) root = root->parent_;
    return root->menu_;
}

bool TMenuItem::IsInputEnabled() const {
    for (const TMenuItem* item = this; item != nullptr; item = item->parent_) {
        if (!item->Enabled) return false;
    }
    return true;
}

void TMenuItem::Click() {
    if (!IsInputEnabled()) return;
    const TComponent* owned = Menu();
    if (owned == nullptr) owned = this;
    if (!FormTakesInput(FormOwning(owned))) return;
    DispatchEvent([this] {
        if (OnClick) OnClick(this);
    });
}

void TMenuItem::Changed() {
    TMainMenu* menu = Menu();
    if (menu != nullptr && menu->OnChange) menu->OnChange();
}

TMainMenu::TMainMenu(TComponent* AOwner) : TComponent(AOwner), Items(MakeRoot()) {}

TMenuItem* TMainMenu::MakeRoot() {
    auto* root = new TMenuItem(this);  // owned by the menu
    root->SetMenu(this);
    return root;
}

}  // namespace vcl
