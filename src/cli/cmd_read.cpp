// lm418t-cli read: the radio's memory over the serial cable into a data file.
#include <ostream>
#include <string>

#include "command.h"
#include "core/edit_lock.h"
#include "core/state.h"
#include "file_command.h"
#include "job_board.h"
#include "output_files.h"
#include "session.h"

namespace lm::cli {
namespace {

constexpr Option kOptions[] = {
    {"--port", "DEVICE",
     "the serial port of the programming cable: a device such as /dev/ttyUSB0 or /dev/pts/3, or a name under "
     "/dev (see 'lm418t-cli ports'); 'simulated' for the built-in simulated radio",
     true},
    {"--password", "DIGITS",
     "the radio's password, if it has one (an empty entry is accepted by every radio)"},
    {"--force", "",
     "replace OUT.dat when it exists (otherwise an existing file is refused before the radio is touched)"},
    {"--timing", "",
     "print the time the transfer took, its bytes and line time, and the longest the event loop was kept "
     "waiting, on standard error"},
};

class ReadCommand : public Command {
public:
    std::string_view Name() const override { return "read"; }
    std::span<const Option> Options() const override { return kOptions; }
    std::string_view Operands() const override { return "OUT.dat"; }
    HelpText Help() const override {
        return {
            .summary = "Read a radio through the serial port and save its memory as the data file OUT.dat.",
            .details =
                "Reads radio bytes 0 to 495 in 31 blocks; bytes 496 to 511 of the image become 0. The "
                "model and band follow the radio, the settings are brought into range, and the file is "
                "saved with the rules of a data file (no area code, no password). The progress is shown "
                "on standard error, \"Reading Completed.\" and a summary on standard output. The folder "
                "of OUT.dat must exist and be writable before the radio is touched.\n"
                "On any failure the transfer's message is printed on standard error (\"Please check all "
                "connections and communication port settings.\", \"Model Type Wrong.\", \"Pass Word "
                "Wrong.\" with the area, \"Cannot Open Communication Port.\" with the reason), the exit "
                "status is 1 and OUT.dat is neither created nor changed.",
        };
    }

    int Run(const ParsedArgs& parsed, std::ostream& out, std::ostream& err) override {
        TALL& document = program().document;
        ExpectOperands(parsed, 1, "OUT.dat");
        const std::string& path = parsed.Operands[0];
        const auto port = parsed.Value("--port");
        if (!port || port->empty()) throw UsageError("missing --port DEVICE (see 'lm418t-cli ports')");
        // The file is held from before the radio is touched until it is saved.
        const EditLock lock = LockOrFail(path);
        CheckOutputTarget(path, "the data file", {}, parsed.Has("--force"));
        RequireWritableFolder(path);

        JobBoard board(out, err, false, parsed.Has("--timing"));
        const std::string password = parsed.Value("--password").value_or("");
        RunSetup setup;
        setup.document = document;
        setup.session = program().session;
        setup.ports = {*port};
        setup.plan = [&password](const std::string& name, int) {
            JobPlan plan;
            plan.kind = JobPlan::Kind::Read;
            plan.port = name;
            plan.password = password;
            return plan;
        };
        ProductionRun run(std::move(setup), program().messages, board);
        board.Run(run, {*port});
        const RadioJob& job = *run.LastJobs().at(0);
        if (!job.Outcome().Done()) throw Failure(job.Outcome().message);
        document = job.State();
        const std::string area =
            document.AreaCode + (document.AreaText.empty() ? "" : " " + document.AreaText);
        SaveOrFail(program().messages, document, path);
        out << path << ": " << document.ModelTitle << ", " << document.BandName << ", area " << area << "\n";
        return kExitOk;
    }
};

}  // namespace

std::unique_ptr<Command> MakeReadCommand() { return std::make_unique<ReadCommand>(); }

}  // namespace lm::cli
