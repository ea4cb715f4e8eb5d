// The print buttons' handlers: each is its cover's row of the shared printing steps.
#include "editor/printing.h"

void Main::btnPrintDvd_Action() {
    printing::PrintCover(*this, covers::kDvd);
}
void Main::btnPrintCdFront_Action() {
    printing::PrintCover(*this, covers::kCdFront);
}
void Main::btnPrintCdBack_Action() {
    printing::PrintCover(*this, covers::kCdBack);
}
void Main::btnCdBoth_Action() {
    printing::PrintBothCdCovers(*this);
}
