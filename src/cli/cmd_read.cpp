// lm418t-cli read: the radio's memory over the serial cable into a data file.
#include <ostream>
#include <string>

#include "args.h"
#include "command.h"
#include "core/edit_lock.h"
#include "core/state.h"
#include "globals/globals.h"
#include "job_board.h"
#include "output_files.h"
#include "session.h"

namespace lm::cli {
namespace {

class ReadCommand : public Command {
public:
    std::string_view Name() const override { return "read"; }
    std::string_view Synopsis() const override {
        return "--port DEVICE [--password DIGITS] [--force] [--timing] OUT.dat";
    }
    std::string_view Summary() const override {
        return "Read a radio through the serial port and save its memory as the data file OUT.dat.";
    }
    std::string_view Details() const override {
        return "Options:\n"
               "  --port DEVICE      the serial port of the programming cable: a device such as "
               "/dev/ttyUSB0\n"
               "                     or /dev/pts/3, or a name under /dev (see 'lm418t-cli ports'); "
               "'simulated'\n"
               "                     for the built-in simulated radio\n"
               "  --password DIGITS  the radio's password, if it has one (an empty entry is accepted by\n"
               "                     every radio)\n"
               "  --force            replace OUT.dat when it exists (otherwise an existing file is refused\n"
               "                     before the radio is touched)\n"
               "  --timing           print the time the transfer took, its bytes and line time, and the\n"
               "                     longest the event loop was kept waiting, on standard error\n"
               "\n"
               "Reads radio bytes 0 to 495 in 31 blocks; bytes 496 to 511 of the image become 0. The model "
               "and\n"
               "band follow the radio, the settings are brought into range, and the file is saved with the\n"
               "rules of a data file (no area code, no password). The progress is shown on standard error,\n"
               "\"Reading Completed.\" and a summary on standard output. The folder of OUT.dat must exist "
               "and\n"
               "be writable before the radio is touched.\n"
               "On any failure the transfer's message is printed on standard error (\"Please check all\n"
               "connections and communication port settings.\", \"Model Type Wrong.\", \"Pass Word Wrong.\" "
               "with\n"
               "the area, \"Cannot Open Communication Port.\" with the reason), the exit status is 1 and "
               "OUT.dat\n"
               "is neither created nor changed.\n";
    }

    int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) override {
        const ParsedArgs parsed = ParseArgs(
            args, {{"--port", true}, {"--password", true}, {"--force", false}, {"--timing", false}});
        ExpectOperands(parsed, 1, "OUT.dat");
        const std::string& path = parsed.Operands[0];
        const auto port = parsed.Value("--port");
        if (!port || port->empty()) throw UsageError("missing --port DEVICE (see 'lm418t-cli ports')");
        // The file is held from before the radio is touched until it is saved.
        const EditLock lock = LockOrFail(path);
        CheckOutputTarget(path, "the data file", {}, parsed.Has("--force"));
        RequireWritableFolder(path);

        JobPlan plan;
        plan.kind = JobPlan::Kind::Read;
        plan.port = *port;
        plan.password = parsed.Value("--password").value_or("");
        JobBoard board(out, err, false, parsed.Has("--timing"));
        std::vector<std::unique_ptr<RadioJob>> jobs;
        jobs.push_back(std::make_unique<RadioJob>(plan, gAll, board));
        board.Run(jobs);
        if (!jobs[0]->Succeeded()) throw Failure(jobs[0]->Result());
        gAll = jobs[0]->State();
        const std::string area = gAll.AreaCode + (gAll.AreaText.empty() ? "" : " " + gAll.AreaText);
        SaveOrFail(gAll, path);
        out << path << ": " << gAll.ModelTitle << ", " << gAll.BandName << ", area " << area << "\n";
        return kExitOk;
    }
};

}  // namespace

std::unique_ptr<Command> MakeReadCommand() { return std::make_unique<ReadCommand>(); }

}  // namespace lm::cli
