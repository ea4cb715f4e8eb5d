// The window system: whether Qt can reach one at all (Qt aborts when no display can be opened), and what
// the framework tells it itself where Qt alone would do otherwise (Qt puts the program's name into an
// empty window title on X11).
#pragma once

#include <string>

class QWidget;

// Empty when one of the platforms that Qt is about to try can start: an X11 display that opens, a Wayland
// compositor that answers with Qt's Wayland plugin installed, or a platform not checked here; else why
// not, in a few words for a terminal that name the displays tried as typed (see EscapedName).
std::string DisplayProblem(int argc, char** argv);

// Lets the X window system see the top-level `window`'s empty title as empty. Does nothing for other
// titles or platforms.
void ShowEmptyTitleOnX11(QWidget& window);
// The name the window system has for the top-level `window`: on X11 its _NET_WM_NAME, elsewhere the
// title of its native window.
std::string WindowSystemTitle(QWidget& window);
