// A form's main menu as a Qt menu bar.
#pragma once

#include <QAction>
#include <QMenuBar>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "OwnedWidget.h"
#include "vcl/Menus.h"

namespace vcl::qt {

class MenuBarMirror {
  public:
    // `rebuilt` runs after the bar has been made anew, for the window to lay itself out again.
    MenuBarMirror(QWidget& window, std::function<void()> rebuilt);

    // Captions, Enabled and Visible are updated in place; a changed tree of items is built anew,
    // later when a bar exists already, since the change may come from one of its own actions.
    void Sync(TMainMenu* menu);
    QMenuBar* Bar() const;
    int Height() const;

  private:
    using Structure = std::vector<std::pair<const TMenuItem*, const TMenuItem*>>;
    static Structure StructureOf(const TMainMenu* menu);
    void Build(TMainMenu* menu);
    void AddItems(QWidget& container, TMenuItem& parent);
    void UpdateItems();

    QWidget& window_;
    std::function<void()> rebuilt_;
    std::unique_ptr<OwnedWidget> bar_;
    Structure structure_;
    std::vector<std::pair<TMenuItem*, QAction*>> actions_;
    bool rebuildPending_ = false;
    TMainMenu* pendingMenu_ = nullptr;
};

}  // namespace vcl::qt
