#include "core/file_io.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

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
    return Failed("File too large (" + std::to_string(size) + " bytes, at most " + std::to_string(maxBytes) + ")");
}

constexpr const char* kNotRegular = "Not a regular file";

// ".radio.dat.k3Xw9QpZ2mLa": hidden, beside the target, and not guessable by another user.
std::string TemporaryName(const fs::path& target) {
    static constexpr char kChars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device random;
    std::string name = "." + target.filename().string().substr(0, 200) + ".";
    for (int i = 0; i < 12; ++i) name += kChars[random() % (sizeof kChars - 1)];
    return (target.parent_path().empty() ? fs::path(".") / name : target.parent_path() / name).string();
}

constexpr int kNameAttempts = 100;

}  // namespace

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

// The refusal for a file that is there but no regular file; ok for a regular one.
FileOutcome CheckKind(const struct stat& st) {
    if (S_ISDIR(st.st_mode)) return SystemFailure(EISDIR);
    if (!S_ISREG(st.st_mode)) return Failed(kNotRegular);
    return {};
}

// Gives the new file the owner, group and permission bits of the one it replaces. Whether the owner can be
// kept depends on the process's rights: a refusal (EPERM) keeps the process's own, and the group alone is tried.
int CopyOwnerAndMode(int fd, const struct stat& old) {
    if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
        if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
            if (errno != EPERM) return errno;
            if (::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0 && errno != EPERM) return errno;
        }
    }
    return ::fchmod(fd, old.st_mode & 0777) == 0 ? 0 : errno;
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
    } else if (outcome = CheckKind(st); outcome.ok && static_cast<unsigned long long>(st.st_size) > maxBytes) {
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
    const fs::path target(path);
    struct stat old {};
    const bool exists = ::stat(path.c_str(), &old) == 0;
    if (!exists && errno != ENOENT) return SystemFailure(errno);
    if (exists) {
        if (FileOutcome kind = CheckKind(old); !kind.ok) return kind;
        // The rename would replace a file the user may not write: its own permission decides, not the folder's.
        if (::access(path.c_str(), W_OK) != 0) return SystemFailure(errno);
    }

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
    if (err == 0 && ::rename(temp.c_str(), path.c_str()) != 0) err = errno;
    if (err != 0) {
        ::unlink(temp.c_str());
        return SystemFailure(err);
    }
    // Makes the rename itself durable; a folder that cannot be synced does not undo the save.
    const std::string folder = target.parent_path().empty() ? "." : target.parent_path().string();
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return {};
}

#else  // the portable fallback: no owner, no folder sync

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
    const fs::path target(path);
    std::error_code ec;
    const fs::file_status st = fs::status(target, ec);
    const bool exists = !ec && fs::exists(st);
    if (exists) {
        if (fs::is_directory(st)) return SystemFailure(EISDIR);
        if (!fs::is_regular_file(st)) return Failed(kNotRegular);
        if ((st.permissions() & fs::perms::owner_write) == fs::perms::none) return SystemFailure(EACCES);
    }
    std::string temp;
    std::FILE* f = nullptr;
    for (int attempt = 0; f == nullptr && attempt < kNameAttempts; ++attempt) {
        temp = TemporaryName(target);
        f = std::fopen(temp.c_str(), "wbx");  // exclusive
        if (f == nullptr && errno != EEXIST) return SystemFailure(errno);
    }
    if (f == nullptr) return SystemFailure(EEXIST);
    int err = 0;
    if (std::fwrite(data.data(), 1, data.size(), f) != data.size() || std::fflush(f) != 0) err = errno ? errno : EIO;
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

#endif

}  // namespace lm
