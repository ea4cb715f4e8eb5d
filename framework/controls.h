// Controls: named rectangles of a window (tab panel, push button, canvas, static text), placed in window
// coordinates on their Qt parents, with their events bound to handlers by event name.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "framework/object.h"
#include "framework/properties.h"

class DragItem;
class Graphics;
class Picture;
class QMimeData;
class QWidget;
class Window;

// A handler takes nothing (Action, Open), a drop (DropObject) or the canvas's Graphics (Paint).
using PlainHandler = std::function<void()>;
using DropHandler = std::function<void(const Ref<DragItem>& item, int32_t action)>;
using PaintHandler = std::function<void(const Ref<Graphics>& g)>;
using EventHandler = std::variant<PlainHandler, DropHandler, PaintHandler>;

// An event a control offers: its name and the variant index of the handler type it takes.
struct EventKind {
    template <class Handler>
    static EventKind Of(std::string name) {
        return {std::move(name), EventHandler(std::in_place_type<Handler>).index()};
    }
    std::string name;
    size_t handlerIndex;
};

class RectControl : public PropertyHolder, public std::enable_shared_from_this<RectControl> {
  public:
    RectControl(const RectControl&) = delete;
    RectControl& operator=(const RectControl&) = delete;
    ~RectControl() override;

    const std::string& Name() const { return name_; }
    // Position and size in window coordinates.
    int32_t Left() const { return left_; }
    int32_t Top() const { return top_; }
    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    bool Visible() const { return !HasProperty("Visible") || BoolProperty("Visible"); }
    void Visible(bool visible) { SetProperty("Visible", visible); }
    bool Enabled() const { return !HasProperty("Enabled") || BoolProperty("Enabled"); }
    // The tab-panel page (1 is the first) that shows the control; 0 for none.
    int32_t TabPanelIndex() const { return HasProperty("TabPanelIndex") ? IntProperty("TabPanelIndex") : 0; }
    // Has the control drawn again; with `erase` its background is cleared first.
    void Refresh(bool erase);

    // Binds the handler to the event of that name; an event the control lacks raises invalid_argument.
    void InstallEventHandler(const std::string& eventName, EventHandler handler);
    bool HasEventHandler(const std::string& eventName) const;
    // Runs the handler of an argument-less event through the dispatch point (no handler: nothing).
    void FireEvent(const std::string& eventName);

    // The window that holds the control (nil before it is added or after the window has gone).
    Ref<::Window> Window() const { return window_.lock(); }
    QWidget* Widget() const;
    // The Qt widget on which controls whose InitialParent names this one are placed.
    virtual QWidget* ChildContainer(int32_t /*page*/) const { return Widget(); }

  protected:
    explicit RectControl(QWidget* widget);
    bool ApplyProperty(const std::string& name, const PropertyValue& value) override;
    // The events the class offers, with the kind of handler each takes.
    virtual std::vector<EventKind> Events() const { return {}; }
    // Runs the event's handler, if one is bound, with `args` through the dispatch point.
    template <class Handler, class... Args>
    void RunEvent(const std::string& eventName, const Args&... args) {
        const EventHandler* bound = BoundHandler(eventName);
        if (!bound) return;
        Handler call = std::get<Handler>(*bound);  // a copy: the handler may rebind events
        RunHandler([&] { call(args...); });
    }

  private:
    friend class ::Window;
    void PlaceOnWindow(const std::string& name, const PropertyValue& value);
    const EventHandler* BoundHandler(const std::string& eventName) const;
    // Runs `call` with the control and its window held, so a handler never loses them while it runs.
    void RunHandler(const std::function<void()>& call) const;
    void Attach(const Ref<::Window>& window, const std::string& name);

    struct Impl;
    std::unique_ptr<Impl> impl_;
    std::weak_ptr<::Window> window_;
    std::string name_;
    int32_t left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

class PushButton : public RectControl {
  public:
    PushButton();
    const std::string& Caption() const { return StringProperty("Caption"); }
    // Clicks the button as the user would (fires Action when enabled).
    void Push();

  protected:
    bool ApplyProperty(const std::string& name, const PropertyValue& value) override;
    std::vector<EventKind> Events() const override { return {EventKind::Of<PlainHandler>("Action")}; }
};

class StaticText : public RectControl {
  public:
    StaticText();
    std::string Text() const { return HasProperty("Text") ? StringProperty("Text") : std::string(); }
    void Text(const std::string& text) { SetProperty("Text", text); }

  protected:
    bool ApplyProperty(const std::string& name, const PropertyValue& value) override;
};

class TabPanel : public RectControl {
  public:
    TabPanel();
    // The page in front, 0 for the first.
    int32_t Value() const;
    void Value(int32_t page) { SetProperty("Value", page); }
    QWidget* ChildContainer(int32_t page) const override;

  protected:
    bool ApplyProperty(const std::string& name, const PropertyValue& value) override;
};

class Canvas : public RectControl {
  public:
    Canvas();
    ~Canvas() override;
    // The picture drawn behind the canvas's content; nil for none.
    const Ref<Picture>& Backdrop() const { return backdrop_; }
    void Backdrop(const Ref<Picture>& picture);

    // From now on the canvas takes dropped files of the registered type of that name.
    void AcceptFileDrop(const std::string& typeName);
    // From now on the canvas takes drops of picture data (which carry no file).
    void AcceptPictureDrop();
    // The drop the canvas would take from dragged data, or nil when it refuses it.
    Ref<DragItem> DropFor(const QMimeData& data) const;
    // Runs the DropObject handler with a drop the canvas took.
    void Drop(const Ref<DragItem>& item, int32_t action);
    // Runs the Paint handler with the canvas's Graphics for this paint.
    void Paint(const Ref<Graphics>& g);

  protected:
    bool ApplyProperty(const std::string& name, const PropertyValue& value) override;
    std::vector<EventKind> Events() const override {
        return {EventKind::Of<PlainHandler>("Open"), EventKind::Of<DropHandler>("DropObject"),
                EventKind::Of<PaintHandler>("Paint")};
    }

  private:
    Ref<Picture> backdrop_;
    std::vector<std::string> acceptedFileTypes_;
    bool acceptsPictures_ = false;
};
