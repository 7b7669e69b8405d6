#pragma once
// Reading and replacing the program's own files (data files, settings and language files) safely: only regular
// files of a sensible size are read, and a file is replaced in one step that never leaves half a file behind.
#include <cstddef>
#include <string>
#include <string_view>

namespace lm {

// The largest file of each kind that is read at all; anything larger is no such file.
constexpr std::size_t kDataFileLimit = 8 * 1024;      // a data file has 544 bytes
constexpr std::size_t kIniFileLimit = 1024 * 1024;    // settings and language files

// Outcome of a file operation: ok, or the reason it failed as the system words it ("Permission denied",
// "Is a directory") or as this program does ("Not a regular file", "File too large ...").
struct FileOutcome {
    bool ok = true;
    bool missing = false;  // reading: the file does not exist (a reason is given as well)
    std::string reason;
};

// Reads the whole file at path into bytes. Refused without waiting: anything but a regular file (a folder, a
// FIFO, a device) and a file of more than maxBytes bytes. bytes is empty on failure.
FileOutcome ReadRegularFile(const std::string& path, std::size_t maxBytes, std::string& bytes);

// Replaces (or creates) the file at path with data: a temporary file is created exclusively under an
// unpredictable name in the same folder, written, synced and renamed over path, and the folder is synced.
// A file that exists keeps its permission bits (never set-user-ID, set-group-ID or sticky) and, where the
// process may, its owner and group; a new file gets the permissions the umask allows. A target that is not a
// regular file, or that the user may not write, is refused and stays as it was. On failure nothing is left
// behind and path is unchanged.
FileOutcome ReplaceFile(const std::string& path, std::string_view data);

}  // namespace lm
