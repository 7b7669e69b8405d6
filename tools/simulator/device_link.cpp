#include "device_link.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace lm::sim {
namespace {

// The target of the symbolic link at path; false when path is no symbolic link.
bool LinkTarget(const std::string& path, std::string& target) {
    std::vector<char> buffer(4096);
    const ssize_t n = ::readlink(path.c_str(), buffer.data(), buffer.size());
    if (n < 0 || static_cast<std::size_t>(n) >= buffer.size()) return false;
    target.assign(buffer.data(), static_cast<std::size_t>(n));
    return true;
}

}  // namespace

bool PlaceDeviceLink(const std::string& path, const std::string& target, std::string& error) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0) {
        if (!S_ISLNK(st.st_mode)) {
            error = "--link " + path + ": the path exists and is not a symbolic link; it is left as it is";
            return false;
        }
        if (::unlink(path.c_str()) != 0) {
            error = "--link " + path + ": " + std::strerror(errno);
            return false;
        }
    } else if (errno != ENOENT) {
        error = "--link " + path + ": " + std::strerror(errno);
        return false;
    }
    // symlink() never replaces: whatever appeared meanwhile stays, and the run fails.
    if (::symlink(target.c_str(), path.c_str()) != 0) {
        error = "--link " + path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

void RemoveDeviceLink(const std::string& path, const std::string& target) {
    std::string now;
    if (LinkTarget(path, now) && now == target) ::unlink(path.c_str());
}

}  // namespace lm::sim
