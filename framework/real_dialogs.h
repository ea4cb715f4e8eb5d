// The real dialogs behind the platform services: Qt's file dialog and print dialog.
#pragma once

#include <string>

#include "framework/object.h"

class FolderItem;
class Graphics;
class PrinterSetup;

Ref<FolderItem> ShowOpenFileDialog(const std::string& typeNames);
Ref<Graphics> ShowPrintDialog(const Ref<PrinterSetup>& setup);
