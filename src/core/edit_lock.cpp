#include "core/edit_lock.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <thread>
#include <utility>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace lm {

// Why a lock file beside the data file and not a lock on the data file itself: a save (ReplaceFile) renames a
// new file over the name, so a flock on the data file's inode would last only until the first save. An editor
// waiting on the old inode would then get it and go on while a third one locks the new inode, and the two
// would again save over each other. The lock file's inode never changes while it is held. Its holder removes
// it on release, still holding it, so that no lock files pile up; an editor that got the lock of a removed
// lock file sees that the name no longer gives its inode and takes the new one.
//
// Where the lock file cannot be made the data file itself is locked. That is sound there: a folder nobody may
// write in is one in which no save can rename a file over the name either (a file with several hard links is
// written in place, keeping its inode). Two programs of which only one may write in the folder would not see
// each other's lock; the one that may not write in it cannot save there anyway.

std::string BusyText(const std::string& path) { return path + " is being changed by another program"; }

EditLock::~EditLock() { Release(); }

EditLock::EditLock(EditLock&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      lockFile_(std::move(other.lockFile_)),
      target_(std::move(other.target_)) {}

EditLock& EditLock::operator=(EditLock&& other) noexcept {
    if (this != &other) {
        Release();
        fd_ = std::exchange(other.fd_, -1);
        lockFile_ = std::move(other.lockFile_);
        target_ = std::move(other.target_);
    }
    return *this;
}

bool EditLock::Covers(const std::string& path) const { return Held() && SameFile(path, target_); }

#ifndef _WIN32

namespace {

namespace fs = std::filesystem;

constexpr std::chrono::milliseconds kPollStep{20};

FileOutcome SystemFailure(int err) {
    FileOutcome r;
    r.ok = false;
    r.reason = std::strerror(err);
    return r;
}

std::string LockFileOf(const std::string& target) {
    const fs::path p(target);
    const fs::path folder = p.parent_path().empty() ? fs::path(".") : p.parent_path();
    return (folder / ("." + p.filename().string() + ".lock")).string();
}

// An open regular file, or -1: never a link, a FIFO or a device someone put in the lock file's place.
int OpenRegular(const std::string& path, int flags) {
    const int fd =
        ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | flags, 0666);
    if (fd < 0) return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Whether fd is still the file name gives.
bool StillNamed(int fd, const std::string& name) {
    struct stat held {
    }, named{};
    return ::fstat(fd, &held) == 0 && ::stat(name.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
           held.st_ino == named.st_ino;
}

}  // namespace

void EditLock::Release() {
    if (fd_ < 0) return;
    if (!lockFile_.empty()) ::unlink(lockFile_.c_str());
    ::close(fd_);
    fd_ = -1;
    lockFile_.clear();
    target_.clear();
}

FileOutcome LockForEditing(const std::string& path, EditLock& lock, std::chrono::milliseconds wait) {
    const std::string target = ResolveLinks(path);
    const std::string lockFile = LockFileOf(target);
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        std::string removeOnRelease = lockFile;
        int fd = OpenRegular(lockFile, O_CREAT);
        if (fd < 0) {
            removeOnRelease.clear();
            fd = OpenRegular(target, 0);
        }
        if (fd < 0) {  // no lock file, and no data file to protect
            lock.Release();
            return {};
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            if (removeOnRelease.empty() || StillNamed(fd, lockFile)) {
                lock.Release();
                lock.fd_ = fd;
                lock.lockFile_ = std::move(removeOnRelease);
                lock.target_ = target;
                return {};
            }
            ::close(fd);  // its holder let go and removed it: the next round takes the new one
        } else {
            const int err = errno;
            ::close(fd);
            if (err != EWOULDBLOCK && err != EINTR) return SystemFailure(err);
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            FileOutcome busy;
            busy.ok = false;
            busy.busy = true;
            busy.reason = BusyText(path);
            return busy;
        }
        std::this_thread::sleep_for(kPollStep);
    }
}

#else  // no advisory locks on this system: editors are not kept apart

void EditLock::Release() {}

FileOutcome LockForEditing(const std::string& path, EditLock& lock, std::chrono::milliseconds) {
    lock.Release();
    lock.target_ = ResolveLinks(path);
    return {};
}

#endif

}  // namespace lm
