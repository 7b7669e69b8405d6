#include "port/production_log.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDateTime>

#include "core/file_io.h"

namespace lm {
namespace {

// A CSV field: quoted when it holds a comma, a quote or a line break (quotes doubled, line breaks as "; ").
std::string Field(std::string text) {
    for (std::size_t i = 0; (i = text.find('\n', i)) != std::string::npos;) text.replace(i, 1, "; ");
    if (text.find_first_of(",\"\r") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

constexpr const char* kHeading = "date,port,model,band,area,result,verified,data file,sha256,id number\n";

}  // namespace

ProductionLog::ProductionLog(std::string path, std::string dataFile, std::string sha256)
    : path_(std::move(path)), dataFile_(std::move(dataFile)), sha256_(std::move(sha256)) {}

std::string ProductionLog::Open() {
    if (const FileOutcome opened = AppendToFile(path_, "", kHeading); !opened.ok)
        return path_ + ": cannot open the log: " + opened.reason;
    return {};
}

std::string ProductionLog::Append(const LogRow& row) {
    const std::string now = QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm:ss").toStdString();
    const std::string line = now + ',' + Field(row.port) + ',' + Field(row.model) + ',' + Field(row.band) +
                             ',' + Field(row.area) + ',' + Field(row.result) + ',' +
                             (row.verified ? "yes" : "no") + ',' + Field(dataFile_) + ',' + sha256_ + ',' +
                             (row.idNumber ? std::to_string(*row.idNumber) : "") + '\n';
    if (const FileOutcome written = AppendToFile(path_, line, kHeading); !written.ok)
        return path_ + ": cannot write the log: " + written.reason;
    return {};
}

std::string FileSha256(const std::string& path, std::string& why) {
    std::string bytes;
    if (const FileOutcome read = ReadInputFile(path, InputKind::DataFile, bytes); !read.ok) {
        why = path + ": " + read.reason;
        return {};
    }
    const QByteArray hash = QCryptographicHash::hash(
        QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())), QCryptographicHash::Sha256);
    return hash.toHex().toStdString();
}

}  // namespace lm
