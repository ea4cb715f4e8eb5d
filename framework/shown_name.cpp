#include "framework/shown_name.h"

#include <cstdio>

#include "framework/folder_item.h"

namespace {

// The length of the UTF-8 sequence at `at` when it must not reach a message as it is, else 0: C0 and C1
// controls, DEL, the separators and the embeddings and overrides U+2028 to U+202E, and the isolate
// characters U+2066 to U+2069.
size_t HiddenLength(const std::string& text, size_t at) {
    const auto byte = [&](size_t i) { return i < text.size() ? uint8_t(text[i]) : 0; };
    if (byte(at) < 0x20 || byte(at) == 0x7f) return 1;
    if (byte(at) == 0xc2 && byte(at + 1) >= 0x80 && byte(at + 1) <= 0x9f) return 2;
    if (byte(at) == 0xe2 && byte(at + 1) == 0x80 && byte(at + 2) >= 0xa8 && byte(at + 2) <= 0xae) return 3;
    if (byte(at) == 0xe2 && byte(at + 1) == 0x81 && byte(at + 2) >= 0xa6 && byte(at + 2) <= 0xa9) return 3;
    return 0;
}

}  // namespace

std::string EscapedName(const std::string& text) {
    std::string shown;
    for (size_t at = 0; at < text.size();) {
        const size_t hidden = HiddenLength(text, at);
        if (hidden == 0) {
            shown += text[at++];
            continue;
        }
        for (size_t end = at + hidden; at < end; ++at) {
            char code[4];
            std::snprintf(code, sizeof code, "%%%02X", unsigned(uint8_t(text[at])));
            shown += code;
        }
    }
    return shown;
}

std::string ShownName(const std::string& text) {
    std::string shown = kIsolateStart;
    shown += EscapedName(text);
    return shown += kIsolateEnd;
}

std::string QuotedName(const std::string& path) {
    // Built by appending: GCC 12 warns falsely about a literal joined to a std::string here.
    std::string quoted(1, '"');
    quoted += ShownName(FolderItem(path).Name());
    quoted += '"';
    return quoted;
}

std::string LeftToRightLines(const std::string& message) {
    std::string lines = "\u200E";
    for (const char c : message) {
        lines += c;
        if (c == '\n') lines += "\u200E";
    }
    return lines;
}
