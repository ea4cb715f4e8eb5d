#include "framework/window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>

#include "framework/controls.h"
#include "framework/dispatch.h"
#include "framework/runtime.h"
#include "framework/window_system.h"

// The top-level Qt window of a Window: its menu bar above a content widget of the window's size.
class WindowWidget : public QMainWindow {
  public:
    std::weak_ptr<Window> owner;

  protected:
    void closeEvent(QCloseEvent* event) override {
        event->accept();
        if (auto window = owner.lock()) Dispatch([&] { window->Close(); });
    }
    void changeEvent(QEvent* event) override {
        QMainWindow::changeEvent(event);
        if (event->type() == QEvent::WindowTitleChange) ShowEmptyTitleOnX11(*this);
    }
    void showEvent(QShowEvent* event) override {
        // Before the window is mapped, so that the window manager never shows another title.
        ShowEmptyTitleOnX11(*this);
        QMainWindow::showEvent(event);
        // The tab panels have laid out their pages now: place the controls on them.
        if (auto window = owner.lock()) window->MapControls();
    }
};

namespace {

// The framework's globals: the registry of implicit windows and the list of open windows.
std::map<std::string, Ref<Window>>& ImplicitWindows() {
    static std::map<std::string, Ref<Window>> registry;
    return registry;
}
std::vector<Ref<Window>>& WindowList() {
    static std::vector<Ref<Window>> list;
    return list;
}

bool IsKeptOnly(const std::string& name) {
    static const char* const kept[] = {"Placement", "MinWidth",   "MinHeight", "MaxWidth",  "MaxHeight",
                                       "Composite", "LiveResize", "MacProcID", "FullScreen"};
    for (const char* k : kept)
        if (name == k) return true;
    return false;
}

}  // namespace

Window::Window() : widget_(new WindowWidget) {
    widget_->setAttribute(Qt::WA_DeleteOnClose, false);
    AddQuitKeys(*widget_);
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("content"));
    widget_->setCentralWidget(content);
}

Window::~Window() {
    // Qt deletes the widget once control is back in the event loop, never under a running handler.
    QPointer<WindowWidget> widget(widget_);
    if (widget) {
        widget->owner.reset();
        widget->hide();
        widget->deleteLater();
    }
}

QWidget* Window::Widget() const {
    return widget_;
}
QWidget* Window::Content() const {
    return widget_->centralWidget();
}

void Window::Constructor() {
    widget_->owner = weak_from_this();
    building_ = true;
    Layout();
    CreateControls();
    for (const auto& control : std::vector<Ref<RectControl>>(controls_)) control->FireEvent("Open");
    AddMenuHandlers(*this);
    Open();
    building_ = false;

    auto self = shared_from_this();
    ImplicitWindows()[ClassName()] = self;
    WindowList().push_back(self);
    open_ = true;
    if (Visible()) {
        widget_->adjustSize();
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame = widget_->frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            widget_->move(frame.topLeft());
        }
        widget_->show();
    }
    RefreshMenuEnabling();
}

void Window::MenuBar(const Ref<::MenuBar>& bar) {
    menuBar_ = bar;
    widget_->setMenuBar(bar ? bar->MakeQtMenuBar() : nullptr);
    if (bar && HasProperty("MenuBarVisible")) widget_->menuBar()->setVisible(BoolProperty("MenuBarVisible"));
    RefreshMenuEnabling();
}

void Window::AddControl(const std::string& name, const Ref<RectControl>& control) {
    NonNil(control, "the control " + name);
    control->Attach(shared_from_this(), name);
    // Every control lives on the content widget until its InitialParent names another place.
    control->Widget()->setParent(Content());
    controls_.push_back(control);
    controlsByName_[name] = control;
}

Ref<RectControl> Window::ControlByName(const std::string& name) const {
    auto it = controlsByName_.find(name);
    return it == controlsByName_.end() ? nullptr : it->second;
}

void Window::MapControls() {
    for (const auto& control : controls_) MapControl(*control);
}

void Window::MapControl(RectControl& control) {
    QWidget* widget = control.Widget();
    if (!widget) return;
    QWidget* parent = Content();
    if (control.HasProperty("InitialParent")) {
        const std::string& parentName = control.StringProperty("InitialParent");
        if (auto container = ControlByName(parentName); container && container.get() != &control)
            parent = container->ChildContainer(control.TabPanelIndex());
    }
    if (widget->parentWidget() != parent) widget->setParent(parent);
    const QPoint origin = parent == Content() ? QPoint(0, 0) : parent->mapTo(Content(), QPoint(0, 0));
    widget->setGeometry(control.Left() - origin.x(), control.Top() - origin.y(), control.Width(),
                        control.Height());
    widget->setHidden(!control.Visible());
}

