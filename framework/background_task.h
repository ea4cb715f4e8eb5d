// The cooperative yield: RuntimeBackgroundTask lets the event loop handle pending events, throttled so
// that long loops may call it thousands of times a second at next to no cost.
#pragma once

#include <functional>

// Lets Qt process pending events, at most once every few milliseconds; handlers may run inside it.
void RuntimeBackgroundTask();

// Called on every RuntimeBackgroundTask call, throttled or not; tests count yields with it.
// An empty function removes the observer.
void SetBackgroundTaskObserver(std::function<void()> observer);
