#include "core/file_io.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

#include "core/printable.h"

#ifdef _WIN32
#include <fstream>
#include <iterator>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace lm {

namespace {

namespace fs = std::filesystem;

FileOutcome Failed(std::string reason, bool missing = false) {
    FileOutcome r;
    r.ok = false;
    r.missing = missing;
    r.reason = std::move(reason);
    return r;
}

FileOutcome SystemFailure(int err) { return Failed(std::strerror(err), err == ENOENT); }

FileOutcome TooLarge(unsigned long long size, std::size_t maxBytes) {
    return Failed("File too large (" + std::to_string(size) + " bytes, at most " + std::to_string(maxBytes) +
                  ")");
}

constexpr const char* kNotRegular = "Not a regular file";

fs::path FolderOf(const fs::path& target) {
    return target.parent_path().empty() ? "." : target.parent_path();
}

// ".radio.dat.k3Xw9QpZ2mLa": hidden, beside the target, and not guessable by another user.
constexpr char kNameChars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
constexpr std::size_t kRandomChars = 12;

std::string TemporaryPrefix(const fs::path& target) {
    return "." + target.filename().string().substr(0, 200) + ".";
}

std::string TemporaryName(const fs::path& target) {
    std::random_device random;
    std::string name = TemporaryPrefix(target);
    for (std::size_t i = 0; i < kRandomChars; ++i) name += kNameChars[random() % (sizeof kNameChars - 1)];
    return (FolderOf(target) / name).string();
}

constexpr int kNameAttempts = 100;

// Removes the temporary files of target that a save killed before its rename left behind: only names of the
// form TemporaryName gives this very file, only regular files, and only those untouched for a while, since a
// younger one may belong to a save that is running now (a save takes milliseconds).
void RemoveStaleTemporaries(const fs::path& target) {
    const std::string prefix = TemporaryPrefix(target);
    const auto staleBefore = fs::file_time_type::clock::now() - std::chrono::seconds(kStaleTemporarySeconds);
    std::error_code ec;
    for (fs::directory_iterator it(FolderOf(target), ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() != prefix.size() + kRandomChars || !name.starts_with(prefix) ||
            name.find_first_not_of(kNameChars, prefix.size()) != std::string::npos)
            continue;
        std::error_code e;
        if (!fs::is_regular_file(fs::symlink_status(it->path(), e))) continue;
        const fs::file_time_type written = fs::last_write_time(it->path(), e);
        if (!e && written < staleBefore) fs::remove(it->path(), e);
    }
}

constexpr int kMaxLinkHops = 40;  // as the system follows them

}  // namespace

std::size_t InputLimit(InputKind kind) {
    switch (kind) {
        case InputKind::DataFile:
            return kDataFileLimit;
        case InputKind::ChannelList:
            return kChannelListLimit;
        case InputKind::SettingsText:
            return kSettingsTextLimit;
        case InputKind::IniFile:
            break;
    }
    return kIniFileLimit;
}

FileOutcome ReadInputFile(const std::string& path, InputKind kind, std::string& bytes) {
    FileOutcome outcome = ReadRegularFile(path, InputLimit(kind), bytes);
    if (outcome.ok && (kind == InputKind::ChannelList || kind == InputKind::SettingsText)) {
        if (const int line = FirstNonTextLine(bytes)) {
            bytes.clear();
            return Failed("line " + std::to_string(line) + ": not a text file");
        }
    }
    return outcome;
}

std::string ResolveLinks(const std::string& path) {
    fs::path at(path);
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(at, ec))) return at.string();
        const fs::path target = fs::read_symlink(at, ec);
        if (ec) return at.string();
        at = target.is_absolute() ? target : at.parent_path() / target;
    }
    return path;
}

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code ea, eb;
    // Both there: the same device and inode. One there and one not: different files.
    const bool same = fs::equivalent(a, b, ea);
    if (!ea) return same;
    const fs::path pa = fs::weakly_canonical(fs::absolute(ResolveLinks(a), ea), ea);
    const fs::path pb = fs::weakly_canonical(fs::absolute(ResolveLinks(b), eb), eb);
    return !ea && !eb && pa == pb;
}

#ifndef _WIN32

