// The runtime's life: start, the framework's initialisation with its start-up callback, the event loop,
// quitting, the framework's own exit hooks and the exit status.
#pragma once

#include <functional>
#include <string>

// Starts the runtime: the Qt application (an existing one, as in tests, is used as it is), shown to the
// user under `applicationName` (in messages, and as window titles that equal it, without a suffix).
// False, with one line on stderr, when there is no display to show windows on: nothing has started.
bool RuntimeInit(int& argc, char** argv, const std::string& applicationName);
// Initialises the framework and calls `entry` once before it returns; exceptions pass through.
void RunFrameworkInitialization(const std::function<void()>& entry);
// Runs the event loop until the application quits.
void RuntimeRun();
// Ends the event loop (what the quit item does); effective also before the loop has started.
void RuntimeQuit();
// Marks the run as failed, so that the exit status says so.
void RuntimeSetFailed();
// Releases the framework's own globals: the implicit-window registry, then the window list.
void FrameworkExitHooks();
// Ends the runtime and gives the process's exit status (0 unless the run failed).
int RuntimeExit();
