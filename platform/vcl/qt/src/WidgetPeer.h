// The common part of every control's peer: a widget that mirrors the control's place, visibility,
// enabled state, cursor, colours and font.
#pragma once

#include <QWidget>

#include "OwnedWidget.h"
#include "vcl/Controls.h"

namespace vcl::qt {

class WidgetPeer : public ControlPeer {
  public:
    WidgetPeer(TControl& control, QWidget* widget);

    void Changed(Change what) final;
    // Mirrors the whole state once the peer is complete.
    void MirrorAll();

    TControl& Control() const { return control_; }
    // Null once Qt has deleted the widget along with its parent.
    QWidget* Widget() const { return widget_.get(); }
    // Where the control's children are placed.
    virtual QWidget* ChildArea() const { return Widget(); }
    // What takes the keyboard focus for the control in the tab order.
    virtual QWidget* FocusTarget() const { return Widget(); }

  protected:
    // Called only while the widget exists.
    virtual void Mirror(Change what);
    virtual void ApplyLook();

  private:
    TControl& control_;
    OwnedWidget widget_;
};

// A widget that paints itself from the control's state, so every change repaints it.
class PaintedPeer : public WidgetPeer {
  public:
    using WidgetPeer::WidgetPeer;

  protected:
    void Mirror(Change what) override {
        WidgetPeer::Mirror(what);
        Widget()->update();
    }
};

// The peer's widget for a control, or nullptr when it has none.
WidgetPeer* WidgetPeerOf(const TControl& control);
QWidget* WidgetOf(const TControl& control);

}  // namespace vcl::qt
