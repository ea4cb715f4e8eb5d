#include "framework/menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>

#include "framework/application.h"
#include "framework/runtime.h"
#include "framework/window.h"

MenuItem::MenuItem() : action_(std::make_unique<QAction>()) {
    QObject::connect(action_.get(), &QAction::triggered, action_.get(), [this] { OnChosen(); });
}

MenuItem::~MenuItem() = default;

void MenuItem::Text(const std::string& text) {
    text_ = text;
    const QString qtText = QString::fromStdString(text);
    // A separator shows only its line: its text would be drawn beside it.
    action_->setSeparator(text == "-");
    action_->setText(action_->isSeparator() ? QString() : qtText);
    if (menu_) menu_->setTitle(qtText);
}

void MenuItem::KeyboardShortcut(const std::string& shortcut) {
    shortcut_ = shortcut;
    // The command key of the shortcut texts is the control key here.
    QString keys = QString::fromStdString(shortcut);
    keys.replace(QStringLiteral("Cmd+"), QStringLiteral("Ctrl+"));
    action_->setShortcut(QKeySequence(keys));
}

bool MenuItem::Enabled() const {
    return Action()->isEnabled();
}

QAction* MenuItem::Action() const {
    return menu_ ? menu_->menuAction() : action_.get();
}

void MenuItem::Append(const Ref<MenuItem>& item) {
    if (!item) throw NilObjectException("the menu item to append is nil");
    if (!menu_) {
        menu_ = std::make_unique<QMenu>(QString::fromStdString(text_));
        // Menus stay enabled; their items are enabled by their handlers.
        QObject::connect(menu_.get(), &QMenu::aboutToShow, menu_.get(), [] { RefreshMenuEnabling(); });
    }
    children_.push_back(item);
    menu_->addAction(item->Action());
}

Ref<MenuItem> MenuItem::Item(int32_t index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return children_[size_t(index)];
}

Ref<MenuItem> MenuItem::Child(const std::string& name) const {
    for (const auto& child : children_)
        if (child->Name() == name) return child;
    return nullptr;
}

Ref<MenuItem> MenuItem::Lookup(const std::string& name) const {
    for (const auto& child : children_) {
        if (child->Name() == name) return child;
        if (auto found = child->Lookup(name)) return found;
    }
    return nullptr;
}

void MenuItem::OnChosen() {
    // The handler bound under this item's name: the active window's first, else the newest window's.
    auto self = shared_from_this();
    if (auto active = ActiveWindow(); active && active->RunMenuHandler(name_)) return;
    auto windows = OpenWindows();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        if ((*it)->RunMenuHandler(name_)) return;
}

AppleMenuItem::AppleMenuItem() {
    Action()->setMenuRole(QAction::AboutRole);
}

namespace {
// The actions of the quit items, whose keys every top-level window carries.
std::vector<QAction*>& QuitActions() {
    static std::vector<QAction*> actions;
    return actions;
}
}  // namespace

QuitMenuItem::QuitMenuItem() {
    Action()->setMenuRole(QAction::QuitRole);
    // Its key works in whichever window is active, as long as one window that carries it is shown.
    Action()->setShortcutContext(Qt::ApplicationShortcut);
    QuitActions().push_back(Action());
    for (const auto& window : OpenWindows()) window->Widget()->addAction(Action());
}

QuitMenuItem::~QuitMenuItem() {
    std::erase(QuitActions(), Action());
}

void AddQuitKeys(QWidget& window) {
    for (QAction* action : QuitActions()) window.addAction(action);
}

void QuitMenuItem::OnChosen() {
    RuntimeQuit();
}

namespace {
// Every bar shown somewhere, so that enabling reaches it also after its window has gone.
std::vector<std::weak_ptr<const MenuBar>>& ShownBars() {
    static std::vector<std::weak_ptr<const MenuBar>> bars;
    return bars;
}
}  // namespace

QMenuBar* MenuBar::MakeQtMenuBar() const {
    auto& shown = ShownBars();
    std::erase_if(shown, [](const auto& bar) { return bar.expired(); });
    auto self = std::static_pointer_cast<const MenuBar>(shared_from_this());
    if (std::none_of(shown.begin(), shown.end(), [&](const auto& bar) { return bar.lock() == self; }))
        shown.push_back(self);
    auto* bar = new QMenuBar;
    for (const auto& menu : children_) {
        if (menu->Menu())
            bar->addMenu(menu->Menu());
        else
            bar->addAction(menu->Action());
    }
    return bar;
}

namespace {

void RefreshItems(const MenuItem& parent, const std::vector<Ref<Window>>& windows) {
    for (int32_t i = 0; i < parent.Count(); ++i) {
        const Ref<MenuItem> item = parent.Item(i);
        if (item->Count() > 0) {
            RefreshItems(*item, windows);
            continue;
        }
        if (!item->AutoEnable()) continue;
        bool enabled = dynamic_cast<const QuitMenuItem*>(item.get()) != nullptr;
        for (const auto& window : windows) enabled = enabled || window->HasMenuHandler(item->Name());
        item->Action()->setEnabled(enabled);
    }
}

}  // namespace

void RefreshMenuEnabling() {
    const auto windows = OpenWindows();
    if (auto app = App(); app && app->MenuBar()) RefreshItems(*app->MenuBar(), windows);
    for (const auto& shown : ShownBars())
        if (auto bar = shown.lock()) RefreshItems(*bar, windows);
}
