#include "write_log.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDateTime>

#include "command.h"
#include "core/file_io.h"

namespace lm::cli {
namespace {

// A CSV field: quoted when it holds a comma, a quote or a line break (quotes doubled, line breaks as "; ").
std::string Field(std::string text) {
    for (std::size_t i = 0; (i = text.find('\n', i)) != std::string::npos;) text.replace(i, 1, "; ");
    if (text.find_first_of(",\"\r") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

constexpr const char* kHeading = "date,port,model,band,area,result,verified,data file,sha256\n";

}  // namespace

WriteLog::WriteLog(const std::string& path, std::string dataFile, std::string sha256)
    : path_(path), dataFile_(std::move(dataFile)), sha256_(std::move(sha256)) {
    if (const FileOutcome opened = AppendToFile(path_, "", kHeading); !opened.ok)
        throw Failure(path_ + ": cannot open the log: " + opened.reason);
}

void WriteLog::Append(const LogRow& row) {
    const std::string now = QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm:ss").toStdString();
    const std::string line = now + ',' + Field(row.port) + ',' + Field(row.model) + ',' + Field(row.band) +
                             ',' + Field(row.area) + ',' + Field(row.result) + ',' +
                             (row.verified ? "yes" : "no") + ',' + Field(dataFile_) + ',' + sha256_ + '\n';
    if (const FileOutcome written = AppendToFile(path_, line, kHeading); !written.ok)
        throw Failure(path_ + ": cannot write the log: " + written.reason);
}

std::string FileSha256(const std::string& path) {
    std::string bytes;
    if (const FileOutcome read = ReadInputFile(path, InputKind::DataFile, bytes); !read.ok)
        throw Failure(path + ": " + read.reason);
    const QByteArray hash = QCryptographicHash::hash(
        QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())), QCryptographicHash::Sha256);
    return hash.toHex().toStdString();
}

}  // namespace lm::cli
