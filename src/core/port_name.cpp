#include "core/port_name.h"

#include <algorithm>
#include <cctype>
#include <tuple>

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

void OrderPortsForChoice(std::vector<PortEntry>& ports) {
    std::stable_sort(ports.begin(), ports.end(), [](const PortEntry& a, const PortEntry& b) {
        return std::make_tuple(!a.usb, a.name) < std::make_tuple(!b.usb, b.name);
    });
}

std::string PortDescriptionText(const PortEntry& port) {
    if (port.manufacturer.empty() || port.manufacturer == port.description) return port.description;
    if (port.description.empty()) return port.manufacturer;
    return port.description + " (" + port.manufacturer + ")";
}

}  // namespace lm
