#include <QIcon>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include "Convert.h"
#include "Peers.h"

namespace vcl::qt {

namespace {

QIcon CheckMarkGlyph() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 128, 0), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF stroke[] = {{3.0, 8.5}, {6.5, 12.0}, {13.0, 4.0}};
    painter.drawPolyline(stroke, 3);
    return QIcon(pixmap);
}

class ButtonWidget : public QPushButton {
  public:
    ButtonWidget(TButton& button, QWidget& parent) : QPushButton(&parent), button_(button) {
        connect(this, &QPushButton::clicked, [this] { button_.Click(); });
    }

  protected:
    // Enter on a focused button presses that button, not the form's default one.
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            button_.Click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }

  private:
    TButton& button_;
};

class ButtonPeer : public WidgetPeer {
  public:
    ButtonPeer(TButton& button, QWidget& parent)
        : WidgetPeer(button, new ButtonWidget(button, parent)), button_(button) {}

  protected:
    void Mirror(Change what) override {
        switch (what) {
            case Change::Caption:
                Button().setText(ToQString(button_.Caption));
                break;
            case Change::Style:
                Button().setDefault(button_.Default);
                if (auto* bitBtn = dynamic_cast<TBitBtn*>(&button_)) {
                    Button().setIcon(bitBtn->Kind() == bkOK ? CheckMarkGlyph() : QIcon());
                }
                break;
            default:
                WidgetPeer::Mirror(what);
                break;
        }
    }
    void ApplyLook() override { ApplyButtonLook(Button(), button_); }

  private:
    QPushButton& Button() const { return static_cast<QPushButton&>(*Widget()); }
    TButton& button_;
};

}  // namespace

std::unique_ptr<WidgetPeer> MakeButtonPeer(TButton& button, QWidget& parent) {
    return std::make_unique<ButtonPeer>(button, parent);
}

}  // namespace vcl::qt
