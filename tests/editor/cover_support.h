// A fixture for the tests of the three covers: the main window, a temporary folder for picture files,
// and each cover's fields and controls reached through its row of the cover table.
#pragma once

#include <QTemporaryDir>
#include <string>

#include "editor/covers.h"
#include "editor/intake.h"
#include "framework/folder_item.h"
#include "framework/picture.h"
#include "picture_files.h"
#include "support.h"

constexpr const CoverRow* kCovers[] = {&covers::kCdFront, &covers::kCdBack, &covers::kDvd};

class CoverTest : public FrameworkTest {
  protected:
    void SetUp() override {
        FrameworkTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        main = Main::Instance();
    }
    std::string File(const char* name) const { return dir.filePath(QString::fromUtf8(name)).toStdString(); }
    Ref<Picture>& Preview(const CoverRow& cover) { return main.get()->*cover.preview; }
    std::string& FileOf(const CoverRow& cover) { return main.get()->*cover.path; }
    bool HintShown(const CoverRow& cover) { return main->Control<StaticText>(cover.hintLabel)->Visible(); }
    std::string NameLabel(const CoverRow& cover) {
        return main->Control<StaticText>(cover.nameLabel)->Text();
    }
    int32_t Page() { return main->Control<TabPanel>("TabPanel1")->Value(); }
    void SetPage(int32_t page) { main->Control<TabPanel>("TabPanel1")->Value(page); }
    void Push(const char* button) { main->Control<PushButton>(button)->Push(); }
    void Load(const CoverRow& cover, const std::string& path) {
        intake::LoadCover(*main, cover, GetFolderItem(path));
    }

    QTemporaryDir dir;
    Ref<Main> main;
};
