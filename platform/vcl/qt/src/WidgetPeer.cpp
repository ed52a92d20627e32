#include "WidgetPeer.h"

#include <QCursor>

#include "Convert.h"

namespace vcl::qt {

namespace {

Qt::CursorShape CursorShapeOf(TCursor cursor) {
    switch (cursor) {
        case crUpArrow:
            return Qt::UpArrowCursor;
        case crHandPoint:
            return Qt::PointingHandCursor;
        case crIBeam:
            return Qt::IBeamCursor;
        case crArrow:
        case crDefault:
            break;
    }
    return Qt::ArrowCursor;
}

}  // namespace

WidgetPeer::WidgetPeer(TControl& control, QWidget* widget) : control_(control), widget_(widget) {}

void WidgetPeer::Changed(Change what) {
    if (Widget() != nullptr) Mirror(what);
}

void WidgetPeer::MirrorAll() {
    for (Change what :
         {Change::Font, Change::Color, Change::Style, Change::Caption, Change::Text, Change::Lines,
          Change::Items, Change::ItemIndex, Change::Checked, Change::Position, Change::Cursor,
          Change::Menu, Change::Canvas, Change::Enabled, Change::Geometry, Change::Visible}) {
        Changed(what);
    }
}

void WidgetPeer::Mirror(Change what) {
    QWidget& widget = *Widget();
    switch (what) {
        case Change::Geometry:
            widget.setGeometry(control_.Left, control_.Top, control_.Width, control_.Height);
            break;
        case Change::Visible:
            widget.setVisible(control_.Visible);
            break;
        case Change::Enabled:
            widget.setEnabled(control_.Enabled);
            break;
        case Change::Cursor:
            if (control_.Cursor == crDefault) {
                widget.unsetCursor();
            } else {
                widget.setCursor(CursorShapeOf(control_.Cursor));
            }
            break;
        case Change::Color:
        case Change::Font:
            ApplyLook();
            break;
        default:
            break;
    }
}

void WidgetPeer::ApplyLook() {
    ApplyControlLook(*Widget(), control_);
    Widget()->setAutoFillBackground(true);
}

WidgetPeer* WidgetPeerOf(const TControl& control) {
    return dynamic_cast<WidgetPeer*>(control.Peer());
}

QWidget* WidgetOf(const TControl& control) {
    WidgetPeer* peer = WidgetPeerOf(control);
    return peer != nullptr ? peer->Widget() : nullptr;
}

}  // namespace vcl::qt
