// A fixture for the tests of the three covers: the main window, a temporary folder for picture files,
// and each cover's fields and controls reached through its row of the cover table.
#pragma once

#include <QTemporaryDir>
#include <string>

#include "editor/Main.h"
#include "framework/drag_item.h"
#include "framework/folder_item.h"
#include "framework/picture.h"
#include "picture_files.h"
#include "support.h"

// What `load` is refused with, or "no refusal".
inline std::string Refusal(const std::function<void()>& load) {
    try {
        load();
    } catch (const NilObjectException& e) {
        return e.what();
    }
    return "no refusal";
}

constexpr const CoverRow* kCovers[] = {&Main::kCdFront, &Main::kCdBack, &Main::kDvd};

class CoverTest : public FrameworkTest {
  protected:
    void SetUp() override {
        FrameworkTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        main = Main::Instance();
    }
    std::string File(const char* name) const { return dir.filePath(QString::fromUtf8(name)).toStdString(); }
    const Ref<Picture>& Preview(const CoverRow& cover) { return main->Preview(cover); }
    std::string& FileOf(const CoverRow& cover) { return main.get()->*cover.path; }
    bool HintShown(const CoverRow& cover) { return main->Control<StaticText>(cover.hintLabel)->Visible(); }
    std::string NameLabel(const CoverRow& cover) {
        return main->Control<StaticText>(cover.nameLabel)->Text();
    }
    // What a cover shows and holds: its file, its name label, whether its hint shows, and its preview.
    std::string State(const CoverRow& cover) {
        return FileOf(cover) + "|" + NameLabel(cover) + (HintShown(cover) ? "|hint|" : "|no hint|") +
               std::to_string(reinterpret_cast<uintptr_t>(Preview(cover).get()));
    }
    int32_t Page() { return main->Control<TabPanel>("TabPanel1")->Value(); }
    void SetPage(int32_t page) { main->Control<TabPanel>("TabPanel1")->Value(page); }
    void Push(const char* button) { main->Control<PushButton>(button)->Push(); }
    // Drops the file on the cover's canvas through the cover's own DropObject handler.
    void Load(const CoverRow& cover, const std::string& path) {
        void (Main::*drop)(const Ref<DragItem>&, int32_t) =
            &cover == &Main::kCdFront  ? &Main::cdFront_DropObject
            : &cover == &Main::kCdBack ? &Main::cdBack_DropObject
                                       : &Main::dvdCover_DropObject;
        (main.get()->*drop)(std::make_shared<DragItem>(GetFolderItem(path)), 0);
    }

    QTemporaryDir dir;
    Ref<Main> main;
};
