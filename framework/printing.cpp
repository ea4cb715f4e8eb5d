// Printing: the page resolution, printer setups, and the print dialog, Qt's behind the platform service.
#include "framework/printing.h"

#include <QPrintDialog>
#include <QPrinter>

#include "framework/graphics.h"
#include "framework/printer_page.h"
#include "framework/services.h"

namespace {

constexpr int32_t kDefaultPageResolution = 300;
int32_t pageResolution = kDefaultPageResolution;

}  // namespace

int32_t PageResolution() {
    return pageResolution;
}

void SetPageResolution(int32_t dotsPerInch) {
    pageResolution = dotsPerInch > 0 ? dotsPerInch : kDefaultPageResolution;
}

PrinterSetup::PrinterSetup() : horizontalResolution_(pageResolution), verticalResolution_(pageResolution) {}

Ref<Graphics> OpenPrinterDialog(const Ref<PrinterSetup>& setup, const Ref<Window>&) {
    // The dialog is modal for the whole application, so it needs no parent.
    if (!Services().printDialog) return nullptr;
    return Services().printDialog(setup);
}

Ref<Graphics> ShowPrintDialog(const Ref<PrinterSetup>&) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer.get());
    dialog.setWindowTitle(QStringLiteral("Print"));
    // One page a job: there is no range to choose.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() != QDialog::Accepted) return nullptr;
    return NewPrinterPage(std::move(printer));
}
