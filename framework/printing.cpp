#include "framework/printing.h"

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
