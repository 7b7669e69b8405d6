// lm418t-cli ports: the serial ports that are present.
#include <ostream>
#include <string>
#include <vector>

#include "command.h"
#include "port/port_access.h"

namespace lm::cli {
namespace {

class PortsCommand : public Command {
public:
    std::string_view Name() const override { return "ports"; }
    std::string_view Operands() const override { return ""; }
    HelpText Help() const override {
        return {
            .summary = "List the serial ports that are present.",
            .intro =
                "Prints one device per line (/dev/ttyUSB0, /dev/ttyACM0, /dev/ttyS0 ...), to be given to "
                "read and write with --port, followed by a tab and what the system says of it "
                "(description and maker) when it says anything. USB serial adapters, such as programming "
                "cables, come first. A port held by another program is listed too; opening it then fails "
                "with \"Cannot Open Communication Port.\". With no port present nothing is printed on "
                "standard output and a note goes to standard error; the exit status is 0 either way.\n"
                "A simulated radio (the lm418t-sim tool) behind a pseudo-terminal is not listed.",
        };
    }

    int Run(const ParsedArgs& args, std::ostream& out, std::ostream& err) override {
        ExpectOperands(args, 0, "");
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
