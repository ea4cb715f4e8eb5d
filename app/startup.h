// The life of the process: runtime start, the start-up steps, the event loop, shut-down and the exit
// status. The main window is opened through `makeDefaultView`, which the executable supplies.
#pragma once

#include <functional>

namespace startup {

using ViewMaker = std::function<void()>;

// The whole life of the program; returns the exit status.
int ProgramMain(int argc, char** argv, const ViewMaker& makeDefaultView);

// Starts the framework with start-up as its callback, then runs the event loop. An exception that
// escapes is reported, marks the run as failed, and skips the rest.
void MainRoutine(const ViewMaker& makeDefaultView);
// The six start-up steps, in order.
void Startup(const ViewMaker& makeDefaultView);
void InitFileTypes();
void NewAppInstance();
void ApplicationAddMenuHandlers();
// Runs the framework's exit hooks, then the program's: the menu bar, then the three file types.
void finalize();

}  // namespace startup
