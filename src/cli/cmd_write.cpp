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
#include "port/production_log.h"
#include "port/production_run.h"
#include "port/simulated_radio.h"
#include "port/stop_signals.h"
#include "port_list.h"
#include "session.h"

namespace lm::cli {
namespace {

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

// A whole number of at most 10 digits (the DTMF ID code's field) for option, or a usage error.
std::uint64_t IdNumberOption(const std::string& option, const std::string& text) {
    if (text.empty() || text.size() > 10 || text.find_first_not_of("0123456789") != std::string::npos)
        throw UsageError(option + " takes a number of 1 to 10 digits (the DTMF ID code), not '" + text + "'");
    return std::stoull(text);
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
    {"--id-code-from", "N",
     "give each radio written its own DTMF ID code, N for the first, the next number for the next (at most "
     "10 "
     "digits, completed to three with leading zeros); a radio whose write fails gives its number to the next "
     "radio, and --repeat and --each-radio go on with the sequence"},
    {"--id-code-step", "S", "with --id-code-from: count up by S (1 when not given)"},
    {"--each-radio", "",
     "start each port's radio as soon as it answers: an idle port sends only the wake-up frame, about once a "
     "second; after its radio is done the port waits until the radio is taken off, then for the next. Runs "
     "until interrupted (Ctrl-C), one log row per radio"},
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
        ports_ = PortsOf(parsed);
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
        CheckIdNumbers(parsed);
        if (parsed.Has("--each-radio") && parsed.Has("--repeat"))
            throw UsageError("--each-radio starts each radio by itself: it does not go with --repeat");
    }

    // The ID numbers are checked before any radio is touched: each must fit the field, the round's last too.
    void CheckIdNumbers(const ParsedArgs& parsed) {
        idFrom_.reset();
        idStep_ = 1;
        const auto from = parsed.Value("--id-code-from");
        if (const auto step = parsed.Value("--id-code-step")) {
            if (!from) throw UsageError("--id-code-step needs --id-code-from");
            idStep_ = IdNumberOption("--id-code-step", *step);
            if (idStep_ == 0) throw UsageError("--id-code-step must be 1 or more");
        }
        if (!from) return;
        idFrom_ = IdNumberOption("--id-code-from", *from);
        const std::uint64_t last = *idFrom_ + idStep_ * (ports_.size() - 1);
        if (last > link::kLargestIdCode)
            throw UsageError("the ID number " + std::to_string(last) +
                             " of the last port has more than 10 digits");
    }

    int Work(const ParsedArgs& parsed, TALL& document, std::ostream& out, std::ostream& err) override {
        const bool several = ports_.size() > 1;
        const bool each = parsed.Has("--each-radio");
        std::optional<ProductionLog> log;
        if (const auto logPath = parsed.Value("--log")) {
            std::string why;
            const std::string sha256 = FileSha256(Path(), why);
            if (!why.empty()) throw Failure(why);
            log.emplace(*logPath, Path(), sha256);
            if (const std::string failed = log->Open(); !failed.empty()) throw Failure(failed);
        }

        JobBoard board(out, err, several || each, parsed.Has("--timing"));
        RunSetup setup;
        setup.document = document;
        setup.session = program().session;
        setup.ports = ports_;
        setup.plan = [this, &parsed](const std::string& port, int round) {
            return Plan(parsed, port, round);
        };
        setup.idFrom = idFrom_;
        setup.idStep = idStep_;
        setup.log = log ? &*log : nullptr;
        ProductionRun run(std::move(setup), program().messages, board);
        for (int round = 1;; ++round) {
            std::vector<EditLock> backupLocks;  // a backup is a data file that must not change under us
            if (!each) backupLocks = CheckBackups(parsed, round);
            // Only while the radios are written: Ctrl-C at the prompt below ends the process as usual.
            StopSignals stop;
            QObject::connect(&stop, &StopSignals::stopRequested, &run, &ProductionRun::Interrupt);
            board.Run(run, ports_, each);
            const std::vector<const RadioJob*> jobs = each ? run.AllJobs() : run.LastJobs();
            std::string failed;
            for (const RadioJob* job : jobs)
                if (!job->Outcome().Done()) failed += (failed.empty() ? "" : ", ") + job->Plan().port;
            if (several || each || stop.Received() != 0) board.PrintTable(jobs);
            if (!run.LogFailure().empty()) throw Failure(run.LogFailure());
            if (stop.Received() != 0) {
                err << "interrupted" << (failed.empty() ? "" : ": " + failed) << "\n";
                return stop.ExitStatus();
            }
            if (!failed.empty()) throw Failure(several ? "failed: " + failed : jobs[0]->Outcome().message);
            if (each || !parsed.Has("--repeat")) break;
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

    // The job of a port: each radio gets the file's image with its own area code, password and time stamp.
    JobPlan Plan(const ParsedArgs& parsed, const std::string& port, int round) const {
        JobPlan plan;
        plan.port = port;
        plan.password = parsed.Value("--password").value_or("");
        plan.newPassword = parsed.Value("--new-password");
        plan.verify = parsed.Has("--verify");
        plan.replaceBackup = parsed.Has("--force");
        if (const auto backup = parsed.Value("--backup")) {
            const std::string path = BackupPath(*backup, TagOf(port), round);
            plan.backupPath = [path](const std::string&) { return path; };
        }
        return plan;
    }

    std::string TagOf(const std::string& port) const {
        for (std::size_t i = 0; i < ports_.size(); ++i)
            if (ports_[i] == port) return tags_[ports_.size() > 1 ? i : 0];
        return "";
    }

    // The backups of a round, locked and checked before its radios are touched.
    std::vector<EditLock> CheckBackups(const ParsedArgs& parsed, int round) const {
        std::vector<EditLock> locks;
        const auto backup = parsed.Value("--backup");
        if (!backup) return locks;
        for (const std::string& port : ports_) {
            const std::string path = BackupPath(*backup, TagOf(port), round);
            locks.push_back(LockOrFail(path));
            CheckBackupTarget(path, others_, parsed.Has("--force"));
        }
        return locks;
    }

    std::vector<std::string> ports_;
    std::vector<std::string> tags_;
    std::vector<NamedFile> others_;
    std::optional<std::uint64_t> idFrom_;
    std::uint64_t idStep_ = 1;
};

}  // namespace

std::unique_ptr<Command> MakeWriteCommand() { return std::make_unique<WriteCommand>(); }

}  // namespace lm::cli
