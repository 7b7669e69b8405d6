// lm418t-cli ports: the serial ports that are present.
#include <ostream>
#include <string>
#include <vector>

#include "args.h"
#include "command.h"
#include "port/port_access.h"

namespace lm::cli {
namespace {

class PortsCommand : public Command {
public:
    std::string_view Name() const override { return "ports"; }
    std::string_view Synopsis() const override { return ""; }
    std::string_view Summary() const override { return "List the serial ports that are present."; }
    std::string_view Details() const override {
        return "Prints one device per line (/dev/ttyUSB0, /dev/ttyACM0, /dev/ttyS0 ...), to be given to\n"
               "read and write with --port, followed by a tab and what the system says of it (description\n"
               "and maker) when it says anything. USB serial adapters, such as programming cables, come\n"
               "first. A port held by another program is listed too; opening it then\n"
               "fails with \"Cannot Open Communication Port.\". With no port present nothing is printed on\n"
               "standard output and a note goes to standard error; the exit status is 0 either way.\n"
               "A simulated radio (the lm418t-sim tool) behind a pseudo-terminal is not listed.\n";
    }

    int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) override {
        const ParsedArgs parsed = ParseArgs(args, {});
        ExpectOperands(parsed, 0, "");
        const std::vector<PortEntry> ports = ListPorts();
        for (const PortEntry& port : ports) {
            const std::string about = PortDescriptionText(port);
            out << port.name << (about.empty() ? "" : "\t" + about) << "\n";
        }
        if (ports.empty()) err << "No serial port is present.\n";
        return kExitOk;
    }
};

}  // namespace

std::unique_ptr<Command> MakePortsCommand() { return std::make_unique<PortsCommand>(); }

}  // namespace lm::cli
