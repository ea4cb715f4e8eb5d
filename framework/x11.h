// What the framework asks of the X window system itself, where Qt alone would do otherwise: Qt aborts
// when no display can be opened.
#pragma once

#include <string>

// Empty when the display that Qt is about to use can be opened, or when Qt will not use X11 at all;
// else why not, in a few words that name the display.
std::string X11DisplayProblem(int argc, char** argv);
