#include "core/port_name.h"

#include <algorithm>
#include <cctype>

namespace lm {

int ComPortNumber(std::string_view name) {
    if (name.size() < 4) return 0;
    for (std::size_t i = 0; i < 3; ++i) {
        if (std::toupper(static_cast<unsigned char>(name[i])) != "COM"[i]) return 0;
    }
    int n = 0;
    for (const char c : name.substr(3)) {
        if (c < '0' || c > '9') return 0;
        n = std::min(n * 10 + (c - '0'), kComPortLimit);
    }
    return n;
}

}  // namespace lm
