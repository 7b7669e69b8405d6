#include "link/doctor/system_root.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <system_error>

namespace lm::doctor {

SystemRoot::SystemRoot(std::filesystem::path root) : root_(std::move(root)) {}

std::filesystem::path SystemRoot::Path(std::string_view systemPath) const {
    while (!systemPath.empty() && systemPath.front() == '/') systemPath.remove_prefix(1);
    return root_ / std::filesystem::path(systemPath);
}

std::optional<std::string> SystemRoot::Read(std::string_view systemPath, std::size_t limit) const {
    const int fd = ::open(Path(systemPath).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !(S_ISREG(st.st_mode) || S_ISCHR(st.st_mode))) {
        ::close(fd);
        return std::nullopt;
    }
    std::string text;
    char buffer[8192];
    while (text.size() < limit) {
        const ssize_t n = ::read(fd, buffer, std::min(sizeof buffer, limit - text.size()));
        if (n <= 0) break;  // the end, or nothing more without waiting (the kernel log)
        text.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return text;
}

std::string SystemRoot::ReadLine(std::string_view systemPath) const {
    const auto text = Read(systemPath, 4096);
    if (!text) return {};
    std::string line = text->substr(0, text->find('\n'));
    const auto first = line.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
}

std::optional<std::string> SystemRoot::LinkTarget(std::string_view systemPath) const {
    std::error_code error;
    const auto target = std::filesystem::read_symlink(Path(systemPath), error);
    if (error) return std::nullopt;
    return target.string();
}

std::vector<std::string> SystemRoot::List(std::string_view systemPath) const {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(Path(systemPath), error), end; !error && it != end;
         it.increment(error))
        names.push_back(it->path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

bool SystemRoot::Exists(std::string_view systemPath) const {
    std::error_code error;
    return std::filesystem::exists(std::filesystem::symlink_status(Path(systemPath), error));
}

std::optional<FileStatus> SystemRoot::Status(std::string_view systemPath) const {
    struct stat st {};
    if (::stat(Path(systemPath).c_str(), &st) != 0) return std::nullopt;
    return FileStatus{static_cast<unsigned>(st.st_mode & 07777), st.st_uid, st.st_gid, S_ISCHR(st.st_mode)};
}

std::optional<std::string> SystemRoot::Attribute(std::string_view systemPath, const char* name) const {
    const std::string path = Path(systemPath).string();
    char buffer[1024];
    const ssize_t n = ::getxattr(path.c_str(), name, buffer, sizeof buffer);
    if (n < 0) return std::nullopt;
    return std::string(buffer, static_cast<std::size_t>(n));
}

}  // namespace lm::doctor
