#pragma once
// Comma-separated values (RFC 4180): fields in double quotes may hold commas, line breaks and doubled quotes;
// records end in CRLF or LF. The reader knows the line each record starts on, so that a caller can name it.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lm {

struct CsvRecord {
    int line = 0;  // the line (from 1) the record starts on
    std::vector<std::string> fields;
};

// Why a text was refused: "line 4: unbalanced quotes".
struct CsvError {
    int line = 0;
    std::string message;
    std::string Text() const { return "line " + std::to_string(line) + ": " + message; }
};

struct CsvTable {
    std::vector<CsvRecord> records;
    std::optional<CsvError> error;  // set: the text was refused and records is empty
};

// The records of text. A UTF-8 byte order mark at the start is passed over. Refused: a NUL byte or bytes that
// are not UTF-8 ("not a text file", on the line they stand in), a quoted field not closed before the end
// ("unbalanced quotes", on the line it opens), and a quote inside an unquoted field or text after a closing
// quote. A blank line is a record of one empty field; a line break at the very end makes no record.
CsvTable ReadCsv(std::string_view text);

// A field as written: quoted (quotes doubled) when it holds a comma, a quote or a line break.
std::string CsvField(std::string_view text);
// A record as written: the fields joined by commas, ending in CRLF.
std::string CsvLine(const std::vector<std::string>& fields);

}  // namespace lm
