// The per-cover table: each cover's controls, fields, page, menu item and printed size. Every step that
// works on a cover is written once, as a member of Main run with its row.
#pragma once

#include <cstdint>
#include <string>

#include "framework/object.h"

class Main;
class Picture;

struct CoverRow {
    const char* title;      // how messages name the cover
    const char* canvas;     // the preview canvas
    const char* hintLabel;  // "Drop your ... cover here", inside the canvas
    const char* nameLabel;  // the file's name, above the canvas
    Ref<Picture> Main::*preview;
    std::string Main::*path;
    int32_t page;  // TabPanel1's Value that shows the cover
    const char* rotateButton;
    const char* printButton;
    const char* insertItem;     // the File menu's item for the cover
    int32_t widthMm, heightMm;  // printed size
    int32_t margin;             // printed margin, in printer dots
};
