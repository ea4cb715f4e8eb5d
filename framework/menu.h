// Menus: menu bars, menus and items with a Name, Text, KeyboardShortcut and AutoEnable, found by name.
// Choosing an item runs the handler that an open window bound under the item's name; the quit item quits.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/object.h"

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

class MenuItem : public std::enable_shared_from_this<MenuItem> {
  public:
    MenuItem();
    virtual ~MenuItem();
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    const std::string& Name() const { return name_; }
    void Name(const std::string& name) { name_ = name; }
    const std::string& Text() const { return text_; }
    void Text(const std::string& text);
    // Unset until assigned; "" means no shortcut, "Cmd+X" is Ctrl+X here.
    const std::optional<std::string>& KeyboardShortcut() const { return shortcut_; }
    void KeyboardShortcut(const std::string& shortcut);
    bool AutoEnable() const { return autoEnable_; }
    void AutoEnable(bool on) { autoEnable_ = on; }
    bool Enabled() const;

    // Children, in the order appended.
    void Append(const Ref<MenuItem>& item);
    int32_t Count() const { return int32_t(children_.size()); }
    Ref<MenuItem> Item(int32_t index) const;
    // The direct child of that name, or nil.
    Ref<MenuItem> Child(const std::string& name) const;
    // The item of that name among the children and their descendants, or nil.
    Ref<MenuItem> Lookup(const std::string& name) const;

    // The item's own Qt action (a menu's is its QMenu's action).
    QAction* Action() const;
    // The Qt menu that shows the children; nil while the item has none.
    QMenu* Menu() const { return menu_.get(); }

  protected:
    virtual void OnChosen();
    friend class MenuBar;

  private:
    std::string name_;
    std::string text_;
    std::optional<std::string> shortcut_;
    bool autoEnable_ = false;
    std::vector<Ref<MenuItem>> children_;
    std::unique_ptr<QAction> action_;
    std::unique_ptr<QMenu> menu_;
};

// An item that the platform would show in the application menu; here it stays where it is appended.
class AppleMenuItem : public MenuItem {
  public:
    AppleMenuItem();
};

// An item whose choice quits the application; always enabled.
class QuitMenuItem : public MenuItem {
  public:
    QuitMenuItem();
    ~QuitMenuItem() override;

  protected:
    void OnChosen() override;
};

// A menu bar: its children are the menus. One bar may be shown by several windows.
class MenuBar : public MenuItem {
  public:
    // Builds a Qt menu bar that shows this bar's menus (the caller owns it).
    QMenuBar* MakeQtMenuBar() const;
};

// Gives the top-level `window` the keys of the quit items: they quit from every window of the program,
// also from one without the menu bar and when the window with the menu bar is closed.
void AddQuitKeys(QWidget& window);

// Enables each auto-enabled item while an open window has a handler bound for it (the quit item always).
void RefreshMenuEnabling();
