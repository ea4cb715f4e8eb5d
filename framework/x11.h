// What the framework tells the X window system itself, where Qt alone would do otherwise: Qt aborts
// when no display can be opened, and it puts the program's name into an empty window title.
#pragma once

#include <string>

class QWidget;

// Empty when the display that Qt is about to use can be opened, or when Qt will not use X11 at all;
// else why not, in a few words that name the display.
std::string X11DisplayProblem(int argc, char** argv);

// Lets the X window system see the top-level `window`'s empty title as empty. Does nothing for other
// titles or platforms.
void ShowEmptyTitleOnX11(QWidget& window);
// The name the window system has for the top-level `window`: on X11 its _NET_WM_NAME, elsewhere the
// title of its native window.
std::string WindowSystemTitle(QWidget& window);
