// The page Graphics over a QPainter on a QPrinter: scaled from the page resolution onto the printer's
// own, with one-dot lines and pictures sent at their full resolution.
#include "framework/printer_page.h"

#include <sys/stat.h>

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPen>
#include <QPrintEngine>
#include <QPrinter>
#include <limits>

#include "framework/painter_graphics.h"
#include "framework/picture.h"
#include "framework/picture_file.h"
#include "framework/print_queue.h"
#include "framework/printing.h"
#include "framework/shown_name.h"

namespace {

// The printer and the painter of one job. The painter begins, and with it the job, at the first drawing
// call: a page released before anything is drawn on it starts no job and writes no file.
struct PrintJob {
    std::unique_ptr<QPrinter> printer;
    QPainter painter;
    std::string named;  // " (output file)", or "" when printing to a printer
    QPointF origin;     // the printable area's corner, in device pixels
    double devicePixelsPerDot = 1.0;
    int32_t widthDots = 0;
    int32_t heightDots = 0;
};

// The printer's least margins on the page as it reaches the paper, in points. Printers state them for
// upright paper, and Qt keeps them so in a landscape layout; the print system turns a landscape page a
// quarter turn counter-clockwise onto the paper, so the paper's bottom margin lies at the page's left.
QMarginsF PrintableMargins(const QPrinter& printer) {
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Point);
    const QMarginsF upright = layout.minimumMargins();
    if (layout.orientation() == QPageLayout::Portrait) return upright;
    return {upright.bottom(), upright.left(), upright.top(), upright.right()};
}

// Asks the print system to print the page as it was laid out: in its orientation, unscaled, one page a
// sheet unless the print dialog chose more. Otherwise a queue's own defaults (landscape, fit to the
// printable area, two pages a sheet) would turn or shrink the page, and the covers would not reach the
// paper where their fit was measured.
void AskForTheLayout(QPrinter& printer) {
    // The print engine's list of CUPS job options, name and value in turn, as Qt's print dialog fills it.
    const auto cupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);
    QStringList options = printer.printEngine()->property(cupsOptions).toStringList();
    const auto ask = [&](const QString& name, const QString& value, bool keepChosen) {
        const qsizetype at = options.indexOf(name);
        if (at < 0 || at % 2 != 0 || at + 1 >= options.size())
            options << name << value;
        else if (!keepChosen)
            options[at + 1] = value;
    };
    ask("orientation-requested", printer.pageLayout().orientation() == QPageLayout::Portrait ? "3" : "4",
        false);
    ask("print-scaling", "none", false);
    ask("fit-to-page", "false", false);
    ask("number-up", "1", true);
    printer.printEngine()->setProperty(cupsOptions, options);
}

