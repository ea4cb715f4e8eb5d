#include "framework/x11.h"

#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <cstring>

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

}  // namespace

std::string X11DisplayProblem(int argc, char** argv) {
    // Qt takes its platform from -platform, else QT_QPA_PLATFORM, else X11 unless the session is Wayland.
    const char* display = std::getenv("DISPLAY");
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "-platform" || option == "--platform") return {};
        if ((option == "-display" || option == "--display") && i + 1 < argc) display = argv[i + 1];
    }
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb")) return {};
    if (platform.isEmpty() &&
        (qEnvironmentVariableIsSet("WAYLAND_DISPLAY") || qgetenv("XDG_SESSION_TYPE") == "wayland"))
        return {};
    if (!display || !*display) return "no display is set (DISPLAY is empty)";
    xcb_connection_t* connection = xcb_connect(display, nullptr);
    const bool opened = !xcb_connection_has_error(connection);
    xcb_disconnect(connection);
    return opened ? std::string() : "cannot open display \"" + std::string(display) + "\"";
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
