#include "core/csv_text.h"

#include <cstddef>
#include <cstdint>

namespace lm {

namespace {

constexpr std::string_view kNotText = "not a text file";

// The length of the UTF-8 sequence at text[at], or 0 when the bytes there are no valid sequence (overlong
// forms, surrogates and code points past U+10FFFF included).
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

// The line of the first NUL byte or invalid UTF-8 sequence; 0 when the text is clean.
int FirstBinaryLine(std::string_view text) {
    int line = 1;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = text[at] == '\0' ? 0 : Utf8Length(text, at);
        if (length == 0) return line;
        if (text[at] == '\n') ++line;
        at += length;
    }
    return 0;
}

class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    CsvTable Read() {
        CsvTable table;
        while (at_ < text_.size()) {
            CsvRecord record;
            record.line = line_;
            if (!ReadRecord(record.fields)) {
                table.error = error_;
                table.records.clear();
                return table;
            }
            table.records.push_back(std::move(record));
        }
        return table;
    }

private:
    bool Fail(int line, std::string message) {
        error_ = CsvError{line, std::move(message)};
        return false;
    }

    // At a line break: passes it over and counts the line.
    bool AtLineEnd() {
        if (text_[at_] == '\n') {
            ++at_;
        } else if (text_[at_] == '\r') {
            ++at_;
            if (at_ < text_.size() && text_[at_] == '\n') ++at_;
        } else {
            return false;
        }
        ++line_;
        return true;
    }

    bool ReadRecord(std::vector<std::string>& fields) {
        for (;;) {
            std::string field;
            if (!ReadField(field)) return false;
            fields.push_back(std::move(field));
            if (at_ >= text_.size() || AtLineEnd()) return true;
            ++at_;  // the comma
        }
    }

    bool ReadField(std::string& field) {
        if (at_ < text_.size() && text_[at_] == '"') return ReadQuoted(field);
        for (; at_ < text_.size(); ++at_) {
            const char c = text_[at_];
            if (c == ',' || c == '\n' || c == '\r') break;
            if (c == '"') return Fail(line_, "a quote inside an unquoted field");
            field += c;
        }
        return true;
    }

    bool ReadQuoted(std::string& field) {
        const int opened = line_;
        for (++at_; at_ < text_.size(); ++at_) {
            const char c = text_[at_];
            if (c == '"') {
                if (at_ + 1 < text_.size() && text_[at_ + 1] == '"') {
                    field += '"';
                    ++at_;
                    continue;
                }
                ++at_;
                if (at_ < text_.size() && text_[at_] != ',' && text_[at_] != '\n' && text_[at_] != '\r')
                    return Fail(line_, "text after a closing quote");
                return true;
            }
            if (c == '\n') ++line_;
            field += c;
        }
        return Fail(opened, "unbalanced quotes");
    }

    std::string_view text_;
    std::size_t at_ = 0;
    int line_ = 1;
    CsvError error_;
};

}  // namespace

CsvTable ReadCsv(std::string_view text) {
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    if (text.substr(0, kBom.size()) == kBom) text.remove_prefix(kBom.size());
    if (const int line = FirstBinaryLine(text)) {
        CsvTable table;
        table.error = CsvError{line, std::string(kNotText)};
        return table;
    }
    return Reader(text).Read();
}

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string CsvLine(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) line += (i ? "," : "") + CsvField(fields[i]);
    return line + "\r\n";
}

}  // namespace lm
