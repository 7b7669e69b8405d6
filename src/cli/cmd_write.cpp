// lm418t-cli write: a data file over the serial cable into one radio, several radios at once, or one set of
// radios after another.
#include <iostream>
#include <optional>
#include <ostream>
#include <set>
#include <string>

#include "backup_files.h"
#include "command.h"
#include "core/edit_lock.h"
#include "core/state.h"
#include "file_command.h"
#include "job_board.h"
#include "link/actions.h"
#include "link/handshake.h"
#include "output_files.h"
#include "port/simulated_radio.h"
#include "session.h"
#include "write_log.h"

namespace lm::cli {
namespace {

// The ports of the command line, each once; their tags for the backup names are unique too.
std::vector<std::string> Ports(const ParsedArgs& parsed) {
    const std::vector<std::string> ports = parsed.All("--port");
    if (ports.empty()) throw UsageError("missing --port DEVICE (see 'lm418t-cli ports')");
    std::set<std::string> seen;
    for (const std::string& port : ports) {
        if (port.empty()) throw UsageError("an empty --port");
        if (!seen.insert(IsSimulatedPort(port) ? std::string(kSimulatedPortName) : port).second)
            throw UsageError("the port " + port + " is given twice");
    }
    return ports;
}

std::vector<std::string> Tags(const std::vector<std::string>& ports) {
    if (ports.size() < 2) return {""};
    std::vector<std::string> tags;
    std::set<std::string> seen;
    for (const std::string& port : ports) tags.push_back(PortTag(port));
    for (const std::string& tag : tags)
        if (!seen.insert(tag).second) {
            // Two ports of the same name in different folders: the whole path names them.
            for (std::size_t i = 0; i < tags.size(); ++i) {
                tags[i] = ports[i];
                for (char& c : tags[i])
                    if (c == '/') c = '_';
            }
            break;
        }
    return tags;
}

constexpr Option kOptions[] = {
    {"--port", "DEVICE",
     "the serial port of the programming cable (see 'lm418t-cli ports'); 'simulated' for the built-in "
     "simulated radio. Given several times, the radios on all the ports are written at the same time",
     true, true},
    {"--password", "DIGITS", "the radio's password, if it has one (an empty entry is accepted)"},
    {"--new-password", "DIGITS",
     "give the radio this password (0 to 10 digits; empty: none) instead of keeping its own"},
    {"--backup", "FILE.dat",
     "first read the radio and save its memory as FILE.dat, so that the write can be undone; with several "
     "ports one file per port with the port's name (FILE-ttyUSB0.dat); with --repeat FILE-2.dat, FILE-3.dat "
     "... for the next rounds. FILE.dat may not be IN.dat or the log"},
    {"--force", "",
     "replace backup files that exist (otherwise they are kept and the write is refused before a radio is "
     "touched)"},
    {"--verify", "",
     "after writing, read the radio back and compare radio bytes 0 to 463 with what was written; the first "
     "differing address is reported"},
    {"--repeat", "",
     "after each round, wait for Enter on standard input and write the next radio (or set of radios); end of "
     "input ends the session"},
    {"--log", "FILE.csv",
     "append one row per radio and attempt: date and time, port, model, band, area, result, verified, the "
     "data "
     "file and its SHA-256. It must be a regular file or not exist yet, and may not be IN.dat"},
    {"--timing", "", "print what each transfer cost on standard error"},
};

class WriteCommand : public FileCommand {
public:
    std::string_view Name() const override { return "write"; }
    std::span<const Option> Options() const override { return kOptions; }
    std::string_view Operands() const override { return "IN.dat"; }
    HelpText Help() const override {
        return {
            .summary =
                "Write the data file IN.dat into a radio, or into several radios at once, through the "
                "serial port.",
            .details =
                "Writes radio bytes 0 to 463 in 58 frames of 8 bytes: the image of IN.dat with the "
                "identification of its model and band, the radio's own area code, its own (or the new) "
                "password and the time of the write. IN.dat itself is not changed.\n"
                "With one port, \"Writing Completed.\" is printed on standard output and a failure's "
                "message on standard error. With several, each radio has its own progress line and the "
                "end is a table of port, area, result and seconds; one radio's failure does not stop "
                "the others. The exit status is 0 only when every radio was written, 1 otherwise (the "
                "failed ports are named); a radio whose write failed holds the frames it acknowledged.",
        };
    }

private:
    void Check(const ParsedArgs& parsed) override {
        ExpectOperands(parsed, 1, "IN.dat");
        const std::string& input = parsed.Operands[0];
        ports_ = Ports(parsed);
        tags_ = Tags(ports_);
        // Only digits can be stored in the radio: refused before the radio is touched at all.
        if (const auto newPassword = parsed.Value("--new-password");
            newPassword && !link::IsEncodablePassword(link::TrimPassword(*newPassword)))
            throw Failure(link::kPwdDigits.text);
        // The files the backups must keep clear of; the log is appended to, so an existing one is fine.
        others_ = {{input, "the data file"}};
        if (const auto logPath = parsed.Value("--log")) {
            CheckOutputTarget(*logPath, "the log", others_, true);
            others_.push_back({*logPath, "the log"});
        }
        if (const auto backup = parsed.Value("--backup")) CheckBackupTarget(*backup, others_, true);
    }

