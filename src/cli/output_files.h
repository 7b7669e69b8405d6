#pragma once
// Where a command puts a file it makes: never over one of the command's own inputs, never over a file that
// exists unless --force is given, and only into a folder that exists and may be written. Each check runs
// before anything is changed and before a radio is touched.
#include <string>
#include <vector>

namespace lm::cli {

// Throws UsageError when output is the same file as one of inputs (by device and inode, so through symbolic
// and hard links, or by path when a file is not there yet): "the HTML file radio.dat would replace the data
// file radio.dat". what names the output, each input is given with its own name. Throws Failure when output
// exists and force is not given.
struct NamedFile {
    std::string path;
    std::string what;  // "the data file"
};
void CheckOutputTarget(const std::string& output, const std::string& what,
                       const std::vector<NamedFile>& inputs, bool force);

// Throws Failure unless the folder that is to receive path exists and may be written.
void RequireWritableFolder(const std::string& path);

// The line of a command's help about --force.
inline constexpr const char* kForceHelp =
    "  --force            replace the output file when it exists (otherwise an existing file is\n"
    "                     refused and kept)\n";

}  // namespace lm::cli
