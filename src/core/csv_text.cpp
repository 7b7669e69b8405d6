#include "core/csv_text.h"

#include <cstddef>
#include <cstdint>

#include "core/printable.h"

namespace lm {

namespace {

constexpr std::string_view kNotText = "not a text file";

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
    if (const int line = FirstNonTextLine(text)) {
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
