#include <algorithm>
#include <cstdint>

#include "vcl/Controls.h"

namespace vcl {

namespace {

std::string GroupThousands(int value) {
    const std::string digits = IntToStr(value < 0 ? -static_cast<std::int64_t>(value) : value);
    std::string grouped;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
        grouped += digits[i];
    }
    return value < 0 ? "-" + grouped : grouped;
}

int WithinRange(int value, int min, int max) {
    return std::clamp(value, std::min(min, max), std::max(min, max));
}

}  // namespace

TUpDown::TUpDown(TComponent* AOwner) : TWinControl(AOwner) {}

TUpDown::~TUpDown() {
    if (associate_ != nullptr && associate_->AssociatedUpDown == this) {
        associate_->AssociatedUpDown = nullptr;
    }
}

void TUpDown::SetAssociate(TEdit* edit) {
    if (associate_ != nullptr && associate_->AssociatedUpDown == this) {
        associate_->AssociatedUpDown = nullptr;
    }
    associate_ = edit;
    if (edit == nullptr) return;
    if (edit->AssociatedUpDown != nullptr && edit->AssociatedUpDown != this) {
        edit->AssociatedUpDown->associate_ = nullptr;
    }
    edit->AssociatedUpDown = this;
    WriteAssociate();
}

void TUpDown::UserStep(TUDBtnType button) {
    if (!InputAllowed()) return;
    Dispatch([this, button] {
        const std::int64_t step = button == btNext ? Increment() : -Increment();
        std::int64_t next = static_cast<std::int64_t>(Position()) + step;
        if (next > Max) next = Wrap ? Min : Max;
        if (next < Min) next = Wrap ? Max : Min;
        if (next == Position) return;
        Position = static_cast<int>(next);
        if (OnClick) OnClick(this, button);
    });
}

void TUpDown::PositionChanged() {
    Position.SetQuietly(WithinRange(Position, Min, Max));
    WriteAssociate();
    Changed(Change::Position);
}

void TUpDown::ClampPosition() {
    Position = WithinRange(Position, Min, Max);
}

void TUpDown::WriteAssociate() {
    if (associate_ == nullptr) return;
    associate_->Text = Thousands ? GroupThousands(Position) : IntToStr(Position);
}

}  // namespace vcl
