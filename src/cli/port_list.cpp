#include "port_list.h"

#include <set>

#include "command.h"
#include "core/file_io.h"
#include "port/simulated_radio.h"

namespace lm::cli {

std::vector<std::string> PortsOf(const ParsedArgs& parsed) {
    const std::vector<std::string> ports = parsed.All("--port");
    if (ports.empty()) throw UsageError("missing --port DEVICE (see 'lm418t-cli ports')");
    std::set<std::string> seen;
    for (const std::string& port : ports) {
        if (port.empty()) throw UsageError("an empty --port");
        if (!seen.insert(IsSimulatedPort(port) ? SimulatedPortName(SimulatedRadioNumber(port)) : port).second)
            throw UsageError("the port " + port + " is given twice");
    }
    // Two names of one device would write (or read) one radio twice at once.
    for (std::size_t i = 0; i < ports.size(); ++i)
        for (std::size_t j = i + 1; j < ports.size(); ++j)
            if (!IsSimulatedPort(ports[i]) && !IsSimulatedPort(ports[j]) && SameFile(ports[i], ports[j]))
                throw UsageError("the ports " + ports[i] + " and " + ports[j] + " lead to the same device");
    return ports;
}

}  // namespace lm::cli
