// The application object: one per process, registered with the framework, carrying the menu bar.
#pragma once

#include "framework/menu.h"
#include "framework/object.h"

class Application {
  public:
    virtual ~Application() = default;

    const Ref<::MenuBar>& MenuBar() const { return menuBar_; }
    void MenuBar(const Ref<::MenuBar>& bar);

  private:
    Ref<::MenuBar> menuBar_;
};

// The framework takes `app` as the application object and holds it until the runtime ends.
void RuntimeRegisterAppObject(const Ref<Application>& app);
// The registered application object, or nil.
Ref<Application> App();
// Releases the application object (at the runtime's end).
void ReleaseAppObject();
