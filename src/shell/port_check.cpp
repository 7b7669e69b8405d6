#include "shell/port_check.h"

#include <algorithm>
#include <cctype>

#include "core/port_name.h"
#include "port/port_access.h"
#include "port/simulated_radio.h"

namespace lm {

namespace {

std::string Upper(const std::string& name) {
    std::string upper = name;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper;
}

}  // namespace

std::string UpperPortName(const std::string& name) {
    const std::string upper = Upper(name);
    return ComPortNumber(name) > 0 || IsSimulatedPort(upper) ? upper : name;
}

std::string SettlePortName(const std::string& configured, const std::vector<std::string>& present) {
    const std::string name = UpperPortName(configured);
    if (IsSimulatedPort(name)) return name;
    if (std::find(present.begin(), present.end(), name) != present.end()) return name;
    // A device named without its folder ("ttyUSB0") is the present port of that path.
    const std::string device = PortDevicePath(name);
    if (std::find(present.begin(), present.end(), device) != present.end()) return device;
    return present.empty() ? name : present.front();
}

}  // namespace lm
