#include "MouseInput.h"

#include <optional>

namespace vcl::qt {

namespace {

std::optional<TMouseButton> ButtonOf(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return mbLeft;
        case Qt::RightButton:
            return mbRight;
        case Qt::MiddleButton:
            return mbMiddle;
        default:
            return std::nullopt;
    }
}

TShiftState ShiftOf(const QMouseEvent& event) {
    TShiftState shift;
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (modifiers & Qt::ShiftModifier) shift.insert(ssShift);
    if (modifiers & Qt::ControlModifier) shift.insert(ssCtrl);
    if (modifiers & Qt::AltModifier) shift.insert(ssAlt);
    const Qt::MouseButtons buttons = event.buttons();
    if (buttons & Qt::LeftButton) shift.insert(ssLeft);
    if (buttons & Qt::RightButton) shift.insert(ssRight);
    if (buttons & Qt::MiddleButton) shift.insert(ssMiddle);
    return shift;
}

}  // namespace

void DeliverMousePress(TControl& control, const QMouseEvent& event, bool doubleClick) {
    std::optional<TMouseButton> button = ButtonOf(event.button());
    if (!button) return;
    TShiftState shift = ShiftOf(event);
    if (doubleClick) shift.insert(ssDouble);
    const QPoint at = event.position().toPoint();
    control.MouseDown(*button, shift, at.x(), at.y());
}

void DeliverMouseRelease(TControl& control, const QMouseEvent& event, const QRect& inside) {
    std::optional<TMouseButton> button = ButtonOf(event.button());
    if (!button) return;
    const QPoint at = event.position().toPoint();
    if (*button == mbLeft && inside.contains(at)) control.Click();
    control.MouseUp(*button, ShiftOf(event), at.x(), at.y());
}

}  // namespace vcl::qt
