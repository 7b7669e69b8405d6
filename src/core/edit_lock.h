#pragma once
// The advisory lock a program holds on a data file from loading it to saving it, so that two programs that
// change the same file (two commands, a command and the windows) take turns instead of one saving over the
// other's change.
#include <chrono>
#include <string>

#include "core/file_io.h"

namespace lm {

// How long a second editor waits for the first before it gives up.
constexpr std::chrono::milliseconds kEditLockWait{2000};

class EditLock {
public:
    EditLock() = default;
    ~EditLock();
    EditLock(EditLock&& other) noexcept;
    EditLock& operator=(EditLock&& other) noexcept;
    EditLock(const EditLock&) = delete;
    EditLock& operator=(const EditLock&) = delete;

    // Whether a lock is held (a lock may be taken without holding one, see LockForEditing).
    bool Held() const { return fd_ >= 0; }
    // Whether this lock is the one LockForEditing takes for path.
    bool Covers(const std::string& path) const;
    // Lets go of the lock; nothing when none is held.
    void Release();

private:
    friend FileOutcome LockForEditing(const std::string& path, EditLock& lock,
                                      std::chrono::milliseconds wait);
    int fd_ = -1;
    std::string lockFile_;  // the lock file to remove on release; empty when the data file itself is locked
    std::string target_;    // the data file the lock is for, its links resolved
};

// Takes the lock for changing the data file at path, waiting up to wait for another program to let go of it.
// On success lock holds it (any lock it held before is released); on failure lock is unchanged and the
// outcome is busy with the reason "<path> is being changed by another program", or the system's reason.
// The lock is the file ".<name>.lock" beside the file the path names (through its symbolic links), removed
// again on release. Where no lock file can be made (a folder the user may not write, a read-only disk) the
// data file itself is locked, and where that does not exist either there is nothing to protect: the outcome
// is ok without a lock held, and the save will say why it cannot be made.
FileOutcome LockForEditing(const std::string& path, EditLock& lock,
                           std::chrono::milliseconds wait = kEditLockWait);

// The text of a busy lock: "radio.dat is being changed by another program".
std::string BusyText(const std::string& path);

}  // namespace lm
