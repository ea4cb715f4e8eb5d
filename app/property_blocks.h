// Property blocks of the controls of the program's windows: each class's entries in their fixed order,
// with the values the windows share filled in.
#pragma once

#include <cstdint>
#include <string>

#include "framework/properties.h"

namespace blocks {

// Index of a control that belongs to no control array.
constexpr int32_t kNoIndex = INT32_MIN;

struct Place {
    std::string name;
    int32_t left, top, width, height;
    int32_t page;  // tab-panel page, 0 for none
    int32_t tabIndex;
};

// What sets the program's windows apart; every other window property they share.
struct WindowLook {
    int32_t placement;
    int32_t width, height;
    int32_t frame;
    bool hasBackColor;
    std::string title;
    bool minimizeButton;
};

// A window's properties in their fixed order: not resizable, no maximise button, white back colour.
PropertyTable WindowBlock(const WindowLook& look);

PropertyTable TabPanelBlock(const Place& place, const std::string& tabDefinition,
                            const std::string& initialParent);
PropertyTable PushButtonBlock(const Place& place, const std::string& caption,
                              const std::string& initialParent);
PropertyTable CanvasBlock(const Place& place, bool autoDeactivate, bool eraseBackground,
                          const std::string& initialParent);
PropertyTable StaticTextBlock(const Place& place, const std::string& text, int32_t textAlign, bool multiline,
                              const std::string& initialParent);

}  // namespace blocks
