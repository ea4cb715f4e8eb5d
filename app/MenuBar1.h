// The application's one menu bar: File (About, the Insert items, Quit) and Help (Help, Website).
#pragma once

#include "framework/menu.h"
#include "framework/object.h"

class MenuBar1 : public MenuBar {
  public:
    // The one instance, made on the first call; every caller gets the same bar.
    static Ref<MenuBar1> Instance();
    // The global behind Instance(): nil before the first call and after the exit hook.
    static Ref<MenuBar1> implicitInstance;
    // Exit hook: releases the instance.
    static void implicitInstance_Exit();

    // Builds both menus: File, then Help.
    void Constructor();

  private:
    void Untitled0();  // the File menu
    void Untitled1();  // the Help menu
};
