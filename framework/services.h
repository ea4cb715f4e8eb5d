// Platform services: the few ways the program reaches the outside world (dialogs, the browser, the
// report of a failure). Each is a replaceable function, so tests stand in for the real ones.
#pragma once

#include <functional>
#include <string>

#include "framework/object.h"

class FolderItem;
class Graphics;
class PrinterSetup;

struct PlatformServices {
    // The open-file dialog for the ";"-separated type names; nil when the user cancels.
    std::function<Ref<FolderItem>(const std::string& typeNames)> openFileDialog;
    // The print dialog; the page's Graphics when the user confirms, nil when cancelled.
    std::function<Ref<Graphics>(const Ref<PrinterSetup>& setup)> printDialog;
    // Opens an address in the user's browser.
    std::function<void(const std::string& url)> showUrl;
    // Tells the user about a failure that no handler caught.
    std::function<void(const std::string& message)> reportFailure;
};

// Hands the address to the desktop's URL handler, through the service; nothing is reported back.
void ShowURL(const std::string& url);

// The services in use; starts with the real ones.
PlatformServices& Services();
// Puts the real services back (tests that replaced some call this when done).
void RestoreRealServices();
