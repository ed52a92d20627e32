#include <QKeyEvent>
#include <QLineEdit>

#include "Convert.h"
#include "Peers.h"

namespace vcl::qt {

namespace {

class EditWidget : public QLineEdit {
  public:
    EditWidget(TEdit& edit, QWidget& parent) : QLineEdit(&parent), edit_(edit) {
        connect(this, &QLineEdit::textEdited,
                [this](const QString& text) { edit_.UserEdited(ToStdString(text)); });
    }

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (edit_.AssociatedUpDown != nullptr &&
            (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
            edit_.UserArrowKey(event->key() == Qt::Key_Up);
            return;
        }
        QLineEdit::keyPressEvent(event);
    }

  private:
    TEdit& edit_;
};

class EditPeer : public WidgetPeer {
  public:
    EditPeer(TEdit& edit, QWidget& parent)
        : WidgetPeer(edit, new EditWidget(edit, parent)), edit_(edit) {
        if (edit.ImeMode == imDisable || edit.ImeMode == imClose) {
            Edit().setInputMethodHints(Qt::ImhLatinOnly);
        }
    }

  protected:
    void Mirror(Change what) override {
        switch (what) {
            case Change::Text: {
                const QString text = ToQString(edit_.Text);
                if (Edit().text() != text) Edit().setText(text);
                break;
            }
            case Change::Style:
                Edit().setReadOnly(edit_.ReadOnly);
                break;
            default:
                WidgetPeer::Mirror(what);
                break;
        }
    }

  private:
    QLineEdit& Edit() const { return static_cast<QLineEdit&>(*Widget()); }
    TEdit& edit_;
};

}  // namespace

std::unique_ptr<WidgetPeer> MakeEditPeer(TEdit& edit, QWidget& parent) {
    return std::make_unique<EditPeer>(edit, parent);
}

}  // namespace vcl::qt
