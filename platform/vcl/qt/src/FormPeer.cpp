#include "FormPeer.h"

#include <QApplication>
#include <QCloseEvent>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <limits>
#include <vector>

#include "Convert.h"

namespace vcl::qt {

namespace {

class FormWindow : public QWidget {
  public:
    void SetPeer(FormPeer* peer) { peer_ = peer; }

  protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        if (peer_ != nullptr) peer_->WindowResized();
    }
    void closeEvent(QCloseEvent* event) override {
        event->ignore();  // whether the form closes is the form's decision
        if (peer_ != nullptr) peer_->CloseRequested();
    }
    void keyPressEvent(QKeyEvent* event) override {
        if (peer_ != nullptr && peer_->KeyPressed(event->key())) return;
        QWidget::keyPressEvent(event);
    }

  private:
    FormPeer* peer_ = nullptr;
};

class ClientArea : public QWidget {
  public:
    ClientArea(TForm& form, QWidget* parent) : QWidget(parent), form_(form) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), ToQColor(form_.EffectiveColor()));
        const Image& picture = form_.Canvas()->Picture();
        if (picture.Width <= 0 || picture.Height <= 0) return;
        const QImage drawn(reinterpret_cast<const uchar*>(picture.Pixels.data()), picture.Width,
                           picture.Height, picture.Width * 4, QImage::Format_ARGB32);
        painter.drawImage(0, 0, drawn);
    }

  private:
    TForm& form_;
};

void CollectTabOrder(const TWinControl& parent, std::vector<QWidget*>& out) {
    std::vector<TControl*> children = parent.Controls();
    auto rank = [](const TControl* c) {
        auto* windowed = dynamic_cast<const TWinControl*>(c);
        return windowed == nullptr || windowed->TabOrder < 0 ? std::numeric_limits<int>::max()
                                                             : windowed->TabOrder();
    };
    std::stable_sort(children.begin(), children.end(),
                     [&](const TControl* a, const TControl* b) { return rank(a) < rank(b); });
    for (TControl* child : children) {
        auto* windowed = dynamic_cast<TWinControl*>(child);
        WidgetPeer* peer = WidgetPeerOf(*child);
        if (windowed == nullptr || peer == nullptr) continue;
        QWidget* target = peer->FocusTarget();
        if (target != nullptr && (target->focusPolicy() & Qt::TabFocus)) {
            if (windowed->TabStop) {
                out.push_back(target);
            } else {
                target->setFocusPolicy(Qt::ClickFocus);
            }
        }
        CollectTabOrder(*windowed, out);
    }
}

}  // namespace

FormPeer::FormPeer(TForm& form)
    : WidgetPeer(form, new FormWindow),
      form_(form),
      client_(new ClientArea(form, Widget())),
      menu_(*Widget(), [this] { ResizeToClient(); }) {
    static_cast<FormWindow*>(Widget())->SetPeer(this);
}

void FormPeer::Mirror(Change what) {
    QWidget& window = *Window();
    switch (what) {
        case Change::Geometry:
            ResizeToClient();
            Place();
            break;
        case Change::Visible:
            ApplyVisible();
            break;
        case Change::Enabled:
            window.setEnabled(form_.Enabled);
            break;
        case Change::Caption:
            window.setWindowTitle(ToQString(form_.Caption));
            break;
        case Change::Canvas:
            client_->update();
            break;
        case Change::Menu:
            menu_.Sync(form_.Menu());
            ResizeToClient();
            break;
        case Change::Style:
            ApplyBorder();
            break;
        default:
            WidgetPeer::Mirror(what);
            break;
    }
}

void FormPeer::ApplyLook() {
    ApplyControlLook(*client_, form_);
    client_->update();
}

void FormPeer::LayOut() {
    QWidget& window = *Window();
    const int menuHeight = menu_.Height();
    if (QMenuBar* bar = menu_.Bar()) bar->setGeometry(0, 0, window.width(), menuHeight);
    client_->setGeometry(0, menuHeight, window.width(), std::max(0, window.height() - menuHeight));
}

void FormPeer::ResizeToClient() {
    requestedClient_ = QSize(form_.ClientWidth(), form_.ClientHeight());
    const QSize outer(requestedClient_.width(), requestedClient_.height() + menu_.Height());
    if (form_.BorderStyle == bsSizeable) {
        Window()->resize(outer);
    } else {
        Window()->setFixedSize(outer);
    }
    LayOut();
}

void FormPeer::Place() {
    QWidget& window = *Window();
    if (form_.Position == poScreenCenter && window.screen() != nullptr) {
        QRect placed(QPoint(), window.frameGeometry().size());
        placed.moveCenter(window.screen()->availableGeometry().center());
        window.move(placed.topLeft());
    } else {
        window.move(form_.Left, form_.Top);
    }
}

void FormPeer::ApplyBorder() {
    if (form_.BorderStyle == bsSizeable) {
        Window()->setMinimumSize(0, 0);
        Window()->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    ResizeToClient();
}

void FormPeer::ApplyVisible() {
    QWidget& window = *Window();
    if (!form_.Visible) {
        window.hide();
        return;
    }
    const Qt::WindowModality modality = form_.Modal() ? Qt::ApplicationModal : Qt::NonModal;
    if (window.windowModality() != modality) {
        window.hide();  // modality changes take effect only while hidden
        window.setWindowModality(modality);
    }
    QWidget* owner = QApplication::activeWindow();
    if (form_.Modal() && owner != nullptr && owner != &window) {
        // A window manager then keeps the dialog above the window it belongs to.
        window.winId();
        window.windowHandle()->setTransientParent(owner->windowHandle());
    }
    window.show();
    window.raise();
    window.activateWindow();
}

void FormPeer::WindowResized() {
    LayOut();
    const QSize client = client_->size();
    if (client == requestedClient_) return;
    requestedClient_ = client;
    form_.UserResized(client.width(), client.height());
}

bool FormPeer::KeyPressed(int key) {
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            form_.PressReturn();
            return true;
        case Qt::Key_Escape:
            form_.PressEscape();
            return true;
        default:
            return false;
    }
}

void FormPeer::ScheduleFocusChain() {
    if (focusChainPending_) return;
    focusChainPending_ = true;
    QMetaObject::invokeMethod(
        Window(),
        [this] {
            focusChainPending_ = false;
            UpdateFocusChain();
        },
        Qt::QueuedConnection);
}

void FormPeer::UpdateFocusChain() {
    std::vector<QWidget*> chain;
    CollectTabOrder(form_, chain);
    for (size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
    if (Window()->focusWidget() != nullptr) return;
    auto first = std::find_if(chain.begin(), chain.end(), [](QWidget* w) {
        return w->isEnabled() && w->isVisibleTo(w->window());
    });
    if (first != chain.end()) (*first)->setFocus(Qt::TabFocusReason);
}

FormPeer* FormPeerOf(const TForm& form) {
    return dynamic_cast<FormPeer*>(form.Peer());
}

}  // namespace vcl::qt
