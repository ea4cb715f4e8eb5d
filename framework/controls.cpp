#include "framework/controls.h"

#include <unistd.h>

#include <QLabel>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QUrl>

#include "framework/canvas_widget.h"
#include "framework/dispatch.h"
#include "framework/drag_item.h"
#include "framework/filetype.h"
#include "framework/window.h"

namespace {

QString ToQt(const std::string& text) {
    // A carriage return breaks lines in labels.
    return QString::fromStdString(text).replace(QChar('\r'), QChar('\n'));
}

// A file URI of no host, "localhost" or this machine's own name names a file here.
bool OnThisMachine(const QUrl& url) {
    const QString host = url.host();
    if (host.isEmpty() || host.compare(QStringLiteral("localhost"), Qt::CaseInsensitive) == 0) return true;
    char name[256] = {};
    return ::gethostname(name, sizeof name - 1) == 0 &&
           host.compare(QString::fromLocal8Bit(name), Qt::CaseInsensitive) == 0;
}

// Properties every control takes whose meaning here is only to be kept.
bool IsKeptOnly(const std::string& name) {
    static const char* const kept[] = {
        "Index",      "LockLeft",  "LockTop",   "LockRight", "LockBottom", "TabIndex",     "AutoDeactivate",
        "TextFont",   "TextSize",  "Bold",      "Italic",    "Underline",  "UseFocusRing", "AcceptTabs",
        "DataSource", "DataField", "SmallTabs", "Cancel",    "Multiline"};
    for (const char* k : kept)
        if (name == k) return true;
    return false;
}

}  // namespace

struct RectControl::Impl {
    QPointer<QWidget> widget;
    std::map<std::string, EventHandler> handlers;
};

RectControl::RectControl(QWidget* widget) : impl_(std::make_unique<Impl>()) {
    impl_->widget = widget;
}

RectControl::~RectControl() {
    // The widget may outlive its control until Qt deletes it: it must not call back into it.
    if (impl_->widget) QObject::disconnect(impl_->widget, nullptr, nullptr, nullptr);
    // A widget still without a parent belongs to no window yet; one with a parent goes with its window.
    if (impl_->widget && !impl_->widget->parent()) impl_->widget->deleteLater();
}

QWidget* RectControl::Widget() const {
    return impl_->widget;
}

void RectControl::Attach(const Ref<::Window>& window, const std::string& name) {
    window_ = window;
    name_ = name;
    if (impl_->widget) impl_->widget->setObjectName(QString::fromStdString(name));
}

bool RectControl::ApplyProperty(const std::string& name, const PropertyValue& value) {
    QWidget* w = impl_->widget;
    if (name == "Name") {
        name_ = std::get<std::string>(value);
        if (w) w->setObjectName(QString::fromStdString(name_));
    } else if (name == "Left" || name == "Top" || name == "Width" || name == "Height") {
        const int32_t v = std::get<int32_t>(value);
        (name == "Left" ? left_ : name == "Top" ? top_ : name == "Width" ? width_ : height_) = v;
        PlaceOnWindow(name, value);
    } else if (name == "InitialParent" || name == "TabPanelIndex") {
        PlaceOnWindow(name, value);
    } else if (name == "Visible") {
        // A widget without a parent would show as a window of its own: it shows once placed.
        if (w && w->parentWidget()) w->setHidden(!std::get<bool>(value));
    } else if (name == "Enabled") {
        if (w) w->setEnabled(std::get<bool>(value));
    } else if (name == "HelpTag") {
        if (w) w->setToolTip(QString::fromStdString(std::get<std::string>(value)));
    } else if (name == "TabStop") {
        if (w && !std::get<bool>(value)) w->setFocusPolicy(Qt::NoFocus);
    } else if (name == "AcceptFocus") {
        if (w) w->setFocusPolicy(std::get<bool>(value) ? Qt::StrongFocus : Qt::NoFocus);
    } else {
        return IsKeptOnly(name);
    }
    return true;
}

