// Printing: the printer setup, the fixed resolution in which every printed page counts its dots, and the
// print dialog that gives the page's Graphics. The job ends when that Graphics is released.
#pragma once

#include <cstdint>
#include <stdexcept>

#include "framework/object.h"

class Graphics;
class Window;

// The dots per inch of every page Graphics, whatever the printer's own resolution: 300 unless set.
int32_t PageResolution();
// Sets the page resolution for the pages and setups made from now on; 0 or less puts back 300.
void SetPageResolution(int32_t dotsPerInch);

// Printer settings; a fresh one reports the page resolution in force when it was made.
class PrinterSetup {
  public:
    PrinterSetup();
    int32_t HorizontalResolution() const { return horizontalResolution_; }
    int32_t VerticalResolution() const { return verticalResolution_; }

  private:
    int32_t horizontalResolution_;
    int32_t verticalResolution_;
};

// Shows the print dialog (the platform's print service). Gives the page's Graphics, in dots of the page
// resolution from the top-left corner of the printable area, or nil when the user cancels. Neither the
// setup nor the parent window is needed; either may be nil.
Ref<Graphics> OpenPrinterDialog(const Ref<PrinterSetup>& setup, const Ref<Window>& parent);

// The real print dialog behind the service: Qt's, with the system's printers and printing to a PDF file.
Ref<Graphics> ShowPrintDialog(const Ref<PrinterSetup>& setup);

// A print job that is known to have failed; what() says why.
class PrintFailure : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Releases the page, which ends its print job (a page with nothing drawn on it has none). Raises
// PrintFailure saying why when the job is known to have failed: the printer reported an error, the print
// system did not take it, or its output file is missing or incomplete.
void EndPrintJob(Ref<Graphics>& page);
