// Printer pages for the platform layer: the page Graphics of a QPrinter, counting in dots of the page
// resolution from the printable area's top-left corner; releasing it ends the print job.
#pragma once

#include <memory>
#include <string>

#include "framework/object.h"

class Graphics;
class QPrinter;

// Starts the job on `printer` (as the print dialog left it) and gives its one page's Graphics. Raises
// std::runtime_error when the printer cannot start, e.g. when its output file cannot be written.
Ref<Graphics> NewPrinterPage(std::unique_ptr<QPrinter> printer);

// A printer that writes a PDF file at `path` on A4 paper, as the print dialog's "print to file" does.
std::unique_ptr<QPrinter> NewPdfPrinter(const std::string& path);

// The page of a job printed to a PDF file at `path`.
Ref<Graphics> NewPdfPage(const std::string& path);