    int Work(const ParsedArgs& parsed, TALL& document, std::ostream& out, std::ostream& err) override {
        const std::vector<std::string>& ports = ports_;
        const auto newPassword = parsed.Value("--new-password");
        const auto backup = parsed.Value("--backup");
        std::optional<WriteLog> log;
        if (const auto logPath = parsed.Value("--log")) log.emplace(*logPath, Path(), FileSha256(Path()));

        const bool several = ports.size() > 1;
        JobBoard board(out, err, several, parsed.Has("--timing"));
        for (int round = 1;; ++round) {
            std::vector<std::unique_ptr<RadioJob>> jobs;
            std::vector<EditLock> backupLocks;  // a backup is a data file that must not change under us
            for (std::size_t i = 0; i < ports.size(); ++i) {
                JobPlan plan;
                plan.port = ports[i];
                plan.password = parsed.Value("--password").value_or("");
                plan.newPassword = newPassword;
                plan.verify = parsed.Has("--verify");
                if (backup) {
                    plan.backupPath = BackupPath(*backup, tags_[several ? i : 0], round);
                    backupLocks.push_back(LockOrFail(plan.backupPath));
                    CheckBackupTarget(plan.backupPath, others_, parsed.Has("--force"));
                }
                // Each radio gets the file's image with its own area code, password and time stamp.
                jobs.push_back(std::make_unique<RadioJob>(plan, program(), board));
            }
            board.Run(jobs);
            std::string failed;
            for (const auto& job : jobs) {
                if (log)
                    log->Append({job->Plan().port, document.ModelTitle, document.BandName, job->Area(),
                                 job->Result(), job->Verified()});
                if (!job->Succeeded()) failed += (failed.empty() ? "" : ", ") + job->Plan().port;
            }
            if (several) board.PrintTable(jobs);
            if (!failed.empty()) throw Failure(several ? "failed: " + failed : jobs[0]->Result());
            if (!parsed.Has("--repeat")) break;
            err << "Connect the next radio" << (several ? "s" : "")
                << " and press Enter (end of input to finish): " << std::flush;
            std::string line;
            if (!std::getline(std::cin, line)) {
                err << "\n";
                break;
            }
        }
        return kExitOk;
    }

    std::vector<std::string> ports_;
    std::vector<std::string> tags_;
    std::vector<NamedFile> others_;
};

}  // namespace

std::unique_ptr<Command> MakeWriteCommand() { return std::make_unique<WriteCommand>(); }

}  // namespace lm::cli
