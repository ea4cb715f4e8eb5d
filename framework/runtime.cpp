#include "framework/runtime.h"

#include <QApplication>
#include <cstdio>
#include <memory>

#include "framework/app_style.h"
#include "framework/application.h"
#include "framework/window.h"
#include "framework/window_system.h"

namespace {

std::unique_ptr<QApplication>& OwnedApplication() {
    static std::unique_ptr<QApplication> app;
    return app;
}
bool quitRequested = false;
bool loopRunning = false;
bool runFailed = false;

}  // namespace

bool RuntimeInit(int& argc, char** argv, const std::string& applicationName) {
    if (!QApplication::instance()) {
        // Qt would abort without a display: say so in one line instead.
        if (const std::string problem = DisplayProblem(argc, argv); !problem.empty()) {
            std::fprintf(stderr, "%s: %s\n", applicationName.c_str(), problem.c_str());
            return false;
        }
        OwnedApplication() = std::make_unique<QApplication>(argc, argv);
        QApplication::setStyle(MakeAppStyle());
    }
    // Window titles stay as the program sets them (the platform adds no program name to them).
    QGuiApplication::setApplicationDisplayName(QString::fromStdString(applicationName));
    // Quitting is the framework's: the quit item, or the last window closing.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    quitRequested = false;
    runFailed = false;
    return true;
}

void RunFrameworkInitialization(const std::function<void()>& entry) {
    entry();
}

void RuntimeRun() {
    if (!quitRequested) {
        loopRunning = true;
        QApplication::exec();
        loopRunning = false;
    }
    quitRequested = false;
}

void RuntimeQuit() {
    quitRequested = true;
    // Outside the loop Qt would only make every later dialog's loop end at once.
    if (loopRunning) QCoreApplication::exit(0);
}

void RuntimeSetFailed() {
    runFailed = true;
}

void FrameworkExitHooks() {
    ReleaseWindowGlobals();
    // Widgets of windows that went are deleted now, while the menus they show still exist.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int RuntimeExit() {
    ReleaseAppObject();
    const int status = runFailed ? 1 : 0;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    OwnedApplication().reset();
    return status;
}
