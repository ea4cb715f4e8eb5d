// The print dialog: still to come.
#include "framework/graphics.h"
#include "framework/real_dialogs.h"

Ref<Graphics> ShowPrintDialog(const Ref<PrinterSetup>&) {
    return nullptr;
}
