// Print handlers, still to come.
#include "editor/Main.h"

void Main::btnPrintDvd_Action() {}
void Main::btnPrintCdFront_Action() {}
void Main::btnPrintCdBack_Action() {}
void Main::btnCdBoth_Action() {}
