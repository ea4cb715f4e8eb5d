#include "framework/show_url.h"

#include "framework/services.h"

void ShowURL(const std::string& url) {
    Services().showUrl(url);
}
