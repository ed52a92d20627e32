#include <algorithm>

#include "Events.h"
#include "vcl/Backend.h"
#include "vcl/Controls.h"
#include "vcl/Forms.h"

namespace vcl {

TControl::TControl(TComponent* AOwner) : TComponent(AOwner), font_([this] { FontChanged(); }) {}

TControl::~TControl() {
    peer_.reset();
    if (parent_ != nullptr) std::erase(parent_->controls_, this);
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    ReleasePeers();
    if (parent_ != nullptr) std::erase(parent_->controls_, this);
    parent_ = parent;
    if (parent_ != nullptr) parent_->controls_.push_back(this);
    if (ParentHasPeers()) CreatePeers();
    if (Align != alNone && parent_ != nullptr) parent_->Realign();
}

TForm* TControl::Form() const {
    const TControl* top = this;
    while (top->parent_ != nullptr) top = top->parent_;
    return dynamic_cast<TForm*>(const_cast<TControl*>(top));
}

TColor TControl::EffectiveColor() const {
    const TControl* c = this;
    while (c->ParentColor && c->parent_ != nullptr) c = c->parent_;
    return c->Color;
}

const TFont& TControl::EffectiveFont() const {
    const TControl* c = this;
    while (c->ParentFont && c->parent_ != nullptr) c = c->parent_;
    return *c->Font;
}

void TControl::SetBounds(int left, int top, int width, int height) {
    Left = left;
    Top = top;
    Width = width;
    Height = height;
}

bool TControl::IsShowing() const {
    for (const TControl* c = this; c != nullptr; c = c->parent_) {
        if (!c->Visible) return false;
    }
    return true;
}

bool TControl::IsInputEnabled() const {
    for (const TControl* c = this; c != nullptr; c = c->parent_) {
        if (!c->Enabled) return false;
    }
    return FormTakesInput(Form());
}

bool TControl::InputAllowed() const {
    return IsShowing() && IsInputEnabled();
}

void TControl::Dispatch(const std::function<void()>& handler) {
    DispatchEvent(handler);
}

void TControl::Click() {
    if (!InputAllowed()) return;
    Dispatch([this] { DoClick(); });
}

void TControl::DoClick() {
    if (OnClick) OnClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (!InputAllowed()) return;
    Dispatch([&] {
        if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
    });
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (!InputAllowed()) return;
    Dispatch([&] {
        if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
    });
}

void TControl::SetPeer(std::unique_ptr<ControlPeer> peer) {
    peer_ = std::move(peer);
}

void TControl::Changed(Change what) {
    if (peer_) peer_->Changed(what);
}

bool TControl::ParentHasPeers() const {
    return parent_ != nullptr && parent_->peersCreated_;
}

void TControl::CreatePeers() {
    if (Application == nullptr) return;
    peersCreated_ = true;
    SetPeer(Application->GetBackend().CreatePeer(*this));
    if (auto* windowed = dynamic_cast<TWinControl*>(this)) {
        for (TControl* child : windowed->controls_) child->CreatePeers();
    }
}

void TControl::ReleasePeers() {
    if (auto* windowed = dynamic_cast<TWinControl*>(this)) {
        for (TControl* child : windowed->controls_) child->ReleasePeers();
    }
    peer_.reset();
    peersCreated_ = false;
}

void TControl::AlignChanged() {
    if (parent_ != nullptr) parent_->Realign();
}

void TControl::ColorChanged() {
    ParentColor.SetQuietly(false);
    LookChanged(Change::Color);
}

void TControl::FontChanged() {
    ParentFont.SetQuietly(false);
    LookChanged(Change::Font);
}

void TControl::LookChanged(Change what) {
    Changed(what);
}

void TControl::LookChangedFromParent(Change what) {
    if (InheritsLook(what)) LookChanged(what);
}

bool TControl::InheritsLook(Change what) const {
    return what == Change::Color ? ParentColor() : ParentFont();
}

}  // namespace vcl
