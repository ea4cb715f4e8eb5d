// Names and paths from outside as messages show them: each in a directional isolate, so that nothing in
// a name (a right-to-left override, say) can reorder the message's own words around it.
#pragma once

#include <string>

// The first and last characters of a shown name: FIRST STRONG ISOLATE and POP DIRECTIONAL ISOLATE.
inline constexpr char kIsolateStart[] = "\u2068";
inline constexpr char kIsolateEnd[] = "\u2069";

// `text` as typed, with each character that would act instead of showing as its bytes in %XX form: control
// characters (NUL, which no file name can hold, or a line break), the line and paragraph separators, and
// the direction embeddings, overrides and isolates. Fit for a terminal, which knows no isolates.
std::string EscapedName(const std::string& text);
// A file's name or path as a message shows it: escaped, in an isolate that nothing in it can close early.
std::string ShownName(const std::string& text);
// The name of the file at `path` in quotes, as messages name a file.
std::string QuotedName(const std::string& path);
// `message` with each of its lines begun by LEFT-TO-RIGHT MARK: Qt gives a line the direction of its first
// strong letter even when that is inside a name's isolate, and would turn the English text around it.
std::string LeftToRightLines(const std::string& message);
