#pragma once
// The production record: a CSV file that gains one row per radio and attempt.
#include <cstdint>
#include <optional>
#include <string>

namespace lm {

struct LogRow {
    std::string port;
    std::string model;
    std::string band;
    std::string area;
    std::string result;
    bool verified = false;
    std::optional<std::uint64_t> idNumber;  // the DTMF ID code the radio was given
};

class ProductionLog {
public:
    // dataFile and its SHA-256 go into every row.
    ProductionLog(std::string path, std::string dataFile, std::string sha256);
    // Makes sure the file can be appended to (a new or empty file gets the heading first): a regular file, or
    // none yet; anything else (a FIFO, a device, a folder) is refused. "" or the reason ("FILE: cannot open
    // the log: ...").
    std::string Open();
    // Appends the row, stamped with the local date and time; "" or the reason it could not be written.
    std::string Append(const LogRow& row);
    const std::string& Path() const { return path_; }

private:
    std::string path_;
    std::string dataFile_;
    std::string sha256_;
};

// The SHA-256 of a data file's bytes in lower-case hex; "" with why set when it cannot be read.
std::string FileSha256(const std::string& path, std::string& why);

}  // namespace lm
