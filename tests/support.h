// Shared test helpers: a fixture that records the reports of failures and ends each test with the
// program's own shut-down, so that the next one starts from a clean framework.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/FileTypes1.h"
#include "app/MenuBar1.h"
#include "app/startup.h"
#include "framework/application.h"
#include "framework/runtime.h"
#include "framework/services.h"
#include "framework/window.h"

inline bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class FrameworkTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Services().reportFailure = [this](const std::string& message) { reports.push_back(message); };
    }
    void TearDown() override {
        startup::finalize();
        RuntimeExit();
        RestoreRealServices();
    }

    std::vector<std::string> reports;
};
