#include "framework/application.h"

namespace {
Ref<Application>& AppObject() {
    static Ref<Application> app;
    return app;
}
}  // namespace

void Application::MenuBar(const Ref<::MenuBar>& bar) {
    menuBar_ = bar;
    RefreshMenuEnabling();
}

void RuntimeRegisterAppObject(const Ref<Application>& app) {
    AppObject() = app;
}

Ref<Application> App() {
    return AppObject();
}

void ReleaseAppObject() {
    AppObject().reset();
}
