// The cooperative yield: its observer sees every call, and pending events run within a few milliseconds.
#include "framework/background_task.h"

#include <gtest/gtest.h>

#include <QTimer>
#include <chrono>

namespace {

TEST(BackgroundTask, ObserverSeesEveryCallAndPendingEventsRun) {
    int calls = 0;
    SetBackgroundTaskObserver([&] { ++calls; });
    bool ran = false;
    QTimer::singleShot(0, [&] { ran = true; });
    // The yield runs events at most every few milliseconds; keep yielding until they have had a turn.
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (!ran && std::chrono::steady_clock::now() < until) RuntimeBackgroundTask();
    EXPECT_TRUE(ran);
    const int seen = calls;
    for (int i = 0; i < 1000; ++i) RuntimeBackgroundTask();
    EXPECT_EQ(calls, seen + 1000);
    SetBackgroundTaskObserver({});
    RuntimeBackgroundTask();
    EXPECT_EQ(calls, seen + 1000);
}

}  // namespace
