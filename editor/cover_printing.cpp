// Printing the covers: one cover on a page of its own, turned a quarter turn clockwise from its file,
// or both CD covers unturned on one page, and only when all of it fits the page's printable area. Each
// coordinate is a sum of Doubles in millimetres times dots per millimetre, converted once to whole dots;
// margins are whole dots.
#include <algorithm>
#include <charconv>

#include "editor/Main.h"
#include "editor/intake.h"
#include "framework/folder_item.h"
#include "framework/graphics.h"
#include "framework/picture.h"
#include "framework/picture_decoder.h"
#include "framework/printing.h"
#include "framework/runtime_values.h"
#include "picture/GraphicUtils.h"

namespace {

// How far below the CD front's frame the laid CD back's frame starts, in millimetres.
constexpr double kBackShiftMm = 130.0;

int32_t Dots(double value) {
    return RuntimeCvtReal64ToSInt32(value);
}

// The picture of the file at `path`, read in full now, before any dialog: a file that changes or goes
// meanwhile does not change the page. Raises NilObjectException naming the file and why when it fails.
Ref<Picture> ReadPicture(const std::string& path) {
    Ref<FolderItem> file = GetFolderItem(path, 0);
    if (!file) throw PictureFileFailure(path, "it is not an absolute path");
    Ref<Picture> picture = intake::OpenPicture(*file);
    picture->Load();
    return picture;
}

// The page's dots per millimetre, from the setup's dots per inch.
double DotsPerMm(const PrinterSetup& setup) {
    return double(setup.HorizontalResolution()) / 25.4;
}

// A cover of w x h millimetres with margin m dots, its frame starting at the page's corner: frame lines
// top, bottom, left, right, then the whole picture stretched over the cover rectangle.
void DrawCover(Graphics& page, double dotsPerMm, int32_t widthMm, int32_t heightMm, int32_t m,
               const Ref<Picture>& picture, int32_t sourceWidth, int32_t sourceHeight) {
    const double W = dotsPerMm * double(widthMm);
    const double H = dotsPerMm * double(heightMm);
    const double mm = double(m), twoM = double(2 * m);
    page.DrawLine(0, m, Dots(W + twoM), m);
    page.DrawLine(0, Dots(H + mm), Dots(W + twoM), Dots(H + mm));
    page.DrawLine(m, 0, m, Dots(H + twoM));
    page.DrawLine(Dots(W + mm), 0, Dots(W + mm), Dots(H + twoM));
    page.DrawPicture(picture, m, m, Dots(W), Dots(H), 0, 0, sourceWidth, sourceHeight);
}

// The CD back laid on its side below the front: its frame shifted down by Y = D(130), each sum in the
// order written for it.
void DrawLaidBackCover(Graphics& page, double dotsPerMm, const Ref<Picture>& picture, int32_t sourceWidth,
                       int32_t sourceHeight) {
    const CoverRow& back = Main::kCdBack;
    const int32_t m = back.margin;
    const double mm = double(m), twoM = double(2 * m);
    // Laid on its side: the cover's height runs across the page, its width down.
    const double W = dotsPerMm * double(back.heightMm);
    const double H = dotsPerMm * double(back.widthMm);
    const double Y = dotsPerMm * kBackShiftMm;
    page.DrawLine(0, Dots(Y + mm), Dots(W + twoM), Dots(Y + mm));
    page.DrawLine(0, Dots(H + Y + mm), Dots(W + twoM), Dots(H + Y + mm));
    page.DrawLine(m, Dots(Y), m, Dots(H + Y + twoM));
    page.DrawLine(Dots(W + mm), Dots(Y), Dots(W + mm), Dots(H + twoM + Y));
    page.DrawPicture(picture, m, Dots(Y + mm), Dots(W), Dots(H), 0, 0, sourceWidth, sourceHeight);
}

// A page that draws nothing: it keeps the corners of everything drawn on it, in whole dots.
class ExtentPage final : public Graphics {
  public:
    int32_t Width() const override { return right_ + 1; }
    int32_t Height() const override { return bottom_ + 1; }
    void DrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override {
        Add(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2));
    }
    void DrawRect(int32_t x, int32_t y, int32_t width, int32_t height) override {
        if (width >= 0 && height >= 0) Add(x, y, x + width, y + height);
    }
    void DrawPicture(const Ref<Picture>& picture, int32_t x, int32_t y, int32_t width, int32_t height,
                     int32_t, int32_t, int32_t, int32_t) override {
        if (width == kPictureOwnSize) width = NonNil(picture, "picture").Width();
        if (height == kPictureOwnSize) height = NonNil(picture, "picture").Height();
        if (width > 0 && height > 0) Add(x, y, x + width - 1, y + height - 1);
    }
    Color Pixel(int32_t, int32_t) const override { return Color{}; }
    void SetPixel(int32_t x, int32_t y, Color) override { Add(x, y, x, y); }

    // Whether everything drawn lies on a page of that many dots, from its corner.
    bool Within(const Graphics& page) const {
        return left_ >= 0 && top_ >= 0 && right_ < page.Width() && bottom_ < page.Height();
    }

  private:
    void Add(int32_t left, int32_t top, int32_t right, int32_t bottom) {
        left_ = std::min(left_, left), top_ = std::min(top_, top);
        right_ = std::max(right_, right), bottom_ = std::max(bottom_, bottom);
    }
    int32_t left_ = 0, top_ = 0, right_ = -1, bottom_ = -1;
};

