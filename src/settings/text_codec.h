#pragma once
// Text of settings and language files: UTF-8 (with or without byte order mark) or the legacy Chinese 8-bit
// code page (GBK). Everything inside the program is UTF-8.
#include <string>
#include <string_view>

namespace lm {

bool IsValidUtf8(std::string_view bytes);
// Valid UTF-8 is returned without its byte order mark; anything else is decoded from GBK (bytes that are not
// GBK either become U+FFFD).
std::string DecodeFileText(std::string_view bytes);

}  // namespace lm
