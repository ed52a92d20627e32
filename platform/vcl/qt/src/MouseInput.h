// Mouse presses and releases on a widget, handed to its control.
#pragma once

#include <QMouseEvent>
#include <QWidget>
#include <utility>

#include "vcl/Controls.h"

namespace vcl::qt {

void DeliverMousePress(TControl& control, const QMouseEvent& event, bool doubleClick);
// A left-button release inside the widget is also a click.
void DeliverMouseRelease(TControl& control, const QMouseEvent& event, const QRect& inside);

// A widget whose mouse presses and releases go to its control.
template <class Base>
class ReportsMouse : public Base {
  public:
    template <class... Args>
    explicit ReportsMouse(TControl& control, Args&&... args)
        : Base(std::forward<Args>(args)...), control_(control) {}

  protected:
    void mousePressEvent(QMouseEvent* event) override {
        DeliverMousePress(control_, *event, false);
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        DeliverMousePress(control_, *event, true);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        DeliverMouseRelease(control_, *event, this->rect());
    }

  private:
    TControl& control_;
};

}  // namespace vcl::qt
