// The print buttons' handlers: each is its cover's row of the shared printing steps.
#include "editor/Main.h"

void Main::btnPrintDvd_Action() {
    PrintCover(kDvd);
}
void Main::btnPrintCdFront_Action() {
    PrintCover(kCdFront);
}
void Main::btnPrintCdBack_Action() {
    PrintCover(kCdBack);
}
void Main::btnCdBoth_Action() {
    PrintBothCdCovers();
}
