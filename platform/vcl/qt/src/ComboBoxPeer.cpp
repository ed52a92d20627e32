#include <QComboBox>
#include <QSignalBlocker>

#include "Convert.h"
#include "Peers.h"

namespace vcl::qt {

namespace {

class ComboBoxPeer : public WidgetPeer {
  public:
    ComboBoxPeer(TComboBox& comboBox, QWidget& parent)
        : WidgetPeer(comboBox, new QComboBox(&parent)), comboBox_(comboBox) {
        QObject::connect(&Combo(), &QComboBox::activated, [this](int index) {
            comboBox_.UserSelect(index);
            ShowItemIndex();  // the choice may have been refused
        });
    }

  protected:
    void Mirror(Change what) override {
        switch (what) {
            case Change::Items:
                ShowItems();
                break;
            case Change::ItemIndex:
                ShowItemIndex();
                break;
            case Change::Style:
                Combo().setEditable(comboBox_.Style == csDropDown);
                ShowItemIndex();
                break;
            default:
                WidgetPeer::Mirror(what);
                break;
        }
    }

  private:
    QComboBox& Combo() const { return static_cast<QComboBox&>(*Widget()); }

    void ShowItems() {
        const QSignalBlocker quiet(Combo());
        Combo().clear();
        for (const std::string& item : comboBox_.Items->Lines()) Combo().addItem(ToQString(item));
        ShowItemIndex();
    }
    void ShowItemIndex() {
        if (Widget() == nullptr) return;
        const QSignalBlocker quiet(Combo());
        Combo().setCurrentIndex(comboBox_.ItemIndex);
    }

    TComboBox& comboBox_;
};

}  // namespace

std::unique_ptr<WidgetPeer> MakeComboBoxPeer(TComboBox& comboBox, QWidget& parent) {
    return std::make_unique<ComboBoxPeer>(comboBox, parent);
}

}  // namespace vcl::qt
