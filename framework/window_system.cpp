#include "framework/window_system.h"

#include <QtGui/qguiapplication_platform.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <QDir>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibraryInfo>
#include <QPluginLoader>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <cstring>

#include "framework/shown_name.h"

namespace {

// The offscreen platform offers the X11 interface too, without a connection.
xcb_connection_t* X11Connection() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

std::string X11Problem(const char* display) {
    if (!display || !*display) return "no display is set (DISPLAY is empty)";
    xcb_connection_t* connection = xcb_connect(display, nullptr);
    const bool opened = !xcb_connection_has_error(connection);
    xcb_disconnect(connection);
    return opened ? std::string() : "cannot open display \"" + EscapedName(display) + "\"";
}

// Whether a Wayland compositor accepts a connection where the Wayland client library would look for one.
bool WaylandCompositorAnswers() {
    if (qEnvironmentVariableIsSet("WAYLAND_SOCKET")) return true;  // a connection handed down already
    QByteArray path = qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ? qgetenv("WAYLAND_DISPLAY") : "wayland-0";
    if (!path.startsWith('/')) {
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) return false;
        path = qgetenv("XDG_RUNTIME_DIR") + '/' + path;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (size_t(path.size()) >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const bool answered =
        socket >= 0 && ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (socket >= 0) ::close(socket);
    return answered;
}

// Whether a platform plugin with the key `name` lies where Qt looks for one.
bool PlatformPluginInstalled(const QString& name, const QString& pluginFolder) {
    QStringList folders{pluginFolder, QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms",
                        QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath() + "/platforms"};
    for (const QString& path : qEnvironmentVariable("QT_PLUGIN_PATH").split(':', Qt::SkipEmptyParts))
        folders << path + "/platforms";
    for (const QString& folder : folders) {
        if (folder.isEmpty()) continue;
        for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files)) {
            const QJsonObject data = QPluginLoader(file.filePath()).metaData().value("MetaData").toObject();
            for (const QJsonValue key : data.value("Keys").toArray())
                if (key.toString().compare(name, Qt::CaseInsensitive) == 0) return true;
        }
    }
    return false;
}

std::string WaylandProblem(const QString& platform, const QString& pluginFolder) {
    if (!WaylandCompositorAnswers()) {
        const QByteArray name = qgetenv("WAYLAND_DISPLAY");
        return "cannot connect to Wayland display \"" +
               EscapedName(name.isEmpty() ? "wayland-0" : name.toStdString()) + "\"";
    }
    if (!PlatformPluginInstalled(platform, pluginFolder))
        return "the Wayland platform plugin is not installed";
    return {};
}

}  // namespace

std::string DisplayProblem(int argc, char** argv) {
    // The platforms Qt tries in turn: -platform, else QT_QPA_PLATFORM, else Wayland before X11 when the
    // session looks like Wayland, else X11. Qt aborts when none of them starts.
    QByteArray platforms =
        qEnvironmentVariableIsSet("WAYLAND_DISPLAY") || qgetenv("XDG_SESSION_TYPE") == "wayland"
            ? "wayland;xcb"
            : "xcb";
    if (const QByteArray chosen = qgetenv("QT_QPA_PLATFORM"); !chosen.isEmpty()) platforms = chosen;
    const char* display = std::getenv("DISPLAY");
    QString pluginFolder = qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH");
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string option = argv[i][0] == '-' && argv[i][1] == '-' ? argv[i] + 1 : argv[i];
        if (option == "-platform")
            platforms = argv[++i];
        else if (option == "-display")
            display = argv[++i];
        else if (option == "-platformpluginpath")
            pluginFolder = QString::fromLocal8Bit(argv[++i]);
    }
    std::string problems;
    for (const QByteArray& platform : platforms.split(';')) {
        const QByteArray name = platform.split(':').constFirst();
        std::string problem;
        if (name == "xcb")
            problem = X11Problem(display);
        else if (name.startsWith("wayland"))
            problem = WaylandProblem(QString::fromLatin1(name), pluginFolder);
        else if (name.isEmpty())
            continue;
        // This platform starts, or Qt decides about one not checked here.
        if (problem.empty()) return {};
        problems += (problems.empty() ? "" : ", and ") + problem;
    }
    return problems;
}

void ShowEmptyTitleOnX11(QWidget& window) {
    xcb_connection_t* connection = X11Connection();
    if (!connection || !window.isWindow() || !window.windowTitle().isEmpty() ||
        !window.testAttribute(Qt::WA_WState_Created))
        return;
    // Qt gives the window system the program's name for an empty title; the name it shows is set empty.
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window.winId()),
                        Atom(connection, "_NET_WM_NAME"), Atom(connection, "UTF8_STRING"), 8, 0, nullptr);
    xcb_flush(connection);
}

std::string WindowSystemTitle(QWidget& window) {
    xcb_connection_t* connection = X11Connection();
    if (!connection) return window.windowHandle() ? window.windowHandle()->title().toStdString() : "";
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection,
        xcb_get_property(connection, 0, xcb_window_t(window.winId()), Atom(connection, "_NET_WM_NAME"),
                         Atom(connection, "UTF8_STRING"), 0, 1024),
        nullptr);
    std::string title;
    if (reply)
        title.assign(static_cast<const char*>(xcb_get_property_value(reply)),
                     size_t(xcb_get_property_value_length(reply)));
    std::free(reply);
    return title;
}
