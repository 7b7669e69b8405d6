#pragma once
// The production record of the write command: a CSV file that gains one row per radio and attempt.
#include <fstream>
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
    // Opens path for appending (a new or empty file gets the heading first); throws Failure when it cannot.
    // dataFile and its SHA-256 go into every row.
    WriteLog(const std::string& path, std::string dataFile, std::string sha256);
    // Appends the row, stamped with the local date and time; throws Failure when it cannot be written.
    void Append(const LogRow& row);

private:
    std::string path_;
    std::ofstream out_;
    std::string dataFile_;
    std::string sha256_;
};

// The SHA-256 of a file's bytes in lower-case hex; throws Failure when it cannot be read.
std::string FileSha256(const std::string& path);

}  // namespace lm::cli
