// lm418t-cli simulate: a simulated radio on a pseudo-terminal, for trying read and write without a radio.
#include <ostream>
#include <string>
#include <vector>

#include "command.h"
#include "simulator/sim_options.h"

namespace lm::cli {
namespace {

class SimulateCommand : public Command {
public:
    std::string_view Name() const override { return "simulate"; }
    std::string_view Synopsis() const override { return "[--link PATH] [--image FILE.dat] [options]"; }
    std::string_view Summary() const override {
        return "Run a simulated radio on a pseudo-terminal and print the device to give to --port.";
    }
    std::string_view Details() const override {
        static const std::string text =
            std::string("Options:\n") + sim::SimUsage() +
            "\n"
            "The first line on standard output is the device path (the link when --link is given). The\n"
            "radio answers read and write as a radio does, at 9600 baud both ways unless --unpaced, and\n"
            "runs until it is interrupted (Ctrl-C) or, with --vanish-after, until it unplugs itself.\n"
            "Without --image it is a new UHF radio (band code 244, area code 0000, no password).\n"
            "Example:\n"
            "  lm418t-cli simulate --link /tmp/radio --save written.dat &\n"
            "  lm418t-cli read --port /tmp/radio out.dat\n";
        return text;
    }

    int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) override {
        sim::SimConfig config;
        std::string error;
        if (!sim::ParseSimArgs(args, config, error)) throw UsageError(error);
        const int status = sim::RunSimulator(config, sim::DefaultRadioMemory(), out, err);
        return status == 0 ? kExitOk : kExitFailure;
    }
};

}  // namespace

std::unique_ptr<Command> MakeSimulateCommand() { return std::make_unique<SimulateCommand>(); }

}  // namespace lm::cli
