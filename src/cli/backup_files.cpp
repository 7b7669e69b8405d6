#include "backup_files.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include <unistd.h>

#include "command.h"

namespace lm::cli {

namespace fs = std::filesystem;

std::string PortTag(const std::string& port) {
    std::string tag = fs::path(port).filename().string();
    for (char& c : tag)
        if (c == ':' || c == '\\') c = '_';
    return tag.empty() ? "port" : tag;
}

std::string BackupPath(const std::string& path, const std::string& portTag, int round) {
    if (portTag.empty() && round == 1) return path;
    const fs::path p(path);
    std::string stem = p.stem().string();
    if (!portTag.empty()) stem += "-" + portTag;
    if (round > 1) stem += "-" + std::to_string(round);
    return (p.parent_path() / (stem + p.extension().string())).string();
}

void RequireWritableFolder(const std::string& path) {
    fs::path folder = fs::path(path).parent_path();
    if (folder.empty()) folder = ".";
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) throw Failure(path + ": the folder " + folder.string() + " does not exist");
    if (access(folder.c_str(), W_OK | X_OK) != 0)
        throw Failure(path + ": cannot write in the folder " + folder.string() + ": " + std::strerror(errno));
}

void CheckBackupTarget(const std::string& backup, const std::string& input, bool force) {
    std::error_code ec;
    const bool exists = fs::exists(fs::symlink_status(backup, ec));
    std::error_code ecBackup, ecInput;
    const fs::path canonicalBackup = fs::weakly_canonical(backup, ecBackup);
    const fs::path canonicalInput = fs::weakly_canonical(input, ecInput);
    if ((exists && fs::equivalent(backup, input, ec)) ||
        (!ecBackup && !ecInput && canonicalBackup == canonicalInput))
        throw UsageError("the backup " + backup + " would replace the data file " + input);
    if (exists && !force) throw Failure(backup + ": the file exists; use --force to replace it");
    RequireWritableFolder(backup);
}

}  // namespace lm::cli
