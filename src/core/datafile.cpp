#include "core/datafile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <fstream>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "core/models.h"

namespace lm {

namespace {

constexpr std::uint8_t kErased = 0xFF;
constexpr int kHiddenFirst = img::kAreaCodeFirst;                     // area code and password:
constexpr int kHiddenLast = img::kPasswordFirst + img::kPasswordBytes - 1;  // Image[441..448]

DataFileResult Failure(DataFileError error, std::string text, std::string key = "") {
    DataFileResult r;
    r.error = error;
    r.messageKey = std::move(key);
    r.text = std::move(text);
    return r;
}

DataFileResult Success() {
    DataFileResult r;
    r.ok = true;
    return r;
}

std::string OsErrorText(int err) { return std::strerror(err); }

#ifndef _WIN32
// Writes all of data to fd, retrying short writes; false with errno set on failure.
bool WriteAll(int fd, const std::vector<std::uint8_t>& data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Writes data to a new file beside path, flushes it to disk and renames it over path.
// Returns 0 or the errno of the failing step; the temporary file never stays behind.
int ReplaceFile(const std::string& path, const std::vector<std::uint8_t>& data) {
    namespace fs = std::filesystem;
    const fs::path target(path);
    fs::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    std::string temp = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return errno;

    const mode_t mask = ::umask(0);
    ::umask(mask);
    struct stat old {};
    const mode_t mode = ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : (0666 & ~mask);

    int err = 0;
    if (::fchmod(fd, mode) != 0 || !WriteAll(fd, data) || ::fsync(fd) != 0) err = errno;
    if (::close(fd) != 0 && err == 0) err = errno;
    if (err == 0 && ::rename(temp.c_str(), path.c_str()) != 0) err = errno;
    if (err != 0) {
        ::unlink(temp.c_str());
        return err;
    }
    // Make the rename itself durable; a folder that cannot be synced does not undo the save.
    const int dir = ::open(folder.c_str(), O_RDONLY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return 0;
}
#else
int ReplaceFile(const std::string& path, const std::vector<std::uint8_t>& data) {
    namespace fs = std::filesystem;
    const fs::path target(path);
    fs::path temp = target;
    temp += ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return errno ? errno : EACCES;
        out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
        out.flush();
        if (!out) {
            const int err = errno ? errno : EIO;
            out.close();
            std::error_code ignored;
            fs::remove(temp, ignored);
            return err;
        }
    }
    std::error_code ec;
    fs::rename(temp, target, ec);  // replaces an existing target
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        return ec.value();
    }
    return 0;
}
#endif

}  // namespace

std::string TooShortText(std::size_t size) {
    return "The file has " + std::to_string(size) + " bytes; a data file has " + std::to_string(kDataFileBytes) +
           ".";
}

std::vector<std::uint8_t> EncodeDataHeader(const std::string& fileTag, const std::string& modelCode) {
    std::vector<std::uint8_t> header(kDataHeaderBytes, 0);
    const std::string text = fileTag + modelCode;
    const std::size_t n = std::min<std::size_t>(text.size(), kDataHeaderBytes);
    for (std::size_t i = 0; i < n; ++i) header[i] = static_cast<std::uint8_t>(text[i]);
    return header;
}

DataHeader DecodeDataHeader(const std::uint8_t* header, std::size_t tagLength, std::size_t codeLength) {
    const std::size_t t = std::min<std::size_t>(tagLength, kDataHeaderBytes);
    const std::size_t c = std::min<std::size_t>(codeLength, kDataHeaderBytes - t);
    DataHeader h;
    h.Tag.assign(reinterpret_cast<const char*>(header), t);
    h.ModelCode.assign(reinterpret_cast<const char*>(header + t), c);
    return h;
}

std::vector<std::uint8_t> EncodeDataFile(const ImageBytes& image, const std::string& fileTag,
                                         const std::string& modelCode) {
    std::vector<std::uint8_t> bytes = EncodeDataHeader(fileTag, modelCode);
    bytes.insert(bytes.end(), image.begin() + 1, image.end());
    for (int k = kHiddenFirst; k <= kHiddenLast; ++k) bytes[static_cast<std::size_t>(kDataHeaderBytes - 1 + k)] = kErased;
    return bytes;
}

DataFileResult LoadDataBytes(TALL& state, const std::uint8_t* data, std::size_t size) {
    if (data == nullptr || size < static_cast<std::size_t>(kDataFileBytes)) {
        return Failure(DataFileError::TooShort, TooShortText(data == nullptr ? 0 : size));
    }
    const DataHeader h = DecodeDataHeader(data, state.FileTag.size(), state.ModelCode.size());
    if (h.Tag != state.FileTag || gMacList.ChannelCountOf(h.ModelCode) == 0) {
        return Failure(DataFileError::ModelTypeWrong, kModErrorText, "ModError");
    }
    state.CurrentChannel = 1;
    std::copy(data + kDataHeaderBytes, data + kDataFileBytes, state.Image.begin() + 1);
    state.Image[0] = 0;
    SelectModel(state, h.ModelCode, state.Image[img::kBandCode], true);
    state.AreaCode.clear();
    state.AreaText.clear();
    SanitizeImage(state);
    state.Modified = false;
    return Success();
}

DataFileResult LoadDataBytes(TALL& state, const std::vector<std::uint8_t>& bytes) {
    return LoadDataBytes(state, bytes.data(), bytes.size());
}

DataFileResult LoadDataFile(TALL& state, const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr) return Failure(DataFileError::OpenFailed, OsErrorText(errno));
    std::vector<std::uint8_t> bytes(kDataFileBytes);
    const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), f);
    const bool failed = std::ferror(f) != 0;
    const int err = errno;
    std::fclose(f);
    if (failed) return Failure(DataFileError::ReadFailed, OsErrorText(err));
    bytes.resize(got);
    return LoadDataBytes(state, bytes);
}

DataFileResult SaveDataFile(TALL& state, const std::string& path) {
    const std::vector<std::uint8_t> bytes = EncodeDataFile(state.Image, state.FileTag, state.ModelCode);
    if (const int err = ReplaceFile(path, bytes); err != 0) {
        return Failure(DataFileError::WriteFailed, OsErrorText(err));
    }
    for (int k = kHiddenFirst; k <= kHiddenLast; ++k) state.Image[k] = kErased;
    state.Modified = false;
    return Success();
}

}  // namespace lm
