#include "core/printable.h"

#include <cstdint>
#include <cstdio>

namespace lm {

namespace {

constexpr std::string_view kCut = "\u2026";

void AppendEscaped(std::string& out, std::uint8_t byte) {
    char hex[5];
    std::snprintf(hex, sizeof hex, "\\x%02X", byte);
    out += hex;
}

// Appends text to out with its control characters escaped. keepBreaks keeps line breaks and tabs as they
// are. A line that would grow past limit bytes gets "…" and loses the rest (up to the next kept line break).
void AppendPrintable(std::string& out, std::string_view text, bool keepBreaks, std::size_t limit) {
    std::size_t lineStart = out.size();
    bool cut = false;
    std::string piece;
    for (std::size_t at = 0; at < text.size();) {
        const auto byte = static_cast<std::uint8_t>(text[at]);
        if (keepBreaks && byte == '\n') {
            out += '\n';
            lineStart = out.size();
            cut = false;
            ++at;
            continue;
        }
        std::size_t length = Utf8Length(text, at);
        piece.clear();
        if (length == 0) {
            length = 1;
            AppendEscaped(piece, byte);
        } else if (length == 1 && (byte < 0x20 || byte == 0x7F) && !(keepBreaks && byte == '\t')) {
            AppendEscaped(piece, byte);
        } else if (length == 2 && byte == 0xC2 && static_cast<std::uint8_t>(text[at + 1]) < 0xA0) {
            AppendEscaped(piece, byte);  // U+0080..U+009F, the C1 controls (CSI, OSC ...)
            AppendEscaped(piece, static_cast<std::uint8_t>(text[at + 1]));
        } else {
            piece = text.substr(at, length);
        }
        at += length;
        if (cut) continue;
        if (out.size() - lineStart + piece.size() > limit) {
            out += kCut;
            cut = true;
            if (!keepBreaks) return;
            continue;
        }
        out += piece;
    }
}

}  // namespace

std::size_t Utf8Length(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t b = byte(at);
    if (b < 0x80) return 1;
    std::size_t length = 0;
    std::uint32_t code = 0, least = 0;
    if ((b & 0xE0) == 0xC0) {
        length = 2, code = b & 0x1Fu, least = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
        length = 3, code = b & 0x0Fu, least = 0x800;
    } else if ((b & 0xF8) == 0xF0) {
        length = 4, code = b & 0x07u, least = 0x10000;
    } else {
        return 0;
    }
    if (at + length > text.size()) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) return 0;
        code = code << 6 | (byte(at + i) & 0x3Fu);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return length;
}

int FirstNonTextLine(std::string_view text) {
    int line = 1;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = text[at] == '\0' ? 0 : Utf8Length(text, at);
        if (length == 0) return line;
        if (text[at] == '\n') ++line;
        at += length;
    }
    return 0;
}

std::string Printable(std::string_view text) {
    std::string out;
    AppendPrintable(out, text, false, std::string::npos);
    return out;
}

std::string ShownValue(std::string_view text, std::size_t limit) {
    std::string out;
    AppendPrintable(out, text, false, limit);
    return out;
}

std::string PrintableMessage(std::string_view text) {
    std::string out;
    AppendPrintable(out, text, true, kMessageLineLimit);
    return out;
}

}  // namespace lm
