// lm418t-cli verify: reads the radios of a fleet at once and lists what each holds otherwise than the master
// data file would have left in it.
#include <ostream>
#include <string>
#include <vector>

#include "command.h"
#include "core/printable.h"
#include "file_command.h"
#include "job_board.h"
#include "link/job_rules.h"
#include "port/production_run.h"
#include "port/stop_signals.h"
#include "port_list.h"
#include "session.h"

namespace lm::cli {
namespace {

constexpr Option kOptions[] = {
    {"--port", "DEVICE",
     "the serial port of a radio (see 'lm418t-cli ports'); given several times, the radios on all the ports "
     "are read at the same time",
     true, true},
    {"--password", "DIGITS", "the radios' password, if they have one"},
    {"--timing", "", "print what each transfer cost on standard error"},
};

class VerifyCommand : public FileCommand {
public:
    std::string_view Name() const override { return "verify"; }
    std::span<const Option> Options() const override { return kOptions; }
    std::string_view Operands() const override { return "MASTER.dat"; }
    HelpText Help() const override {
        return {
            .summary = "Read radios and list what differs from the data file MASTER.dat.",
            .details =
                "Reads each radio (all ports at once) and compares radio bytes 0 to 463 with the image a "
                "write of MASTER.dat would have left in that radio: the radio's own area code, its password "
                "and the time of its last write are no differences. For each radio a line \"PORT: matches "
                "MASTER.dat\" or \"PORT: differs from MASTER.dat\" followed by the differences as 'diff' "
                "lists them (master \u2192 radio), indented.\n"
                "Exit status: 0 when every radio matches, 1 otherwise (the radios that differ or could not "
                "be "
                "read are named on standard error), 2 for a wrong command line.",
        };
    }

private:
    void Check(const ParsedArgs& parsed) override {
        ExpectOperands(parsed, 1, "MASTER.dat");
        ports_ = PortsOf(parsed);
    }

    int Work(const ParsedArgs& parsed, TALL& master, std::ostream& out, std::ostream& err) override {
        JobBoard board(out, err, ports_.size() > 1, parsed.Has("--timing"));
        const std::string password = parsed.Value("--password").value_or("");
        RunSetup setup;
        setup.document = master;
        setup.session = program().session;
        setup.ports = ports_;
        setup.plan = [&password](const std::string& port, int) {
            JobPlan plan;
            plan.kind = JobPlan::Kind::Read;
            plan.port = port;
            plan.password = password;
            return plan;
        };
        ProductionRun run(std::move(setup), program().messages, board);
        StopSignals stop;
        QObject::connect(&stop, &StopSignals::stopRequested, &run, &ProductionRun::Interrupt);
        board.Run(run, ports_);

        std::string differ;
        for (const RadioJob* job : run.LastJobs()) {
            const std::string port = Printable(job->Plan().port);
            if (!job->Outcome().Done()) {
                out << port << ": not read: " << PrintableMessage(job->Outcome().message) << '\n';
                differ += (differ.empty() ? "" : ", ") + port;
                continue;
            }
            const std::vector<Difference> differences =
                link::DifferencesFromMaster(master, job->ReadBack().blocks);
            out << port << ": " << (differences.empty() ? "matches " : "differs from ") << Printable(Path())
                << '\n';
            for (const Difference& d : differences) out << "  " << d.Text() << '\n';
            if (!differences.empty()) differ += (differ.empty() ? "" : ", ") + port;
        }
        out << std::flush;
        if (stop.Received() != 0) return stop.ExitStatus();
        if (!differ.empty()) err << "differ: " << differ << '\n';
        return differ.empty() ? kExitOk : kExitFailure;
    }

    std::vector<std::string> ports_;
};

}  // namespace

std::unique_ptr<Command> MakeVerifyCommand() { return std::make_unique<VerifyCommand>(); }

}  // namespace lm::cli
