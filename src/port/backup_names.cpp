#include "port/backup_names.h"

#include <QDateTime>
#include <filesystem>
#include <system_error>

namespace lm {

namespace fs = std::filesystem;

std::string PortTag(const std::string& port) {
    std::string tag = fs::path(port).filename().string();
    for (char& c : tag)
        if (c == ':' || c == '\\') c = '_';
    return tag.empty() ? "port" : tag;
}

std::string BackupTimeStamp() {
    return QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss").toStdString();
}

std::string FreeBackupPath(const std::string& folder, const std::string& port, const std::string& area,
                           const std::string& stamp) {
    const std::string stem = PortTag(port) + "-" + (area.empty() ? "area" : area) + "-" + stamp;
    // The job refuses a name that is taken all the same; the numbers only keep it from having to.
    fs::path path;
    for (int n = 1; n <= 1000; ++n) {
        path = fs::path(folder) / (stem + (n > 1 ? "-" + std::to_string(n) : "") + ".dat");
        std::error_code error;
        if (fs::symlink_status(path, error).type() == fs::file_type::not_found) break;
    }
    return path.string();
}

}  // namespace lm
