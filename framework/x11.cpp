#include "framework/x11.h"

#include <xcb/xcb.h>

#include <QByteArray>
#include <cstdlib>
#include <cstring>

std::string X11DisplayProblem(int argc, char** argv) {
    // Qt takes its platform from -platform, else QT_QPA_PLATFORM, else X11 unless the session is Wayland.
    const char* display = std::getenv("DISPLAY");
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "-platform", 9) == 0) return {};
        if (std::strcmp(argv[i], "-display") == 0 && i + 1 < argc) display = argv[i + 1];
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