void RectControl::PlaceOnWindow(const std::string& name, const PropertyValue& value) {
    RememberProperty(name, value);
    if (auto win = window_.lock()) win->MapControl(*this);
}

void RectControl::Refresh(bool erase) {
    if (!impl_->widget) return;
    if (erase)
        impl_->widget->update();
    else
        impl_->widget->repaint();
}

void RectControl::InstallEventHandler(const std::string& eventName, EventHandler handler) {
    for (const EventKind& event : Events()) {
        if (event.name != eventName) continue;
        if (handler.index() != event.handlerIndex)
            throw std::invalid_argument("the handler of " + eventName + " takes other arguments");
        impl_->handlers[eventName] = std::move(handler);
        return;
    }
    throw std::invalid_argument("a " + std::string(typeid(*this).name()) + " has no event " + eventName);
}

bool RectControl::HasEventHandler(const std::string& eventName) const {
    return impl_->handlers.count(eventName) != 0;
}

const EventHandler* RectControl::BoundHandler(const std::string& eventName) const {
    auto it = impl_->handlers.find(eventName);
    return it == impl_->handlers.end() ? nullptr : &it->second;
}

void RectControl::RunHandler(const std::function<void()>& call) const {
    auto self = shared_from_this();
    auto window = window_.lock();
    Dispatch(call);
}

void RectControl::FireEvent(const std::string& eventName) {
    RunEvent<PlainHandler>(eventName);
}

// ---- PushButton

PushButton::PushButton() : RectControl(new QPushButton) {
    auto* button = static_cast<QPushButton*>(Widget());
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, button, [this] { FireEvent("Action"); });
}

void PushButton::Push() {
    if (Enabled()) FireEvent("Action");
}

bool PushButton::ApplyProperty(const std::string& name, const PropertyValue& value) {
    auto* button = static_cast<QPushButton*>(Widget());
    if (name == "Caption") {
        if (button) button->setText(QString::fromStdString(std::get<std::string>(value)));
        return true;
    }
    if (name == "Default") {
        if (button) button->setDefault(std::get<bool>(value));
        return true;
    }
    return RectControl::ApplyProperty(name, value);
}

// ---- StaticText

StaticText::StaticText() : RectControl(new QLabel) {
    // Texts may come from file names: a "<" or "&" in them is shown, never taken as markup.
    static_cast<QLabel*>(Widget())->setTextFormat(Qt::PlainText);
}

bool StaticText::ApplyProperty(const std::string& name, const PropertyValue& value) {
    auto* label = static_cast<QLabel*>(Widget());
    if (name == "Text") {
        const std::string& text = std::get<std::string>(value);
        if (label) {
            label->setText(ToQt(text));
            // A label without text still has a name that assistive tools can read.
            label->setAccessibleName(text.empty() ? QString::fromStdString(Name()) : QString());
        }
        return true;
    }
    if (name == "TextAlign") {
        const int32_t align = std::get<int32_t>(value);
        const Qt::Alignment h = align == 1 ? Qt::AlignHCenter : align == 2 ? Qt::AlignRight : Qt::AlignLeft;
        // Text starts at the label's top edge: lines that do not fit are cut at the bottom, never the top.
        if (label) label->setAlignment(h | Qt::AlignTop);
        return true;
    }
    if (name == "TextColor") {
        if (label) {
            const Color c = std::get<Color>(value);
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, QColor(c.Red(), c.Green(), c.Blue()));
            label->setPalette(palette);
        }
        return true;
    }
    return RectControl::ApplyProperty(name, value);
}

// ---- TabPanel

TabPanel::TabPanel() : RectControl(new QTabWidget) {
    auto* tabs = static_cast<QTabWidget*>(Widget());
    // A page shown for the first time gets its geometry only then: place its controls again.
    QObject::connect(tabs, &QTabWidget::currentChanged, tabs, [this](int index) {
        RememberProperty("Value", int32_t(index));
        if (auto win = Window()) win->MapControls();
    });
}

int32_t TabPanel::Value() const {
    auto* tabs = static_cast<QTabWidget*>(Widget());
    return tabs ? tabs->currentIndex() : -1;
}