void Window::AddMenuHandler(const std::string& itemName, MenuHandler handler) {
    menuHandlers_[itemName] = std::move(handler);
    RefreshMenuEnabling();
}

bool Window::RunMenuHandler(const std::string& itemName) {
    auto it = menuHandlers_.find(itemName);
    if (it == menuHandlers_.end()) return false;
    auto self = shared_from_this();
    MenuHandler handler = it->second;
    Dispatch([&] { handler(); });
    return true;
}

void Window::Close() {
    if (!open_) return;
    auto self = shared_from_this();
    open_ = false;
    auto& registry = ImplicitWindows();
    if (auto it = registry.find(ClassName()); it != registry.end() && it->second == self) registry.erase(it);
    auto& list = WindowList();
    list.erase(std::remove(list.begin(), list.end(), self), list.end());
    widget_->hide();
    menuHandlers_.clear();
    RefreshMenuEnabling();
    // Here the menu bar belongs to the windows: without one the program could not be quit.
    if (list.empty()) RuntimeQuit();
}

bool Window::ApplyProperty(const std::string& name, const PropertyValue& value) {
    QWidget* content = Content();
    if (name == "Width" || name == "Height") {
        const QSize size(name == "Width" ? std::get<int32_t>(value) : content->width(),
                         name == "Height" ? std::get<int32_t>(value) : content->height());
        content->setFixedSize(size);
        widget_->layout()->setSizeConstraint(QLayout::SetFixedSize);
    } else if (name == "Title") {
        widget_->setWindowTitle(QString::fromStdString(std::get<std::string>(value)));
    } else if (name == "Visible") {
        if (!building_ && open_) {
            widget_->setVisible(std::get<bool>(value));
            // Showing a window that is already open brings it to the front.
            if (std::get<bool>(value)) {
                widget_->raise();
                widget_->activateWindow();
            }
        }
    } else if (name == "HasBackColor" || name == "BackColor") {
        RememberProperty(name, value);
        const bool has = HasProperty("HasBackColor") && BoolProperty("HasBackColor");
        content->setAutoFillBackground(has);
        if (has && HasProperty("BackColor")) {
            const Color c = std::get<Color>(Property("BackColor"));
            QPalette palette = content->palette();
            palette.setColor(QPalette::Window, QColor(c.Red(), c.Green(), c.Blue()));
            content->setPalette(palette);
        }
    } else if (name == "Frame" || name == "CloseButton" || name == "MinimizeButton" ||
               name == "MaximizeButton" || name == "Resizeable") {
        RememberProperty(name, value);
        ApplyWindowFlags();
    } else if (name == "MenuBarVisible") {
        if (widget_->menuWidget()) widget_->menuWidget()->setVisible(std::get<bool>(value));
    } else {
        return IsKeptOnly(name);
    }
    return true;
}

void Window::ApplyWindowFlags() {
    auto flag = [this](const char* name) { return HasProperty(name) && BoolProperty(name); };
    // Frame 0 is a document window; the other frames are dialog-like windows.
    const bool document = !HasProperty("Frame") || IntProperty("Frame") == 0;
    Qt::WindowFlags flags = (document ? Qt::Window : Qt::Dialog) | Qt::CustomizeWindowHint |
                            Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    if (flag("CloseButton")) flags |= Qt::WindowCloseButtonHint;
    if (flag("MinimizeButton")) flags |= Qt::WindowMinimizeButtonHint;
    if (flag("MaximizeButton") && flag("Resizeable")) flags |= Qt::WindowMaximizeButtonHint;
    widget_->setWindowFlags(flags);
}

Ref<Window> GetImplicitWindow(const std::string& className) {
    auto& registry = ImplicitWindows();
    auto it = registry.find(className);
    return it == registry.end() ? nullptr : it->second;
}

std::vector<Ref<Window>> OpenWindows() {
    return WindowList();
}

Ref<Window> ActiveWindow() {
    QWidget* active = QApplication::activeWindow();
    for (const auto& window : WindowList())
        if (window->Widget() == active) return window;
    return nullptr;
}

void ReleaseWindowGlobals() {
    // Taken out first, so that a window's destructor sees the registry and the list already empty.
    auto registry = std::move(ImplicitWindows());
    ImplicitWindows().clear();
    registry.clear();
    auto list = std::move(WindowList());
    WindowList().clear();
    list.clear();
}
