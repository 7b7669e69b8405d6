#include "backup_files.h"

#include <filesystem>

namespace lm::cli {

namespace fs = std::filesystem;

std::string BackupPath(const std::string& path, const std::string& portTag, int round) {
    if (portTag.empty() && round == 1) return path;
    const fs::path p(path);
    std::string stem = p.stem().string();
    if (!portTag.empty()) stem += "-" + portTag;
    if (round > 1) stem += "-" + std::to_string(round);
    return (p.parent_path() / (stem + p.extension().string())).string();
}

void CheckBackupTarget(const std::string& backup, const std::vector<NamedFile>& others, bool force) {
    CheckOutputTarget(backup, "the backup", others, force);
    RequireWritableFolder(backup);
}

}  // namespace lm::cli