// A length in millimetres with one decimal, written the same in every locale.
std::string MmText(double mm) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, mm, std::chars_format::fixed, 1).ptr;
    return std::string(text, end);
}

// "w x h mm" of a cover's size in whole millimetres.
std::string CoverSize(int32_t widthMm, int32_t heightMm) {
    return std::to_string(widthMm) + " x " + std::to_string(heightMm) + " mm";
}

// A fresh printer setup and the print dialog, then `draw` on the page in its dots per millimetre, read
// from the setup after the dialog; nothing when the user cancels. What `draw` would draw must fit the
// page's printable area, or nothing is printed and the failure says what `drawn` (the covers) needs and
// what the page has, in millimetres. A print that fails is reported as the failure of `what`, which names
// the covers' files.
template <class Draw>
void PrintPage(Main& window, const std::string& what, const std::string& drawn, Draw draw) {
    try {
        Ref<PrinterSetup> setup = window.New<PrinterSetup>();
        Ref<Graphics> page = OpenPrinterDialog(nullptr, nullptr);
        if (!page) return;
        const double dotsPerMm = DotsPerMm(*setup);
        ExtentPage extent;
        draw(extent, dotsPerMm);
        if (!extent.Within(*page))
            throw PrintFailure(drawn + " need " + MmText(extent.Width() / dotsPerMm) + " x " +
                               MmText(extent.Height() / dotsPerMm) +
                               " mm, but the page's printable area is " + MmText(page->Width() / dotsPerMm) +
                               " x " + MmText(page->Height() / dotsPerMm) + " mm");
        draw(*page, dotsPerMm);
        EndPrintJob(page);
    } catch (const PrintFailure& failure) {
        throw PrintFailure(what + " not printed: " + failure.what() + ".");
    }
}

// The picture turned a quarter turn clockwise for the page. The turn fails only when its new picture
// cannot be had: that is reported as the file that could not be printed for want of memory.
Ref<Picture> TurnForPrinting(const Ref<Picture>& picture, const std::string& path) {
    try {
        return GraphicUtils::Rotate90(picture, false);
    } catch (const NilObjectException&) {
        throw PictureFileFailure(path,
                                 "memory ran out while turning it for printing, so nothing was printed");
    }
}

}  // namespace

// Marks one print of the window as under way for its whole run, whichever way it ends; false when
// another print of the window was already under way, which this one then leaves alone.
class Main::PrintInProgress {
  public:
    explicit PrintInProgress(Main& window) : window_(window), first_(!window.printing_) {
        window.printing_ = true;
    }
    ~PrintInProgress() {
        if (first_) window_.printing_ = false;
    }
    explicit operator bool() const { return first_; }

  private:
    Main& window_;
    const bool first_;
};

// Prints `cover` from its file, turned, at its size with its four frame lines. Does nothing when the
// cover has no file or another print is under way; a file that cannot be read is reported before the
// print dialog opens.
void Main::PrintCover(const CoverRow& cover) {
    if (RuntimeStringCompare(this->*cover.path, "") == 0) return;
    const PrintInProgress once(*this);
    if (!once) return;
    // The run's own copy: a new intake during the turn's yields does not change what this run prints.
    const std::string path = this->*cover.path;
    Ref<Picture> picture = TurnForPrinting(ReadPicture(path), path);
    const int32_t sourceWidth = NonNil(picture, "the turned picture").Width();
    const int32_t sourceHeight = picture->Height();
    PrintPage(*this, std::string("The ") + cover.title + " " + QuotedName(path) + " was",
              "the " + CoverSize(cover.widthMm, cover.heightMm) + " cover and its frame lines",
              [&](Graphics& page, double dotsPerMm) {
                  DrawCover(page, dotsPerMm, cover.widthMm, cover.heightMm, cover.margin, picture,
                            sourceWidth, sourceHeight);
              });
}

// Prints the CD front and, D(130) lower and laid on its side, the CD back on one page, neither turned.
// Does nothing unless both have a file, or when another print is under way.
void Main::PrintBothCdCovers() {
    const CoverRow& front = kCdFront;
    if (RuntimeStringCompare(filenaamCDFront, "") == 0) return;
    if (RuntimeStringCompare(filenaamCDBack, "") == 0) return;
    const PrintInProgress once(*this);
    if (!once) return;
    Ref<Picture> frontPicture = ReadPicture(filenaamCDFront);
    const int32_t frontWidth = frontPicture->Width();
    const int32_t frontHeight = frontPicture->Height();
    Ref<Picture> backPicture = ReadPicture(filenaamCDBack);
    const int32_t backWidth = backPicture->Width();
    const int32_t backHeight = backPicture->Height();
    PrintPage(*this,
              "The CD covers " + QuotedName(filenaamCDFront) + " and " + QuotedName(filenaamCDBack) + " were",
              "the " + CoverSize(front.widthMm, front.heightMm) + " and " +
                  CoverSize(kCdBack.heightMm, kCdBack.widthMm) + " covers and their frame lines",
              [&](Graphics& page, double dotsPerMm) {
                  DrawCover(page, dotsPerMm, front.widthMm, front.heightMm, front.margin, frontPicture,
                            frontWidth, frontHeight);
                  DrawLaidBackCover(page, dotsPerMm, backPicture, backWidth, backHeight);
              });
}
