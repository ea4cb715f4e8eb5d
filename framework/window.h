// Windows: built through their Layout, CreateControls, AddMenuHandlers and Open hooks, holding their
// controls by name and their menu handlers by item name. A window class has one implicit instance, found
// by its class name, which closing destroys; the next reference makes a new one.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "framework/menu.h"
#include "framework/object.h"
#include "framework/properties.h"

class QWidget;
class RectControl;
class WindowWidget;

class Window : public PropertyHolder, public std::enable_shared_from_this<Window> {
  public:
    using MenuHandler = std::function<bool()>;

    Window();
    ~Window() override;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // The name the class is registered under ("Main.Main"); implicit instances are found by it.
    virtual std::string ClassName() const = 0;

    // Builds the window: Layout, CreateControls, the controls' Open events, AddMenuHandlers, Open, and
    // shows it when its Visible property is True. The window then counts as open.
    void Constructor();

    const Ref<::MenuBar>& MenuBar() const { return menuBar_; }
    void MenuBar(const Ref<::MenuBar>& bar);

    // A new control of class C made by this window; AddControl then gives it its name and place.
    template <class C>
    Ref<C> New() {
        return std::make_shared<C>();
    }
    void AddControl(const std::string& name, const Ref<RectControl>& control);
    // The control of that name, or nil.
    Ref<RectControl> ControlByName(const std::string& name) const;
    // The control of that name as class C; NilObjectException when there is none or it is no C.
    template <class C>
    Ref<C> Control(const std::string& name) const {
        return NonNilCast<C>(ControlByName(name), name);
    }
    const std::vector<Ref<RectControl>>& Controls() const { return controls_; }

    // Binds a menu handler to the menu item of that name, for this window.
    void AddMenuHandler(const std::string& itemName, MenuHandler handler);
    bool HasMenuHandler(const std::string& itemName) const { return menuHandlers_.count(itemName) != 0; }
    // Runs the handler bound to the item through the dispatch point; false when none is bound.
    bool RunMenuHandler(const std::string& itemName);

    bool Visible() const { return HasProperty("Visible") && BoolProperty("Visible"); }
    void Visible(bool visible) { SetProperty("Visible", visible); }
    const std::string& Title() const { return StringProperty("Title"); }
    bool IsOpen() const { return open_; }
    // Closes the window: it leaves the framework's registry and window list and its widget goes.
    void Close();

    // The window's Qt widget and the content widget in which window coordinates count.
    QWidget* Widget() const;
    QWidget* Content() const;
    // Places every control on its Qt parent at its window coordinates (after layout changes).
    void MapControls();
    void MapControl(RectControl& control);

  protected:
    virtual void Layout() {}
    virtual void CreateControls() {}
    virtual void AddMenuHandlers(Window& /*w*/) {}
    virtual void Open() {}

    bool ApplyProperty(const std::string& name, const PropertyValue& value) override;

  private:
    template <class C>
    static Ref<C> NonNilCast(const Ref<RectControl>& control, const std::string& name) {
        auto cast = std::dynamic_pointer_cast<C>(control);
        if (!cast) throw NilObjectException("the control " + name + " is nil");
        return cast;
    }
    void ApplyWindowFlags();

    WindowWidget* widget_;  // owned by Qt; deleted later when the window closes or goes
    Ref<::MenuBar> menuBar_;
    std::vector<Ref<RectControl>> controls_;
    std::map<std::string, Ref<RectControl>> controlsByName_;
    std::map<std::string, MenuHandler> menuHandlers_;
    bool building_ = false;
    bool open_ = false;
};

// The live implicit instance registered under the class name, or nil.
Ref<Window> GetImplicitWindow(const std::string& className);

// The implicit instance of window class W: the live one, or a new one built now.
template <class W>
Ref<W> ImplicitInstance(const std::string& className) {
    Ref<Window> live = GetImplicitWindow(className);
    if (!live) {
        auto made = std::make_shared<W>();
        made->Constructor();
        live = made;
    }
    return std::dynamic_pointer_cast<W>(live);
}

// The open windows, oldest first.
std::vector<Ref<Window>> OpenWindows();
// The open window whose widget is the active one, or nil.
Ref<Window> ActiveWindow();
// Releases the implicit-window registry, then the window list (part of the framework's exit hooks).
void ReleaseWindowGlobals();
