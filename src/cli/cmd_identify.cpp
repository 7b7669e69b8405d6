// lm418t-cli identify: asks the radio who it is, without reading its memory.
#include <ostream>

#include "cable_check_run.h"
#include "command.h"
#include "core/printable.h"
#include "session.h"

namespace lm::cli {
namespace {

constexpr Option kOptions[] = {
    {"--port", "DEVICE",
     "the serial port of the programming cable ('simulated' for the built-in simulated radio)", true},
};

class IdentifyCommand : public Command {
public:
    std::string_view Name() const override { return "identify"; }
    std::span<const Option> Options() const override { return kOptions; }
    std::string_view Operands() const override { return ""; }
    HelpText Help() const override {
        return {
            .summary =
                "Ask the radio on the port who it is: model code, area code and whether it has a "
                "password.",
            .details =
                "Sends the wake-up frame, the identification request and the end frame, and reads no "
                "memory; the radio stays as it was. Prints one line: the port, then the model code, the "
                "area code with its place and whether the radio has a password, or what went wrong, and "
                "the verdict.\n"
                "'lm418t-cli doctor' runs the same step with the checks of the port and the machine.\n"
                "\n"
                "Exit status: 0 when a radio answered, 1 otherwise, 2 on a usage error.",
        };
    }

    int Run(const ParsedArgs& parsed, std::ostream& out, std::ostream&) override {
        ExpectOperands(parsed, 0, "");
        CableCheckRequest request;
        request.port = parsed.Value("--port").value_or("");
        if (request.port.empty()) throw UsageError("missing --port DEVICE (see 'lm418t-cli ports')");
        request.machine = false;
        const doctor::Report report = RunCableCheck(request, program().session);
        const doctor::PortReport& port = report.ports.front();
        out << Printable(port.device) << ": ";
        if (port.radio.tried) out << doctor::RadioText(port.radio) << "\n  verdict: ";
        out << doctor::VerdictText(port, report.machine) << "\n";
        return doctor::AnyRadioAnswered(report) ? kExitOk : kExitFailure;
    }
};

}  // namespace

std::unique_ptr<Command> MakeIdentifyCommand() { return std::make_unique<IdentifyCommand>(); }

}  // namespace lm::cli
