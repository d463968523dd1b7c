// Text for the exported files: cells held as UTF-8 go out as CP932 bytes
// (code page 932), the encoding the spreadsheet reads these files in.
#pragma once

#include <string>
#include <string_view>

// Characters CP932 cannot hold, and bytes that are not UTF-8, become "?";
// the rest of the text is kept.
std::string toCp932(std::string_view utf8);

// The characters of the text, each once, that CP932 cannot hold (a stray
// byte that is no UTF-8 is not listed: it has no character to show).
std::string lostInCp932(std::string_view utf8);
