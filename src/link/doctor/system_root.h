#pragma once
// The machine as the cable check reads it. Every system path ("/dev/ttyUSB0", "/sys/class/tty") is taken
// below one root folder, "/" for this machine, so that the checks run on a folder tree made for a test
// exactly as they run on the system. Nothing here writes, and nothing waits: a FIFO or a socket is never
// read.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/printable.h"  // Printable: what a file or a device said, as it may be shown

namespace lm::doctor {

struct FileStatus {
    unsigned mode = 0;  // permission bits (st_mode & 07777)
    unsigned uid = 0;
    unsigned gid = 0;
    bool characterDevice = false;
};

class SystemRoot {
public:
    explicit SystemRoot(std::filesystem::path root = "/");

    const std::filesystem::path& Root() const { return root_; }
    bool IsMachine() const { return root_ == "/"; }
    // The file below the root for a system path.
    std::filesystem::path Path(std::string_view systemPath) const;
    // The contents of a small file (a sysfs attribute, a /proc entry, a file of /etc), at most limit bytes;
    // nullopt when it cannot be read or is no regular file or character device.
    std::optional<std::string> Read(std::string_view systemPath, std::size_t limit = 1 << 20) const;
    // The first line of a file without its line end and surrounding blanks; "" when there is none.
    std::string ReadLine(std::string_view systemPath) const;
    // The target a symbolic link names, as written in the link.
    std::optional<std::string> LinkTarget(std::string_view systemPath) const;
    // The names in a folder, sorted; empty when it cannot be listed.
    std::vector<std::string> List(std::string_view systemPath) const;
    bool Exists(std::string_view systemPath) const;
    std::optional<FileStatus> Status(std::string_view systemPath) const;
    // The extended attribute of a file (the access control list of a device); nullopt when it has none.
    std::optional<std::string> Attribute(std::string_view systemPath, const char* name) const;

private:
    std::filesystem::path root_;
};

}  // namespace lm::doctor
