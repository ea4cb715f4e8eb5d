#include "app/About.h"

#include "app/logo.h"
#include "app/property_blocks.h"

namespace {

const PropertyTable kWindowProperties = {
    {"Placement", int32_t(3)},
    {"Width", int32_t(512)},
    {"Height", int32_t(169)},
    {"MinWidth", int32_t(64)},
    {"MinHeight", int32_t(64)},
    {"MaxWidth", int32_t(32000)},
    {"MaxHeight", int32_t(32000)},
    {"Frame", int32_t(2)},
    {"Composite", false},
    {"HasBackColor", true},
    {"BackColor", RGB(255, 255, 255)},
    {"Title", std::string()},
    {"Visible", true},
    {"FullScreen", false},
    {"MenuBarVisible", true},
    {"CloseButton", true},
    {"Resizeable", false},
    {"LiveResize", true},
    {"MaximizeButton", false},
    {"MinimizeButton", false},
    {"MacProcID", int32_t(0)},
};

}  // namespace

Ref<About> About::Instance() {
    return ImplicitInstance<About>("About.About");
}

void About::Layout() {
    SetProperties(*this, kWindowProperties);
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
