#include <QCheckBox>

#include "Convert.h"
#include "Peers.h"

namespace vcl::qt {

namespace {

// The control toggles Checked itself when clicked; the widget only shows it.
class CheckBoxWidget : public QCheckBox {
  public:
    CheckBoxWidget(TCheckBox& checkBox, QWidget& parent) : QCheckBox(&parent) {
        connect(this, &QCheckBox::clicked, [&checkBox] { checkBox.Click(); });
    }

  protected:
    void nextCheckState() override {}
};

class CheckBoxPeer : public WidgetPeer {
  public:
    CheckBoxPeer(TCheckBox& checkBox, QWidget& parent)
        : WidgetPeer(checkBox, new CheckBoxWidget(checkBox, parent)), checkBox_(checkBox) {}

  protected:
    void Mirror(Change what) override {
        switch (what) {
            case Change::Caption:
                Box().setText(ToQString(checkBox_.Caption));
                break;
            case Change::Checked:
                Box().setChecked(checkBox_.Checked);
                break;
            default:
                WidgetPeer::Mirror(what);
                break;
        }
    }

    void ApplyLook() override {
        WidgetPeer::ApplyLook();
        SetIndicatorColor(Box());
    }

  private:
    QCheckBox& Box() const { return static_cast<QCheckBox&>(*Widget()); }
    TCheckBox& checkBox_;
};

}  // namespace

std::unique_ptr<WidgetPeer> MakeCheckBoxPeer(TCheckBox& checkBox, QWidget& parent) {
    return std::make_unique<CheckBoxPeer>(checkBox, parent);
}

}  // namespace vcl::qt
