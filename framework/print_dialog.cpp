// The real print dialog: Qt's, listing the system's printers and printing to a PDF file.
#include <QPrintDialog>
#include <QPrinter>

#include "framework/graphics.h"
#include "framework/printer_page.h"
#include "framework/printing.h"

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
