// Names and paths from outside as messages show them: each in a directional isolate, so that nothing in
// a name (a right-to-left override, say) can reorder the message's own words around it.
#pragma once

#include <string>

// The first and last characters of a shown name: FIRST STRONG ISOLATE and POP DIRECTIONAL ISOLATE.
inline constexpr char kIsolateStart[] = "\u2068";
inline constexpr char kIsolateEnd[] = "\u2069";

// A file's name or path as a message shows it, in an isolate. A control character (NUL, which no file
// name can hold, a line break, which would end the isolate) or an isolate character, which could close
// it early, shows as its bytes in %XX form.
std::string ShownName(const std::string& text);
// The name of the file at `path` in quotes, as messages name a file.
std::string QuotedName(const std::string& path);
