#include "sim_file.h"

#include <algorithm>
#include <string_view>

#include "core/file_io.h"

namespace lm::sim {
namespace {
constexpr char kTag[] = "LM41";
constexpr std::size_t kHeaderBytes = 16;
}  // namespace

bool LoadMemory(const std::string& path, Memory& memory, std::string& error) {
    std::string data;
    if (const FileOutcome read = ReadInputFile(path, InputKind::DataFile, data); !read.ok) {
        error = "Cannot open " + path + ": " + read.reason;
        return false;
    }
    if (data.size() < kHeaderBytes || !std::equal(kTag, kTag + 4, data.begin())) {
        error = path + ": not a data file";
        return false;
    }
    const std::size_t n = std::min<std::size_t>(data.size() - kHeaderBytes, kMemoryBytes);
    std::transform(data.begin() + kHeaderBytes, data.begin() + static_cast<long>(kHeaderBytes + n),
                   memory.begin(), [](char c) { return static_cast<std::uint8_t>(c); });
    return true;
}

bool SaveMemory(const std::string& path, const Memory& memory, std::string& error) {
    std::string data = {'L', 'M', '4', '1', 'L', 'M', '4', '1', 0, 0, 0, 0, 0, 0, 0, 0};
    data.append(reinterpret_cast<const char*>(memory.data()), memory.size());
    if (const FileOutcome saved = ReplaceFile(path, data); !saved.ok) {
        error = "Cannot save " + path + ": " + saved.reason;
        return false;
    }
    return true;
}

}  // namespace lm::sim