QWidget* TabPanel::ChildContainer(int32_t page) const {
    auto* tabs = static_cast<QTabWidget*>(Widget());
    if (!tabs || page < 1 || page > tabs->count()) return tabs;
    return tabs->widget(page - 1);
}

bool TabPanel::ApplyProperty(const std::string& name, const PropertyValue& value) {
    auto* tabs = static_cast<QTabWidget*>(Widget());
    if (name == "TabDefinition") {
        if (tabs) {
            while (tabs->count() > 0) delete tabs->widget(0);
            const QStringList captions =
                QString::fromStdString(std::get<std::string>(value)).split(QChar('\r'));
            for (const QString& caption : captions) {
                auto* page = new QWidget;
                page->setObjectName(QString::fromStdString(Name()) + QStringLiteral("Page") + caption);
                tabs->addTab(page, caption);
            }
        }
        return true;
    }
    if (name == "Value") {
        if (tabs) tabs->setCurrentIndex(std::get<int32_t>(value));
        return true;
    }
    return RectControl::ApplyProperty(name, value);
}

// ---- Canvas

Canvas::Canvas() : RectControl(new CanvasWidget) {
    auto* canvas = static_cast<CanvasWidget*>(Widget());
    canvas->owner = this;
}

Canvas::~Canvas() {
    if (auto* canvas = static_cast<CanvasWidget*>(Widget())) canvas->owner = nullptr;
}

void Canvas::Backdrop(const Ref<Picture>& picture) {
    backdrop_ = picture;
    if (Widget()) Widget()->update();
}

void Canvas::AcceptFileDrop(const std::string& typeName) {
    acceptedFileTypes_.push_back(typeName);
    if (Widget()) Widget()->setAcceptDrops(true);
}

void Canvas::AcceptPictureDrop() {
    acceptsPictures_ = true;
    if (Widget()) Widget()->setAcceptDrops(true);
}

Ref<DragItem> Canvas::DropFor(const QMimeData& data) const {
    // Of several files only the first counts; it is judged by its name, as the registered types say.
    const QList<QUrl> urls = data.urls();
    if (!urls.isEmpty() && urls.first().isLocalFile()) {
        // A file of another machine is not taken at all: no file, and no picture data either.
        if (!OnThisMachine(urls.first())) return nullptr;
        // The path's bytes as the URI spells them, also where they are no valid UTF-8.
        const std::string path =
            QByteArray::fromPercentEncoding(urls.first().path(QUrl::FullyEncoded).toLatin1()).toStdString();
        const std::string name = FolderItem(path).Name();
        for (const std::string& typeName : acceptedFileTypes_) {
            const FileType* type = FindFileType(typeName);
            if (type && type->MatchesFileName(name)) return std::make_shared<DragItem>(GetFolderItem(path));
        }
    }
    const QStringList formats = data.formats();
    const bool pictureData =
        data.hasImage() || std::any_of(formats.begin(), formats.end(), [](const QString& f) {
            return f.startsWith(QStringLiteral("image/"));
        });
    if (acceptsPictures_ && pictureData) return std::make_shared<DragItem>(nullptr);
    return nullptr;
}

void Canvas::Drop(const Ref<DragItem>& item, int32_t action) {
    RunEvent<DropHandler>("DropObject", item, action);
}

void Canvas::Paint(const Ref<Graphics>& g) {
    RunEvent<PaintHandler>("Paint", g);
}

bool Canvas::ApplyProperty(const std::string& name, const PropertyValue& value) {
    auto* canvas = static_cast<CanvasWidget*>(Widget());
    if (name == "EraseBackground") {
        if (canvas) canvas->setAutoFillBackground(std::get<bool>(value));
        return true;
    }
    if (name == "Name" && canvas) {
        // The canvas shows no text: its name is what assistive tools read.
        canvas->setAccessibleName(QString::fromStdString(std::get<std::string>(value)));
    }
    return RectControl::ApplyProperty(name, value);
}
