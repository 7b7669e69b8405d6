#pragma once
// Text that came from outside (a file, the radio, the command line, the system) as it may be shown on a
// terminal or in a message box: control characters written as \xNN so that no escape sequence reaches a
// terminal, and long values cut so that a huge line is never echoed whole. Also the one UTF-8 check of the
// program's text files.
#include <cstddef>
#include <string>
#include <string_view>

namespace lm {

// The bytes of a value quoted in a message at most (a key, a line of a file, a name).
constexpr std::size_t kShownValueLimit = 60;
// The bytes of one line of a message at most.
constexpr std::size_t kMessageLineLimit = 1000;

// The length of the UTF-8 sequence at text[at], or 0 when the bytes there are no valid sequence (overlong
// forms, surrogates and code points past U+10FFFF included).
std::size_t Utf8Length(std::string_view text, std::size_t at);

// The line (from 1) of the first NUL byte or invalid UTF-8 sequence; 0 when text is clean UTF-8 text.
int FirstNonTextLine(std::string_view text);

// text with every control character written as \xNN, byte by byte: C0 (line breaks and tabs included), DEL,
// the C1 controls U+0080..U+009F and every byte that is no part of valid UTF-8. Everything else, Chinese
// included, is kept.
std::string Printable(std::string_view text);

// A value for a message: Printable, and cut to about limit bytes with "…" when it is longer (never inside a
// character or an escape).
std::string ShownValue(std::string_view text, std::size_t limit = kShownValueLimit);

// A whole message: as Printable, except that line breaks and tabs stay; each line is cut to
// kMessageLineLimit bytes with "…".
std::string PrintableMessage(std::string_view text);

}  // namespace lm