namespace {

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Writes all of data at offset 0 of fd.
bool WriteAllAtStart(int fd, std::string_view data) {
    off_t offset = 0;
    while (!data.empty()) {
        const ssize_t n = ::pwrite(fd, data.data(), data.size(), offset);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
        offset += n;
    }
    return true;
}

// The refusal for a file that is there but no regular file; ok for a regular one.
FileOutcome CheckKind(const struct stat& st) {
    if (S_ISDIR(st.st_mode)) return SystemFailure(EISDIR);
    if (!S_ISREG(st.st_mode)) return Failed(kNotRegular);
    return {};
}

// Gives the new file the owner, group and permission bits of the one it replaces. Whether the owner can be
// kept depends on the process's rights: a refusal (EPERM) keeps the process's own, and the group alone is
// tried.
int CopyOwnerAndMode(int fd, const struct stat& old) {
    if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
        if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
            if (errno != EPERM) return errno;
            if (::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0 && errno != EPERM) return errno;
        }
    }
    return ::fchmod(fd, old.st_mode & 0777) == 0 ? 0 : errno;
}

// A file with several hard links is rewritten in place, since a rename would give this one name a new file
// and leave every other name with the old one, splitting what the user linked. The price: no single step
// swaps the whole old file for the whole new one, so a crash while writing can leave old and new bytes
// mixed, where a rename leaves either. The bytes go in one write from the start, the rest of a longer old
// file is cut off only afterwards, and all is synced before success is reported; a data file keeps its size,
// so its write takes no new disk space and cannot fail half-way for a full disk. Keeping the links is worth
// that small window: the user made them so that every name shows the same radio.
FileOutcome WriteInPlace(const std::string& path, std::string_view data) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return SystemFailure(errno);
    struct stat st {};
    FileOutcome outcome = ::fstat(fd, &st) == 0 ? CheckKind(st) : SystemFailure(errno);
    if (outcome.ok && (!WriteAllAtStart(fd, data) || ::ftruncate(fd, static_cast<off_t>(data.size())) != 0 ||
                       ::fsync(fd) != 0))
        outcome = SystemFailure(errno);
    if (::close(fd) != 0 && outcome.ok) outcome = SystemFailure(errno);
    return outcome;
}

}  // namespace

FileOutcome ReadRegularFile(const std::string& path, std::size_t maxBytes, std::string& bytes) {
    bytes.clear();
    struct stat st {};
    // Looked at before opening, so that neither a FIFO nor a device is ever opened.
    if (::stat(path.c_str(), &st) != 0) return SystemFailure(errno);
    if (FileOutcome kind = CheckKind(st); !kind.ok) return kind;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return SystemFailure(errno);
    // The file may have been swapped since: what was opened is what counts.
    FileOutcome outcome;
    if (::fstat(fd, &st) != 0) {
        outcome = SystemFailure(errno);
    } else if (outcome = CheckKind(st);
               outcome.ok && static_cast<unsigned long long>(st.st_size) > maxBytes) {
        outcome = TooLarge(static_cast<unsigned long long>(st.st_size), maxBytes);
    }
    char buffer[4096];
    while (outcome.ok) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            outcome = SystemFailure(errno);
        } else if (n == 0) {
            break;
        } else if (bytes.size() + static_cast<std::size_t>(n) > maxBytes) {
            outcome = TooLarge(bytes.size() + static_cast<std::size_t>(n), maxBytes);  // it grew while read
        } else {
            bytes.append(buffer, static_cast<std::size_t>(n));
        }
    }
    ::close(fd);
    if (!outcome.ok) bytes.clear();
    return outcome;
}

FileOutcome ReplaceFile(const std::string& path, std::string_view data) {
    // A link stays a link: what is replaced is the file it names, in that file's folder.
    const std::string resolved = ResolveLinks(path);
    const fs::path target(resolved);
    struct stat old {};
    const bool exists = ::stat(resolved.c_str(), &old) == 0;
    if (!exists && errno != ENOENT) return SystemFailure(errno);
    if (exists) {
        if (FileOutcome kind = CheckKind(old); !kind.ok) return kind;
        // The rename would replace a file the user may not write: its own permission decides, not the
        // folder's.
        if (::access(resolved.c_str(), W_OK) != 0) return SystemFailure(errno);
    }
    RemoveStaleTemporaries(target);
    if (exists && old.st_nlink > 1) return WriteInPlace(resolved, data);

    std::string temp;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < kNameAttempts; ++attempt) {
        temp = TemporaryName(target);
        // 0666 less the umask for a new file, as any program's new file.
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return SystemFailure(errno);
    }
    if (fd < 0) return SystemFailure(EEXIST);

    int err = exists ? CopyOwnerAndMode(fd, old) : 0;
    if (err == 0 && (!WriteAll(fd, data) || ::fsync(fd) != 0)) err = errno;
    if (::close(fd) != 0 && err == 0) err = errno;
    if (err == 0 && ::rename(temp.c_str(), resolved.c_str()) != 0) err = errno;
    if (err != 0) {
        ::unlink(temp.c_str());
        return SystemFailure(err);
    }
    // Makes the rename itself durable; a folder that cannot be synced does not undo the save.
    const int dir = ::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return {};
}

