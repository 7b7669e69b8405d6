// lm418t-cli doctor: why a programming cable or a radio does not answer.
#include <ostream>

#include "args.h"
#include "cable_check_run.h"
#include "command.h"

namespace lm::cli {
namespace {

class DoctorCommand : public Command {
public:
    std::string_view Name() const override { return "doctor"; }
    std::string_view Synopsis() const override { return "[--port DEVICE] [--root DIR]"; }
    std::string_view Summary() const override {
        return "Check the serial ports, the machine and the radio: why a cable or a radio does not answer.";
    }
    std::string_view Details() const override {
        return "Options:\n"
               "  --port DEVICE  the port to check (/dev/ttyUSB0, 'simulated'); without it every USB serial\n"
               "                 port is checked\n"
               "  --root DIR     read the system's files (sys/, proc/, dev/, etc/, the udev rules folders)\n"
               "                 below DIR instead of /; no radio is asked then\n"
               "\n"
               "For each port: its USB adapter, driver and the system's description; whether this user may\n"
               "open it, and if not the group and the command that would let them; which process holds it;\n"
               "the kernel's log lines about a port that is missing. For the machine: a braille display\n"
               "service (brltty) whose udev rules claim the chips programming cables use, ModemManager "
               "running\n"
               "while the cable rule is not installed, USB cable adapters that got no serial port. For the\n"
               "radio: the wake-up frame, the identification request and the end frame, nothing more (no\n"
               "memory is read): whether a radio answered, its model code, area code and whether it has a\n"
               "password. Each port ends with a verdict such as \"ready: LM-418T radio answered\", \"no "
               "radio\n"
               "answered\", \"cannot open: ...\" or \"claimed by brltty\".\n"
               "\n"
               "Exit status: 0 when a radio answered, 1 otherwise, 2 on a usage error.\n";
    }

    int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream&) override {
        const ParsedArgs parsed = ParseArgs(args, {{"--port", true}, {"--root", true}});
        ExpectOperands(parsed, 0, "");
        CableCheckRequest request;
        request.port = parsed.Value("--port").value_or("");
        request.root = parsed.Value("--root").value_or("/");
        if (request.root.empty()) throw UsageError("--root needs a folder");
        const doctor::Report report = RunCableCheck(request);
        out << doctor::FormatReport(report);
        return doctor::AnyRadioAnswered(report) ? kExitOk : kExitFailure;
    }
};

}  // namespace

std::unique_ptr<Command> MakeDoctorCommand() { return std::make_unique<DoctorCommand>(); }

}  // namespace lm::cli
