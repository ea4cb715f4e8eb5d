// The main window: three covers (CD front, CD back, DVD), each with its canvas, labels, buttons, the
// absolute path of its picture file and its preview picture.
#pragma once

#include <string>

#include "editor/covers.h"
#include "framework/controls.h"
#include "framework/menu.h"
#include "framework/window.h"

class FolderItem;
class Picture;

class Main : public Window {
  public:
    // The implicit instance: the open main window, or a new one built and shown.
    static Ref<Main> Instance();
    std::string ClassName() const override { return "Main.Main"; }
    ~Main() override;

    // The rows of the per-cover table.
    static const CoverRow kCdFront, kCdBack, kDvd;

    // Cover state, released in this order when the window goes. The previews are the window's own; the
    // paths are public.
  protected:
    Ref<Picture> piccdBack;
    Ref<Picture> picdvd;
    Ref<Picture> piccdFront;

  public:
    std::string filenaamDVD;
    std::string filenaamCDFront;
    std::string filenaamCDBack;

    // The cover's preview, nil until a picture has been loaded into it.
    const Ref<Picture>& Preview(const CoverRow& cover) const { return this->*cover.preview; }

    // Control events.
    void btnPrintDvd_Action();
    void btnPrintCdFront_Action();
    void btnPrintCdBack_Action();
    void btnCdBoth_Action();
    void cdFront_DropObject(const Ref<DragItem>& item, int32_t action);
    void cdFront_Open();
    void cdFront_Paint(const Ref<Graphics>& g);
    void cdBack_DropObject(const Ref<DragItem>& item, int32_t action);
    void cdBack_Open();
    void cdBack_Paint(const Ref<Graphics>& g);
    void dvdCover_Open();
    void dvdCover_DropObject(const Ref<DragItem>& item, int32_t action);
    void dvdCover_Paint(const Ref<Graphics>& g);
    void btnRotateDvd_Action();
    void btnRotateCdFront_Action();
    void btnRotateCdBack_Action();

    // The menu items of the window's menu bar, by name (nil when the bar has no such item).
    Ref<MenuItem> HelpMenu();
    Ref<MenuItem> HelpWebsite();
    Ref<MenuItem> UntitledSeparator1();
    Ref<MenuItem> HelpHelp();
    Ref<MenuItem> FileMenu();
    Ref<QuitMenuItem> FileQuit();
    Ref<MenuItem> UntitledSeparator0();
    Ref<MenuItem> FileInsertCDbackcover();
    Ref<MenuItem> FileInsertCDfront();
    Ref<MenuItem> UntitledSeparator();
    Ref<MenuItem> FileInsertDVDcover();
    Ref<AppleMenuItem> UntitledAbout();

    // Menu handlers; each returns True once it has handled the choice.
    bool FileInsertCDfront_Action();
    bool FileInsertCDbackcover_Action();
    bool FileInsertDVDcover_Action();
    bool HelpWebsite_Action();
    bool UntitledAbout_Action();

  protected:
    void Layout() override;
    void CreateControls() override;
    void AddMenuHandlers(Window& w) override;
    void Open() override { Event_Open(); }
    void Event_Open() {}

  private:
    void CreateControls0();

    // True while a print is being prepared or its dialog is open: a Print click meanwhile starts nothing.
    bool printing_ = false;
    class PrintInProgress;

    // The steps each cover's handlers share, run with the cover's row.
    void AcceptDrops(const CoverRow& cover);
    void DropOnCover(const CoverRow& cover, const Ref<DragItem>& item);
    void LoadCover(const CoverRow& cover, const Ref<FolderItem>& file);
    bool InsertCover(const CoverRow& cover);
    void PaintCover(const CoverRow& cover, const Ref<Graphics>& g);
    void RotateCover(const CoverRow& cover);
    void PrintCover(const CoverRow& cover);
    void PrintBothCdCovers();
};
