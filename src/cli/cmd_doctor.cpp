// lm418t-cli doctor: why a programming cable or a radio does not answer.
#include <ostream>

#include "cable_check_run.h"
#include "command.h"
#include "session.h"

namespace lm::cli {
namespace {

constexpr Option kOptions[] = {
    {"--port", "DEVICE",
     "the port to check (/dev/ttyUSB0, 'simulated'); without it every USB serial port is checked"},
    {"--root", "DIR",
     "read the system's files (sys/, proc/, dev/, etc/, the udev rules folders) below DIR instead of /; no "
     "radio is asked then"},
};

class DoctorCommand : public Command {
public:
    std::string_view Name() const override { return "doctor"; }
    std::span<const Option> Options() const override { return kOptions; }
    std::string_view Operands() const override { return ""; }
    HelpText Help() const override {
        return {
            .summary =
                "Check the serial ports, the machine and the radio: why a cable or a radio does not "
                "answer.",
            .details =
                "For each port: its USB adapter, driver and the system's description; whether this user "
                "may open it, and if not the group and the command that would let them; which process "
                "holds it; the kernel's log lines about a port that is missing. For the machine: a "
                "braille display service (brltty) whose udev rules claim the chips programming cables "
                "use, ModemManager running while the cable rule is not installed, USB cable adapters "
                "that got no serial port. For the radio: the wake-up frame, the identification request "
                "and the end frame, nothing more (no memory is read): whether a radio answered, its "
                "model code, area code and whether it has a password. Each port ends with a verdict "
                "such as \"ready: LM-418T radio answered\", \"no radio answered\", \"cannot open: ...\" "
                "or \"claimed by brltty\".\n"
                "\n"
                "Exit status: 0 when a radio answered, 1 otherwise, 2 on a usage error.",
        };
    }

    int Run(const ParsedArgs& args, std::ostream& out, std::ostream&) override {
        ExpectOperands(args, 0, "");
        CableCheckRequest request;
        request.port = args.Value("--port").value_or("");
        request.root = args.Value("--root").value_or("/");
        if (request.root.empty()) throw UsageError("--root needs a folder");
        const doctor::Report report = RunCableCheck(request, program().session);
        out << doctor::FormatReport(report);
        return doctor::AnyRadioAnswered(report) ? kExitOk : kExitFailure;
    }
};

}  // namespace

std::unique_ptr<Command> MakeDoctorCommand() { return std::make_unique<DoctorCommand>(); }

}  // namespace lm::cli