FileOutcome AppendToFile(const std::string& path, std::string_view text, std::string_view firstLine) {
    struct stat st {};
    // Looked at before opening, so that neither a FIFO nor a device is ever opened (or waited for).
    if (::stat(path.c_str(), &st) == 0) {
        if (FileOutcome kind = CheckKind(st); !kind.ok) return kind;
    } else if (errno != ENOENT) {
        return SystemFailure(errno);
    }
    const int fd =
        ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd < 0) return SystemFailure(errno);
    FileOutcome outcome = ::fstat(fd, &st) == 0 ? CheckKind(st) : SystemFailure(errno);
    if (outcome.ok && ((st.st_size == 0 && !WriteAll(fd, firstLine)) || !WriteAll(fd, text)))
        outcome = SystemFailure(errno);
    if (::close(fd) != 0 && outcome.ok) outcome = SystemFailure(errno);
    return outcome;
}

#else  // the portable fallback: no owner, no folder sync, no hard links kept

FileOutcome ReadRegularFile(const std::string& path, std::size_t maxBytes, std::string& bytes) {
    bytes.clear();
    std::error_code ec;
    const fs::file_status st = fs::status(path, ec);
    if (ec) return Failed(ec.message(), st.type() == fs::file_type::not_found);
    if (fs::is_directory(st)) return SystemFailure(EISDIR);
    if (!fs::is_regular_file(st)) return Failed(kNotRegular);
    const auto size = fs::file_size(path, ec);
    if (ec) return Failed(ec.message());
    if (size > maxBytes) return TooLarge(size, maxBytes);
    std::ifstream in(path, std::ios::binary);
    if (!in) return SystemFailure(errno ? errno : EACCES);
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (bytes.size() > maxBytes) {
        bytes.clear();
        return TooLarge(size, maxBytes);
    }
    return {};
}

FileOutcome ReplaceFile(const std::string& path, std::string_view data) {
    const fs::path target(ResolveLinks(path));
    std::error_code ec;
    const fs::file_status st = fs::status(target, ec);
    const bool exists = !ec && fs::exists(st);
    if (exists) {
        if (fs::is_directory(st)) return SystemFailure(EISDIR);
        if (!fs::is_regular_file(st)) return Failed(kNotRegular);
        if ((st.permissions() & fs::perms::owner_write) == fs::perms::none) return SystemFailure(EACCES);
    }
    RemoveStaleTemporaries(target);
    std::string temp;
    std::FILE* f = nullptr;
    for (int attempt = 0; f == nullptr && attempt < kNameAttempts; ++attempt) {
        temp = TemporaryName(target);
        f = std::fopen(temp.c_str(), "wbx");  // exclusive
        if (f == nullptr && errno != EEXIST) return SystemFailure(errno);
    }
    if (f == nullptr) return SystemFailure(EEXIST);
    int err = 0;
    if (std::fwrite(data.data(), 1, data.size(), f) != data.size() || std::fflush(f) != 0)
        err = errno ? errno : EIO;
    if (std::fclose(f) != 0 && err == 0) err = errno ? errno : EIO;
    if (err == 0) {
        fs::rename(temp, target, ec);  // replaces an existing target
        if (ec) err = ec.value();
    }
    if (err != 0) {
        std::remove(temp.c_str());
        return SystemFailure(err);
    }
    return {};
}

FileOutcome AppendToFile(const std::string& path, std::string_view text, std::string_view firstLine) {
    std::error_code ec;
    const fs::file_status st = fs::status(path, ec);
    if (fs::is_directory(st)) return SystemFailure(EISDIR);
    if (fs::exists(st) && !fs::is_regular_file(st)) return Failed(kNotRegular);
    const bool empty = !fs::exists(st) || fs::file_size(path, ec) == 0;
    std::ofstream out(path, std::ios::binary | std::ios::app);
    if (empty) out << firstLine;
    out << text;
    out.flush();
    if (!out) return SystemFailure(errno ? errno : EIO);
    return {};
}

#endif

}  // namespace lm
