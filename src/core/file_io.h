#pragma once
// Reading, replacing and appending to files safely: only regular files of a sensible size are read (never a
// FIFO or a device, which could block or never end), and a file is replaced in one step that never leaves
// half a file behind, through its symbolic links and keeping its hard links.
#include <cstddef>
#include <string>
#include <string_view>

namespace lm {

// The largest file of each kind that is read at all; anything larger is no such file.
constexpr std::size_t kDataFileLimit = 8 * 1024;        // a data file has 544 bytes
constexpr std::size_t kIniFileLimit = 1024 * 1024;      // settings and language files
constexpr std::size_t kChannelListLimit = 1024 * 1024;  // 16 channels take a few kilobytes, long lists more
constexpr std::size_t kSettingsTextLimit = 256 * 1024;  // the settings of one radio take about 2 kilobytes

// What a file the user hands over is meant to be; the kind sets how large it may be and whether it must be
// text.
enum class InputKind {
    DataFile,      // a data file (*.dat), 544 bytes
    ChannelList,   // a channel list (CSV), UTF-8 text
    SettingsText,  // KEY=VALUE lines of settings (lm418t-cli set --from), UTF-8 text
    IniFile,       // a settings or language file (INI; UTF-8 or the legacy Chinese encoding)
};

// Outcome of a file operation: ok, or the reason it failed as the system words it ("Permission denied",
// "Is a directory") or as this program does ("Not a regular file", "File too large ...").
struct FileOutcome {
    bool ok = true;
    bool missing = false;  // reading: the file does not exist (a reason is given as well)
    bool busy = false;     // locking: another program holds the file (core/edit_lock.h)
    std::string reason;
};

// Reads the whole file at path into bytes. Refused without waiting: anything but a regular file (a folder, a
// FIFO, a device) and a file of more than maxBytes bytes. bytes is empty on failure.
FileOutcome ReadRegularFile(const std::string& path, std::size_t maxBytes, std::string& bytes);

// Reads a file the user named, the one way every command and window reads one: ReadRegularFile with the
// limit of its kind, and for a kind of text, "line N: not a text file" for a NUL byte or bytes that are not
// UTF-8. The reason never quotes the file.
FileOutcome ReadInputFile(const std::string& path, InputKind kind, std::string& bytes);
std::size_t InputLimit(InputKind kind);

// The file path names after following the symbolic links of its last component, as a path: the link's
// target taken relative to the link's folder. path itself when it is no link (or the links loop, which the
// caller's next step reports).
std::string ResolveLinks(const std::string& path);

// Whether two paths name the same file: by device and inode when both exist (so symbolic and hard links are
// caught), otherwise by their absolute paths with the links resolved.
bool SameFile(const std::string& a, const std::string& b);

// A temporary file of ReplaceFile younger than this may still be in use by another save.
constexpr int kStaleTemporarySeconds = 10;

// Replaces (or creates) the file at path with data: a temporary file is created exclusively under an
// unpredictable name in the same folder, written, synced and renamed over path, and the folder is synced.
// A file that exists keeps its permission bits (never set-user-ID, set-group-ID or sticky) and, where the
// process may, its owner and group; a new file gets the permissions the umask allows. A target that is not a
// regular file, or that the user may not write, is refused and stays as it was. On failure nothing is left
// behind and path is unchanged.
// A symbolic link is followed (ResolveLinks): the file it names is replaced and the link stays a link. A file
// with more than one hard link is rewritten in place instead, so that every name keeps seeing it (see
// WriteInPlace in file_io.cpp for what that costs). Temporary files of this very file that an earlier save
// left behind when it was killed (older than kStaleTemporarySeconds) are removed.
FileOutcome ReplaceFile(const std::string& path, std::string_view data);

// Appends text to the file at path, creating it (as ReplaceFile would) when it does not exist; firstLine is
// written before text when the file is empty. Refused at once, before anything is opened: a file that is
// there but is no regular file (a FIFO, a device, a folder).
FileOutcome AppendToFile(const std::string& path, std::string_view text, std::string_view firstLine = {});

}  // namespace lm
