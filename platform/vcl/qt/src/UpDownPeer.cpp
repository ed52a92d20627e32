#include <QKeyEvent>
#include <QToolButton>

#include "Convert.h"
#include "Peers.h"

namespace vcl::qt {

namespace {

// Two arrow buttons stacked: the upper one steps to the next position, the lower one back.
class UpDownWidget : public QWidget {
  public:
    UpDownWidget(TUpDown& upDown, QWidget& parent)
        : QWidget(&parent),
          upDown_(upDown),
          up_(MakeArrow(Qt::UpArrow, btNext)),
          down_(MakeArrow(Qt::DownArrow, btPrev)) {
        setFocusPolicy(Qt::TabFocus);
    }

  protected:
    void resizeEvent(QResizeEvent*) override {
        const int upperHeight = height() / 2;
        up_->setGeometry(0, 0, width(), upperHeight);
        down_->setGeometry(0, upperHeight, width(), height() - upperHeight);
    }
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
            upDown_.UserStep(event->key() == Qt::Key_Up ? btNext : btPrev);
            return;
        }
        QWidget::keyPressEvent(event);
    }

  private:
    QToolButton* MakeArrow(Qt::ArrowType arrow, TUDBtnType step) {
        auto* button = new QToolButton(this);
        button->setArrowType(arrow);
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::clicked, [this, step] { upDown_.UserStep(step); });
        return button;
    }

    TUpDown& upDown_;
    QToolButton* up_;
    QToolButton* down_;
};

class UpDownPeer : public WidgetPeer {
  public:
    UpDownPeer(TUpDown& upDown, QWidget& parent)
        : WidgetPeer(upDown, new UpDownWidget(upDown, parent)) {}

  protected:
    void ApplyLook() override { ApplyButtonLook(*Widget(), Control()); }
};

}  // namespace

std::unique_ptr<WidgetPeer> MakeUpDownPeer(TUpDown& upDown, QWidget& parent) {
    return std::make_unique<UpDownPeer>(upDown, parent);
}

}  // namespace vcl::qt
