#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QRadioButton>
#include <algorithm>
#include <functional>
#include <vector>

#include "Convert.h"
#include "FormPeer.h"
#include "Peers.h"

namespace vcl::qt {

namespace {

class GroupBoxPeer : public WidgetPeer {
  public:
    GroupBoxPeer(TGroupBox& groupBox, QWidget& parent)
        : WidgetPeer(groupBox, new QGroupBox(&parent)) {}

  protected:
    void Mirror(Change what) override {
        if (what == Change::Caption) {
            Box().setTitle(ToQString(Control().Caption));
            return;
        }
        WidgetPeer::Mirror(what);
    }
    QGroupBox& Box() const { return static_cast<QGroupBox&>(*Widget()); }
};

// The group selects; a button does not check itself when clicked. The arrow keys select the
// item before or after it.
class RadioButton : public QRadioButton {
  public:
    RadioButton(const QString& text, QWidget* parent, std::function<void(int step)> onArrow)
        : QRadioButton(text, parent), onArrow_(std::move(onArrow)) {}

  protected:
    void nextCheckState() override {}
    void keyPressEvent(QKeyEvent* event) override {
        switch (event->key()) {
            case Qt::Key_Up:
            case Qt::Key_Left:
                onArrow_(-1);
                return;
            case Qt::Key_Down:
            case Qt::Key_Right:
                onArrow_(1);
                return;
            default:
                QRadioButton::keyPressEvent(event);
        }
    }

  private:
    std::function<void(int step)> onArrow_;
};

class RadioGroupPeer : public GroupBoxPeer {
  public:
    RadioGroupPeer(TRadioGroup& radioGroup, QWidget& parent)
        : GroupBoxPeer(radioGroup, parent), radioGroup_(radioGroup) {}

    // The group is one stop in the tab order: its selected item, or its first.
    QWidget* FocusTarget() const override {
        if (buttons_.empty()) return nullptr;
        return buttons_[FocusIndex()];
    }

  protected:
    void Mirror(Change what) override {
        switch (what) {
            case Change::Items:
                MakeButtons();
                break;
            case Change::ItemIndex:
                ShowItemIndex();
                break;
            case Change::Geometry:
            case Change::Font:
                GroupBoxPeer::Mirror(what);
                PlaceButtons();
                break;
            default:
                GroupBoxPeer::Mirror(what);
                break;
        }
    }

  private:
    void MakeButtons() {
        buttons_.clear();
        for (QRadioButton* old : Box().findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
            old->setParent(nullptr);
            old->deleteLater();
        }
        const std::vector<std::string>& items = radioGroup_.Items->Lines();
        for (size_t i = 0; i < items.size(); ++i) {
            const int index = static_cast<int>(i);
            auto* button = new RadioButton(ToQString(items[i]), &Box(),
                                           [this, index](int step) { SelectByKey(index + step); });
            button->setAutoExclusive(false);
            SetIndicatorColor(*button);
            QObject::connect(button, &QRadioButton::clicked, [this, index] {
                radioGroup_.UserSelect(index);
                ShowItemIndex();  // the choice may have been refused
            });
            button->show();
            buttons_.push_back(button);
        }
        PlaceButtons();
        ShowItemIndex();
    }

    // The items fill the area under the caption in columns, top to bottom.
    void PlaceButtons() {
        if (buttons_.empty()) return;
        const int columns = std::max(1, radioGroup_.Columns());
        const int count = static_cast<int>(buttons_.size());
        const int rows = (count + columns - 1) / columns;
        const int captionHeight = QFontMetrics(Box().font()).height();
        const int usable = std::max(0, radioGroup_.Height - captionHeight - 5);
        const int itemHeight = std::max(1, usable / rows);
        const int top = captionHeight + 1 + (usable - itemHeight * rows) / 2;
        const int columnWidth = std::max(1, (radioGroup_.Width - 10) / columns);
        for (int i = 0; i < count; ++i) {
            const int column = i / rows;
            const int row = i % rows;
            buttons_[static_cast<size_t>(i)]->setGeometry(
                8 + column * columnWidth, top + row * itemHeight, columnWidth - 8, itemHeight);
        }
    }

    void ShowItemIndex() {
        if (Widget() == nullptr) return;
        for (size_t i = 0; i < buttons_.size(); ++i) {
            buttons_[i]->setChecked(static_cast<int>(i) == radioGroup_.ItemIndex);
            buttons_[i]->setFocusPolicy(i == FocusIndex() ? Qt::StrongFocus : Qt::ClickFocus);
        }
        // The button that stands for the group in the tab order may have changed.
        if (TForm* form = radioGroup_.Form()) {
            if (FormPeer* formPeer = FormPeerOf(*form)) formPeer->ScheduleFocusChain();
        }
    }

    size_t FocusIndex() const {
        const int index = radioGroup_.ItemIndex;
        const bool selected = index >= 0 && index < static_cast<int>(buttons_.size());
        return selected ? static_cast<size_t>(index) : 0;
    }

    void SelectByKey(int index) {
        if (index < 0 || index >= static_cast<int>(buttons_.size())) return;
        radioGroup_.UserSelect(index);
        ShowItemIndex();
        buttons_[FocusIndex()]->setFocus(Qt::TabFocusReason);
    }

    TRadioGroup& radioGroup_;
    std::vector<QRadioButton*> buttons_;
};

class ContainerPeer : public WidgetPeer {
  public:
    ContainerPeer(TWinControl& control, QWidget& parent)
        : WidgetPeer(control, new QWidget(&parent)) {}
};

}  // namespace

std::unique_ptr<WidgetPeer> MakeGroupBoxPeer(TGroupBox& groupBox, QWidget& parent) {
    return std::make_unique<GroupBoxPeer>(groupBox, parent);
}

std::unique_ptr<WidgetPeer> MakeRadioGroupPeer(TRadioGroup& radioGroup, QWidget& parent) {
    return std::make_unique<RadioGroupPeer>(radioGroup, parent);
}

std::unique_ptr<WidgetPeer> MakeContainerPeer(TWinControl& control, QWidget& parent) {
    return std::make_unique<ContainerPeer>(control, parent);
}

}  // namespace vcl::qt
