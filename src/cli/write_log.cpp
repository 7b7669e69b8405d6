#include "write_log.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "command.h"

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

}  // namespace

WriteLog::WriteLog(const std::string& path, std::string dataFile, std::string sha256)
    : path_(path), dataFile_(std::move(dataFile)), sha256_(std::move(sha256)) {
    std::error_code ec;
    const bool fresh = !std::filesystem::exists(path, ec) || std::filesystem::file_size(path, ec) == 0;
    out_.open(path, std::ios::app | std::ios::binary);
    if (!out_) throw Failure(path + ": cannot open the log: " + std::strerror(errno));
    if (fresh) out_ << "date,port,model,band,area,result,verified,data file,sha256\n" << std::flush;
}

void WriteLog::Append(const LogRow& row) {
    const std::string now = QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm:ss").toStdString();
    out_ << now << ',' << Field(row.port) << ',' << Field(row.model) << ',' << Field(row.band) << ','
         << Field(row.area) << ',' << Field(row.result) << ',' << (row.verified ? "yes" : "no") << ','
         << Field(dataFile_) << ',' << sha256_ << '\n'
         << std::flush;
    if (!out_) throw Failure(path_ + ": cannot write the log");
}

std::string FileSha256(const std::string& path) {
    QFile file(QString::fromStdString(path));
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        throw Failure(path + ": " + file.errorString().toStdString());
    return hash.result().toHex().toStdString();
}

}  // namespace lm::cli
