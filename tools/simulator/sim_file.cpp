#include "sim_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace lm::sim {
namespace {
constexpr char kTag[] = "LM41";
constexpr std::size_t kHeaderBytes = 16;
}  // namespace

bool LoadMemory(const std::string& path, Memory& memory, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    const std::vector<char> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (data.size() < kHeaderBytes || !std::equal(kTag, kTag + 4, data.begin())) {
        error = path + ": not a data file";
        return false;
    }
    const std::size_t n = std::min<std::size_t>(data.size() - kHeaderBytes, kMemoryBytes);
    std::transform(data.begin() + kHeaderBytes, data.begin() + static_cast<long>(kHeaderBytes + n), memory.begin(),
                   [](char c) { return static_cast<std::uint8_t>(c); });
    return true;
}

bool SaveMemory(const std::string& path, const Memory& memory, std::string& error) {
    const std::string temp = path + ".part";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        char header[kHeaderBytes] = {'L', 'M', '4', '1', 'L', 'M', '4', '1', 0, 0, 0, 0, 0, 0, 0, 0};
        out.write(header, sizeof header);
        out.write(reinterpret_cast<const char*>(memory.data()), static_cast<std::streamsize>(memory.size()));
        out.flush();
        if (!out) {
            error = temp + ": " + std::strerror(errno);
            std::remove(temp.c_str());
            return false;
        }
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        error = path + ": " + std::strerror(errno);
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

}  // namespace lm::sim
