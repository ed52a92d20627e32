// Main menu and its items.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "vcl/Classes.h"
#include "vcl/Property.h"

namespace vcl {

class TMainMenu;

class TMenuItem : public TComponent {
  public:
    explicit TMenuItem(TComponent* AOwner);
    ~TMenuItem() override;

    // "&" marks the access key.
    Property<std::string> Caption{"", [this] { Changed(); }};
    Property<bool> Enabled{true, [this] { Changed(); }};
    Property<bool> Visible{true, [this] { Changed(); }};
    TNotifyEvent OnClick;

    void Add(TMenuItem* item);
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int i) const { return items_.at(static_cast<size_t>(i)); }
    TMenuItem* Parent() const { return parent_; }
    TMainMenu* Menu() const;
    bool IsInputEnabled() const;  // enabled, and so are the items above it

    // A choice by the user, through the application's dispatcher; ignored while disabled.
    void Click();

    void SetMenu(TMainMenu* menu) { menu_ = menu; }

  private:
    void Changed();
    TMenuItem* parent_ = nullptr;
    TMainMenu* menu_ = nullptr;
    std::vector<TMenuItem*> items_;
};

class TMainMenu : public TComponent {
  public:
    explicit TMainMenu(TComponent* AOwner);
    // The top-level menus are the children of this invisible root item.
    TMenuItem* const Items;
    // Called by the items when a caption, Enabled or Visible changes, or items are added.
    std::function<void()> OnChange;

  private:
    TMenuItem* MakeRoot();
};

}  // namespace vcl
