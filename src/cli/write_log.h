#pragma once
// The production record of the write command: a CSV file that gains one row per radio and attempt.
#include <string>

namespace lm::cli {

struct LogRow {
    std::string port;
    std::string model;
    std::string band;
    std::string area;
    std::string result;
    bool verified = false;
};

class WriteLog {
public:
    // Makes sure path can be appended to (a new or empty file gets the heading first): a regular file, or
    // none yet; anything else (a FIFO, a device, a folder) throws Failure at once, before a radio is touched.
    // dataFile and its SHA-256 go into every row.
    WriteLog(const std::string& path, std::string dataFile, std::string sha256);
    // Appends the row, stamped with the local date and time; throws Failure when it cannot be written.
    void Append(const LogRow& row);

private:
    std::string path_;
    std::string dataFile_;
    std::string sha256_;
};

// The SHA-256 of a data file's bytes in lower-case hex; throws Failure when it cannot be read.
std::string FileSha256(const std::string& path);

}  // namespace lm::cli
