// RuntimeBackgroundTask: a coarse clock decides whether Qt gets to run its event loop this time.
#include "framework/background_task.h"

#include <time.h>

#include <QCoreApplication>
#include <cstdint>

namespace {

// Events wait at most this long while a loop keeps yielding.
constexpr int64_t kIntervalNs = 4'000'000;

std::function<void()> observer;
int64_t lastEventsNs = 0;

// The kernel's coarse clock is read from the vDSO without a system call: a few nanoseconds.
int64_t CoarseNowNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
    return int64_t(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

}  // namespace

void RuntimeBackgroundTask() {
    if (observer) observer();
    const int64_t now = CoarseNowNs();
    if (now - lastEventsNs < kIntervalNs) return;
    lastEventsNs = now;
    if (QCoreApplication::instance() != nullptr) QCoreApplication::processEvents();
}

void SetBackgroundTaskObserver(std::function<void()> newObserver) {
    observer = std::move(newObserver);
}
