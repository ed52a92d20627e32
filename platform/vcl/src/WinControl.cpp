#include "vcl/Controls.h"

namespace vcl {

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {}

TWinControl::~TWinControl() {
    for (TControl* child : controls_) {
        child->ReleasePeers();
        child->parent_ = nullptr;
    }
    controls_.clear();
}

void TWinControl::Realign() {
    int left = 0;
    int top = 0;
    int right = ClientWidth();
    int bottom = ClientHeight();
    const auto place = [this](TAlign align, auto&& put) {
        for (TControl* child : controls_) {
            if (child->Align == align) put(*child);
        }
    };
    place(alTop, [&](TControl& c) {
        c.SetBounds(left, top, right - left, c.Height);
        top += c.Height;
    });
    place(alBottom, [&](TControl& c) {
        bottom -= c.Height;
        c.SetBounds(left, bottom, right - left, c.Height);
    });
    place(alLeft, [&](TControl& c) {
        c.SetBounds(left, top, c.Width, bottom - top);
        left += c.Width;
    });
    place(alRight, [&](TControl& c) {
        right -= c.Width;
        c.SetBounds(right, top, c.Width, bottom - top);
    });
    place(alClient, [&](TControl& c) { c.SetBounds(left, top, right - left, bottom - top); });
}

void TWinControl::LookChanged(Change what) {
    TControl::LookChanged(what);
    for (TControl* child : controls_) child->LookChangedFromParent(what);
}

}  // namespace vcl