std::unique_ptr<PrintJob> PrepareJob(std::unique_ptr<QPrinter> printer) {
    auto job = std::make_unique<PrintJob>();
    job->printer = std::move(printer);
    QPrinter& device = NonNil(job->printer, "the printer");
    // The origin is the corner of the printable area: the printer's least margins, not Qt's default ones.
    // The page is painted whole and the origin moved there, since Qt keeps the margins of upright paper.
    const QMarginsF margins = PrintableMargins(device);
    device.setFullPage(true);
    if (device.outputFormat() == QPrinter::NativeFormat) AskForTheLayout(device);
    // An output file is written only as a regular file: a pipe or a device could hold the program.
    const std::string file = QFile::encodeName(device.outputFileName()).toStdString();
    job->named = file.empty() ? std::string() : " (" + ShownName(file) + ")";
    struct stat st;
    if (!file.empty() && ::stat(file.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
        throw PrintFailure("its output file is not a regular file" + job->named);
    job->devicePixelsPerDot = double(device.resolution()) / PageResolution();
    const QRectF printable =
        QRectF(0, 0, device.width(), device.height()).marginsRemoved(margins * (device.resolution() / 72.0));
    job->origin = printable.topLeft();
    job->widthDots = int32_t(printable.width() / job->devicePixelsPerDot);
    job->heightDots = int32_t(printable.height() / job->devicePixelsPerDot);
    return job;
}

// What is wrong with a finished PDF file: gone, or cut short (a full disk) before its closing line.
std::string OutputFileFailure(const QString& output) {
    const std::string path = QFile::encodeName(output).toStdString();
    std::string error;
    const std::unique_ptr<PictureFile> file = OpenRegularFile(path, error);
    if (!file) return "its output file cannot be read back: " + error + " (" + ShownName(path) + ")";
    file->SetLimit(std::numeric_limits<qint64>::max());
    const qint64 size = file->size();
    if (size < 8 || !file->seek(size - 8) || !file->read(8).contains("%%EOF"))
        return "its output file is incomplete, perhaps the disk is full (" + ShownName(path) + ")";
    return {};
}

class PrinterPage final : public PainterGraphics {
  public:
    explicit PrinterPage(std::unique_ptr<PrintJob> job)
        : PainterGraphics(&job->painter, job->widthDots, job->heightDots), job_(std::move(job)) {}
    // Ending the painter ends the job: the page goes to the printer, or the PDF file is complete.
    ~PrinterPage() override { End(); }

    // Ends the job once; says what went wrong, or "" when nothing that can be seen did.
    std::string End() {
        if (!job_->painter.isActive()) return {};
        if (!job_->painter.end() || job_->printer->printerState() == QPrinter::Error)
            return "the printer reported an error";
        const QString output = job_->printer->outputFileName();
        if (!output.isEmpty()) return OutputFileFailure(output);
        // Ending the painter handed the page to the print system as its last request: its answer.
        if (job_->printer->outputFormat() == QPrinter::NativeFormat)
            return QueueRefusal(job_->printer->printerName().toStdString());
        return {};
    }

    void DrawPicture(const Ref<Picture>& picture, int32_t x, int32_t y, int32_t width, int32_t height,
                     int32_t sourceX, int32_t sourceY, int32_t sourceWidth, int32_t sourceHeight) override {
        const Picture& source = NonNil(picture, "picture");
        if (!ResolveSizes(source, width, height, sourceWidth, sourceHeight)) return;
        // The printer gets every source pixel and scales on paper; nothing is scaled down before.
        Paint([&](QPainter& painter) {
            painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
            painter.drawImage(QRectF(x, y, width, height), source.Image(),
                              QRectF(sourceX, sourceY, sourceWidth, sourceHeight));
        });
    }

  protected:
    // The first drawing call begins the painter, and the job, in dots of the page resolution.
    void Paint(const std::function<void(QPainter&)>& draw) override {
        if (!job_->painter.isActive()) {
            if (!job_->painter.begin(job_->printer.get()))
                throw PrintFailure("the printer could not start the page" + job_->named);
            job_->painter.translate(job_->origin);
            job_->painter.scale(job_->devicePixelsPerDot, job_->devicePixelsPerDot);
        }
        PainterGraphics::Paint(draw);
    }

    // One dot of the page resolution wide on paper. A non-cosmetic pen of width 1 would be drawn as a
    // hairline by the PDF engine, so the width is given in device pixels.
    QPen LinePen() const override {
        QPen pen(QColor::fromRgba(ForeColor().value), job_->devicePixelsPerDot);
        pen.setCosmetic(true);
        return pen;
    }

  private:
    std::unique_ptr<PrintJob> job_;
};

}  // namespace

void EndPrintJob(Ref<Graphics>& page) {
    auto* printerPage = dynamic_cast<PrinterPage*>(page.get());
    const std::string failure = printerPage && page.use_count() == 1 ? printerPage->End() : std::string();
    page.reset();
    if (!failure.empty()) throw PrintFailure(failure);
}

Ref<Graphics> NewPrinterPage(std::unique_ptr<QPrinter> printer) {
    return std::make_shared<PrinterPage>(PrepareJob(std::move(printer)));
}

std::unique_ptr<QPrinter> NewPdfPrinter(const std::string& path, QPageSize::PageSizeId paper) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QString::fromStdString(path));
    printer->setPageSize(QPageSize(paper));
    return printer;
}

Ref<Graphics> NewPdfPage(const std::string& path, QPageSize::PageSizeId paper) {
    return NewPrinterPage(NewPdfPrinter(path, paper));
}
