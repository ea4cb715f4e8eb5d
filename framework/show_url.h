// Opening an address in the user's web browser, through the platform service.
#pragma once

#include <string>

// Hands the address to the desktop's URL handler; nothing is reported back.
void ShowURL(const std::string& url);
