#include "MenuBarMirror.h"

#include <QMenu>

#include "Convert.h"

namespace vcl::qt {

namespace {

void Flatten(const TMenuItem& parent,
             std::vector<std::pair<const TMenuItem*, const TMenuItem*>>& out) {
    for (int i = 0; i < parent.Count(); ++i) {
        const TMenuItem* item = parent.Items(i);
        out.emplace_back(item, &parent);
        Flatten(*item, out);
    }
}

}  // namespace

MenuBarMirror::MenuBarMirror(QWidget& window, std::function<void()> rebuilt)
    : window_(window), rebuilt_(std::move(rebuilt)) {}

MenuBarMirror::Structure MenuBarMirror::StructureOf(const TMainMenu* menu) {
    Structure structure;
    if (menu != nullptr) Flatten(*menu->Items, structure);
    return structure;
}

void MenuBarMirror::Sync(TMainMenu* menu) {
    const bool hadMenu = bar_ != nullptr;
    pendingMenu_ = menu;
    if (hadMenu != (menu != nullptr) || StructureOf(menu) != structure_) {
        if (!hadMenu) {
            Build(menu);
        } else if (!rebuildPending_) {
            rebuildPending_ = true;
            QMetaObject::invokeMethod(
                &window_,
                [this] {
                    rebuildPending_ = false;
                    Build(pendingMenu_);
                },
                Qt::QueuedConnection);
        }
        return;
    }
    UpdateItems();
}

void MenuBarMirror::Build(TMainMenu* menu) {
    actions_.clear();
    bar_.reset();
    structure_ = StructureOf(menu);
    if (menu != nullptr) {
        auto* bar = new QMenuBar(&window_);
        bar->setNativeMenuBar(false);
        bar_ = std::make_unique<OwnedWidget>(bar);
        AddItems(*bar, *menu->Items);
        UpdateItems();
        bar->show();
    }
    if (rebuilt_) rebuilt_();
}

void MenuBarMirror::AddItems(QWidget& container, TMenuItem& parent) {
    for (int i = 0; i < parent.Count(); ++i) {
        TMenuItem* item = parent.Items(i);
        QAction* action = nullptr;
        if (item->Count() > 0) {
            auto* submenu = new QMenu(&container);
            action = submenu->menuAction();
            AddItems(*submenu, *item);
        } else {
            action = new QAction(&container);
            if (item->Caption() == "-") {
                action->setSeparator(true);
            } else {
                QObject::connect(action, &QAction::triggered, [item] { item->Click(); });
            }
        }
        container.addAction(action);
        actions_.emplace_back(item, action);
    }
}

void MenuBarMirror::UpdateItems() {
    for (auto& [item, action] : actions_) {
        if (!action->isSeparator()) action->setText(ToQString(item->Caption));
        action->setEnabled(item->Enabled);
        action->setVisible(item->Visible);
    }
}

QMenuBar* MenuBarMirror::Bar() const {
    return bar_ != nullptr ? static_cast<QMenuBar*>(bar_->get()) : nullptr;
}

int MenuBarMirror::Height() const {
    QMenuBar* bar = Bar();
    return bar != nullptr ? bar->sizeHint().height() : 0;
}

}  // namespace vcl::qt
