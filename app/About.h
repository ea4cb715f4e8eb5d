// The About box: the logo, "version 4.0" and an "Ok" button that closes it. One box at a time: its
// accessor gives the open one, or builds a new one.
#pragma once

#include <string>

#include "framework/controls.h"
#include "framework/window.h"

class About : public Window {
  public:
    // The implicit instance: the open About box, or a new one built and shown.
    static Ref<About> Instance();
    std::string ClassName() const override { return "About.About"; }

    // The box's controls, found by name.
    Ref<Canvas> Canvas1() const { return Control<Canvas>("Canvas1"); }
    Ref<StaticText> StaticText1() const { return Control<StaticText>("StaticText1"); }
    Ref<PushButton> PushButton1() const { return Control<PushButton>("PushButton1"); }

    // "Ok": closes the box.
    void PushButton1_Action();

  protected:
    void Layout() override;
    void CreateControls() override;

  private:
    void CreateControls0();
};
