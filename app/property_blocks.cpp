#include "app/property_blocks.h"

namespace blocks {

namespace {

// Name, Index, the rectangle, the four locks, the page and the tab index: how every block begins.
PropertyTable Head(const Place& p) {
    return {{"Name", p.name},     {"Index", kNoIndex},   {"Left", p.left},          {"Top", p.top},
            {"Width", p.width},   {"Height", p.height},  {"LockLeft", false},       {"LockTop", false},
            {"LockRight", false}, {"LockBottom", false}, {"TabPanelIndex", p.page}, {"TabIndex", p.tabIndex}};
}

PropertyTable Join(PropertyTable head, const PropertyTable& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

const std::string kSystemFont = "System";

// Enabled and shown, no help tag, in the system font: the run that buttons and labels share.
PropertyTable ShownInSystemFont() {
    return {{"Enabled", true},        {"Visible", true},         {"HelpTag", std::string()},
            {"AutoDeactivate", true}, {"TextFont", kSystemFont}, {"TextSize", int32_t(0)},
            {"Bold", false},          {"Italic", false},         {"Underline", false}};
}

}  // namespace

PropertyTable WindowBlock(const WindowLook& look) {
    return {{"Placement", look.placement},
            {"Width", look.width},
            {"Height", look.height},
            {"MinWidth", int32_t(64)},
            {"MinHeight", int32_t(64)},
            {"MaxWidth", int32_t(32000)},
            {"MaxHeight", int32_t(32000)},
            {"Frame", look.frame},
            {"Composite", false},
            {"HasBackColor", look.hasBackColor},
            {"BackColor", RGB(255, 255, 255)},
            {"Title", look.title},
            {"Visible", true},
            {"FullScreen", false},
            {"MenuBarVisible", true},
            {"CloseButton", true},
            {"Resizeable", false},
            {"LiveResize", true},
            {"MaximizeButton", false},
            {"MinimizeButton", look.minimizeButton},
            {"MacProcID", int32_t(0)}};
}

PropertyTable TabPanelBlock(const Place& place, const std::string& tabDefinition,
                            const std::string& initialParent) {
    return Join(Head(place), {{"TabStop", true},
                              {"TabDefinition", tabDefinition},
                              {"SmallTabs", false},
                              {"Value", int32_t(0)},
                              {"Visible", true},
                              {"HelpTag", std::string()},
                              {"AutoDeactivate", true},
                              {"Enabled", true},
                              {"TextFont", kSystemFont},
                              {"TextSize", int32_t(0)},
                              {"Bold", false},
                              {"Italic", false},
                              {"Underline", false},
                              {"InitialParent", initialParent}});
}

PropertyTable PushButtonBlock(const Place& place, const std::string& caption,
                              const std::string& initialParent) {
    return Join(
        Join(Head(place), {{"TabStop", true}, {"Caption", caption}, {"Default", false}, {"Cancel", false}}),
        Join(ShownInSystemFont(), {{"InitialParent", initialParent}}));
}

PropertyTable CanvasBlock(const Place& place, bool autoDeactivate, bool eraseBackground,
                          const std::string& initialParent) {
    return Join(Head(place), {{"TabStop", true},
                              {"Visible", true},
                              {"HelpTag", std::string()},
                              {"AutoDeactivate", autoDeactivate},
                              {"Enabled", true},
                              {"UseFocusRing", true},
                              {"AcceptFocus", false},
                              {"AcceptTabs", false},
                              {"EraseBackground", eraseBackground},
                              {"InitialParent", initialParent}});
}

PropertyTable StaticTextBlock(const Place& place, const std::string& text, int32_t textAlign, bool multiline,
                              const std::string& initialParent) {
    return Join(Join(Head(place), {{"Text", text},
                                   {"TextAlign", textAlign},
                                   {"TextColor", RGB(0, 0, 0)},
                                   {"Multiline", multiline}}),
                Join(ShownInSystemFont(), {{"DataSource", std::string()},
                                           {"DataField", std::string()},
                                           {"InitialParent", initialParent}}));
}

}  // namespace blocks
