#include "app/About.h"

#include "app/logo.h"
#include "app/property_blocks.h"

Ref<About> About::Instance() {
    return ImplicitInstance<About>("About.About");
}

void About::Layout() {
    SetProperties(*this, blocks::WindowBlock({3, 512, 169, 2, true, "", false}));
}

void About::CreateControls() {
    CreateControls0();
}

void About::CreateControls0() {
    using namespace blocks;  // the property-block builders

    AddControl("Canvas1", New<Canvas>());
    // The logo is the canvas's backdrop: with no Paint handler, that is all the canvas shows.
    Control<Canvas>("Canvas1")->Backdrop(kavrello_logo());
    SetProperties(*Control<Canvas>("Canvas1"),
                  CanvasBlock({"Canvas1", 29, 24, 437, 77, 0, 0}, true, true, ""));

    AddControl("StaticText1", New<StaticText>());
    SetProperties(*Control<StaticText>("StaticText1"),
                  StaticTextBlock({"StaticText1", 350, 81, 142, 20, 0, 1}, "version 4.0", 1, false, ""));

    AddControl("PushButton1", New<PushButton>());
    SetProperties(*Control<PushButton>("PushButton1"),
                  PushButtonBlock({"PushButton1", 373, 121, 80, 20, 0, 3}, "Ok", ""));
    const PlainHandler ok = [this] { PushButton1_Action(); };
    Control<PushButton>("PushButton1")->InstallEventHandler("Action", ok);
}

void About::PushButton1_Action() {
    NonNil(Instance(), "the About window").Close();
}
