#include "app/startup.h"

#include <exception>

#include "app/FileTypes1.h"
#include "app/MenuBar1.h"
#include "app/kavrello4mac.h"
#include "framework/dispatch.h"
#include "framework/runtime.h"

namespace startup {

int ProgramMain(int argc, char** argv, const ViewMaker& makeDefaultView) {
    if (!RuntimeInit(argc, argv, "Kavrello 4")) return 1;
    MainRoutine(makeDefaultView);
    finalize();
    return RuntimeExit();
}

void MainRoutine(const ViewMaker& makeDefaultView) {
    try {
        RunFrameworkInitialization([&] { Startup(makeDefaultView); });
        RuntimeRun();
    } catch (...) {
        UnhandledException(std::current_exception());
        RuntimeSetFailed();
    }
}

void Startup(const ViewMaker& makeDefaultView) {
    InitFileTypes();
    NewAppInstance();
    ApplicationAddMenuHandlers();
    makeDefaultView();
}

void InitFileTypes() {
    FileTypes1::Initialize();
}

void NewAppInstance() {
    auto app = std::make_shared<kavrello4mac>();
    NonNil(app, "the application object").MenuBar(MenuBar1::Instance());
    RuntimeRegisterAppObject(app);
}

void ApplicationAddMenuHandlers() {
    // The application object binds no menu item: the main window binds them, the framework quits.
}

void finalize() {
    FrameworkExitHooks();
    MenuBar1::implicitInstance_Exit();
    FileTypes1::pJpeg_Exit();
    FileTypes1::pPng_Exit();
    FileTypes1::pImageXBmp_Exit();
}

}  // namespace startup
