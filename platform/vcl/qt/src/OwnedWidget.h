// Owns a widget that Qt may delete first, together with its parent widget.
#pragma once

#include <QObject>
#include <QWidget>
#include <memory>

namespace vcl::qt {

class OwnedWidget {
  public:
    explicit OwnedWidget(QWidget* widget) : widget_(widget) {
        released_ =
            QObject::connect(widget, &QObject::destroyed, [this] { (void)widget_.release(); });
    }
    OwnedWidget(const OwnedWidget&) = delete;
    OwnedWidget& operator=(const OwnedWidget&) = delete;
    ~OwnedWidget() { QObject::disconnect(released_); }

    QWidget* get() const { return widget_.get(); }

  private:
    std::unique_ptr<QWidget> widget_;
    QMetaObject::Connection released_;
};

}  // namespace vcl::qt
