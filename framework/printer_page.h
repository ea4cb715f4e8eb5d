// Printer pages for the platform layer: the page Graphics of a QPrinter, counting in dots of the page
// resolution from the printable area's top-left corner; releasing it ends the print job.
#pragma once

#include <QPageSize>
#include <memory>
#include <string>

#include "framework/object.h"

class Graphics;
class QPrinter;

// The one page's Graphics of a job on `printer` (as the print dialog left it). The job starts at the first
// drawing call, which raises PrintFailure when the printer cannot start, e.g. when its output file cannot
// be written; an output file that is there but not a regular file is refused here already.
Ref<Graphics> NewPrinterPage(std::unique_ptr<QPrinter> printer);

// A printer that writes a PDF file at `path` on `paper`, as the print dialog's "print to file" does.
std::unique_ptr<QPrinter> NewPdfPrinter(const std::string& path, QPageSize::PageSizeId paper = QPageSize::A4);

// The page of a job printed to a PDF file at `path` on `paper`.
Ref<Graphics> NewPdfPage(const std::string& path, QPageSize::PageSizeId paper = QPageSize::A4);
