// The main window's layout: its window properties and its seventeen controls, built in table order.
#include <vector>

#include "app/MenuBar1.h"
#include "app/property_blocks.h"
#include "editor/Main.h"

namespace {

const std::string kCR = "\r";

enum class Kind { TabPanel, PushButton, Canvas, StaticText };

// An event binding: the event's name and the window's method that handles it.
struct Binding {
    const char* event;
    EventHandler (*bind)(Main& window);
};

template <void (Main::*method)()>
EventHandler Plain(Main& w) {
    return PlainHandler([&w] { (w.*method)(); });
}
template <void (Main::*method)(const Ref<DragItem>&, int32_t)>
EventHandler Drop(Main& w) {
    return DropHandler([&w](const Ref<DragItem>& item, int32_t action) { (w.*method)(item, action); });
}
template <void (Main::*method)(const Ref<Graphics>&)>
EventHandler Paint(Main& w) {
    return PaintHandler([&w](const Ref<Graphics>& g) { (w.*method)(g); });
}

struct ControlRow {
    Kind kind;
    PropertyTable block;
    std::vector<Binding> events;
};

const std::string kPanel = "TabPanel1";

std::vector<ControlRow> ControlTable() {
    using namespace blocks;  // the property-block builders
    return {
        {Kind::TabPanel, TabPanelBlock({"TabPanel1", 58, 38, 716, 438, 0, 6}, "CD" + kCR + "DVD", ""), {}},
        {Kind::PushButton,
         PushButtonBlock({"btnPrintDvd", 559, 435, 80, 20, 2, 0}, "Print", kPanel),
         {{"Action", Plain<&Main::btnPrintDvd_Action>}}},
        {Kind::PushButton,
         PushButtonBlock({"btnPrintCdFront", 96, 420, 80, 20, 1, 3}, "Print front", kPanel),
         {{"Action", Plain<&Main::btnPrintCdFront_Action>}}},
        {Kind::PushButton,
         PushButtonBlock({"btnPrintCdBack", 644, 420, 80, 20, 1, 6}, "Print back", kPanel),
         {{"Action", Plain<&Main::btnPrintCdBack_Action>}}},
        {Kind::PushButton,
         PushButtonBlock({"btnCdBoth", 333, 420, 80, 20, 1, 7}, "Print both", kPanel),
         {{"Action", Plain<&Main::btnCdBoth_Action>}}},
        {Kind::Canvas,
         CanvasBlock({"cdFront", 96, 122, 240, 240, 1, 8}, false, false, kPanel),
         {{"DropObject", Drop<&Main::cdFront_DropObject>},
          {"Open", Plain<&Main::cdFront_Open>},
          {"Paint", Paint<&Main::cdFront_Paint>}}},
        {Kind::StaticText,
         StaticTextBlock({"StaticText1", 159, 232, 109, 34, 1, 0}, "Drop your front " + kCR + "cover here", 1,
                         true, "cdFront"),
         {}},
        {Kind::Canvas,
         CanvasBlock({"cdBack", 395, 122, 329, 240, 1, 9}, true, true, kPanel),
         {{"DropObject", Drop<&Main::cdBack_DropObject>},
          {"Open", Plain<&Main::cdBack_Open>},
          {"Paint", Paint<&Main::cdBack_Paint>}}},
        {Kind::StaticText,
         StaticTextBlock({"StaticText2", 517, 232, 109, 34, 1, 0}, "Drop your back " + kCR + "cover here", 1,
                         true, "cdBack"),
         {}},
        {Kind::Canvas,
         CanvasBlock({"dvdCover", 172, 104, 467, 313, 2, 1}, false, true, kPanel),
         {{"Open", Plain<&Main::dvdCover_Open>},
          {"DropObject", Drop<&Main::dvdCover_DropObject>},
          {"Paint", Paint<&Main::dvdCover_Paint>}}},
        {Kind::StaticText,
         StaticTextBlock({"StaticText3", 336, 244, 109, 33, 2, 0},
                         "Drop your DVD " + kCR + "cover here" + kCR, 1, true, "dvdCover"),
         {}},
        {Kind::StaticText, StaticTextBlock({"naamDVD", 172, 72, 422, 20, 2, 2}, "", 0, false, kPanel), {}},
        {Kind::StaticText,
         StaticTextBlock({"naamCDFront", 96, 82, 255, 20, 1, 10}, "", 0, false, kPanel),
         {}},
        {Kind::StaticText,
         StaticTextBlock({"naamCDBack", 395, 82, 353, 20, 1, 11}, "", 0, false, kPanel),
         {}},
        {Kind::PushButton,
         PushButtonBlock({"btnRotateDvd", 457, 435, 80, 20, 2, 3}, "Rotate", kPanel),
         {{"Action", Plain<&Main::btnRotateDvd_Action>}}},
        {Kind::PushButton,
         PushButtonBlock({"btnRotateCdFront", 188, 420, 80, 20, 1, 12}, "Rotate", kPanel),
         {{"Action", Plain<&Main::btnRotateCdFront_Action>}}},
        {Kind::PushButton,
         PushButtonBlock({"btnRotateCdBack", 552, 420, 80, 20, 1, 13}, "Rotate", kPanel),
         {{"Action", Plain<&Main::btnRotateCdBack_Action>}}},
    };
}

}  // namespace

void Main::Layout() {
    MenuBar(MenuBar1::Instance());
    SetProperties(*this, blocks::WindowBlock({2, 850, 521, 0, false, "Kavrello 4", true}));
}

void Main::CreateControls() {
    CreateControls0();
}

void Main::CreateControls0() {
    for (const ControlRow& row : ControlTable()) {
        const std::string& name = std::get<std::string>(row.block.front().second);
        Ref<RectControl> control;
        switch (row.kind) {
            case Kind::TabPanel:
                control = New<TabPanel>();
                break;
            case Kind::PushButton:
                control = New<PushButton>();
                break;
            case Kind::Canvas:
                control = New<Canvas>();
                break;
            case Kind::StaticText:
                control = New<StaticText>();
                break;
        }
        AddControl(name, control);
        SetProperties(*Control<RectControl>(name), row.block);
        for (const Binding& binding : row.events)
            Control<RectControl>(name)->InstallEventHandler(binding.event, binding.bind(*this));
    }
}
