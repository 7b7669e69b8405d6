#include "output_files.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "command.h"
#include "core/file_io.h"

namespace lm::cli {

namespace fs = std::filesystem;

void CheckOutputTarget(const std::string& output, const std::string& what,
                       const std::vector<NamedFile>& inputs, bool force) {
    for (const NamedFile& input : inputs)
        if (SameFile(output, input.path))
            throw UsageError(what + " " + output + " would replace " + input.what + " " + input.path);
    std::error_code ec;
    if (!force && fs::exists(fs::symlink_status(output, ec)))
        throw Failure(output + ": the file exists; use --force to replace it");
}

void RequireWritableFolder(const std::string& path) {
    fs::path folder = fs::path(ResolveLinks(path)).parent_path();
    if (folder.empty()) folder = ".";
    std::error_code ec;
    if (!fs::is_directory(folder, ec))
        throw Failure(path + ": the folder " + folder.string() + " does not exist");
    if (access(folder.c_str(), W_OK | X_OK) != 0)
        throw Failure(path + ": cannot write in the folder " + folder.string() + ": " + std::strerror(errno));
}

}  // namespace lm::cli
