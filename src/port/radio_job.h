#pragma once
// One radio on one port: a read, or a write with an optional backup before it (read and save the radio's
// image), an optional DTMF ID code of its own and an optional verify after it (read back and compare radio
// bytes 0..463). The job works on its own copy of the record and the session, so that radios written at the
// same time keep their own area codes and passwords; jobs run side by side on one event loop and one job's
// failure never touches another. Its end is data (link::JobOutcome): done, or failed or interrupted at a step
// with the message and, for a verify, the first differing address.
#include <QElapsedTimer>
#include <QObject>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>

#include "core/state.h"
#include "link/job_rules.h"
#include "link/read_transfer.h"
#include "port/radio_link.h"
#include "port/transfer_host.h"
#include "settings/language.h"

namespace lm {

struct JobPlan {
    enum class Kind { Read, Write };
    Kind kind = Kind::Write;
    std::string port;
    std::string password;                    // the radio's password entry
    std::optional<std::string> newPassword;  // write: give the radio this password instead of its own
    // write: read the radio first and save it where backupPath says, given the radio's area code ("" for no
    // backup). An existing file is replaced only with replaceBackup.
    std::function<std::string(const std::string& area)> backupPath;
    bool replaceBackup = false;
    bool verify = false;                    // write: read the radio back and compare
    std::optional<std::uint64_t> idNumber;  // write: the DTMF ID code of this radio
    bool Backup() const { return static_cast<bool>(backupPath); }
};

class RadioJob;

// Hears what a job has to tell; every call comes from the event loop.
class JobListener {
public:
    virtual ~JobListener() = default;
    virtual void Progress(const RadioJob& job, link::JobStep step, int position, int max) = 0;
    // A line for the operator: "Writing Completed.", "Backup saved as ...", "Verified: ...".
    virtual void Note(const RadioJob& job, const std::string& text) = 0;
    // A transfer has ended (for --timing).
    virtual void Transferred(const RadioJob& /*job*/, link::JobStep /*step*/, const TransferStats& /*s*/) {}
    // The job has ended: job.Outcome() says how.
    virtual void Done(const RadioJob& job) = 0;
};

class RadioJob : private TransferObserver {
public:
    // state and session are copied; messages, line and listener must outlive the job. The line may be shared
    // with whatever used the port before (it is closed and opened again as each step needs).
    RadioJob(JobPlan plan, const TALL& state, const TransferSession& session, const TLanguage& messages,
             RadioLink& line, JobListener& listener);
    ~RadioJob() override;
    RadioJob(const RadioJob&) = delete;
    RadioJob& operator=(const RadioJob&) = delete;

    void Start();
    // Stops the job between frames (the radio gets the end frame); Done follows with an Interrupted outcome.
    // A job that has not started or has ended is left as it is.
    void Interrupt();

    const JobPlan& Plan() const { return plan_; }
    // The job's record: after a read the radio's image, model and band; after a write the image written.
    const TALL& State() const { return state_; }
    // What a completed read brought (a Read job, or the verify's read-back).
    const link::ReadOutcome& ReadBack() const { return readBack_; }
    bool Started() const { return started_; }
    link::JobStep Step() const { return step_; }
    const link::JobOutcome& Outcome() const { return outcome_; }
    // The radio's area code as it answered the identification ("" before that).
    std::string Area() const;
    std::int64_t ElapsedMs() const { return elapsedMs_; }

private:
    void Begin(link::JobStep step);
    void Next(link::Outcome outcome);
    void AfterRead(const link::ReadOutcome& outcome);
    void SaveBackup(const link::ReadOutcome& outcome);
    void Finish(link::JobOutcome::Kind kind, std::string message, int firstDifference = -1);
    link::EngineOptions Options();

    void PortOpened() override;
    void Progress(int position, int max) override;
    void Message(const link::ShowMessage& message, std::function<void()> closed) override;
    void Closed() override;
    void Finished(const link::Finished& finished) override;

    JobPlan plan_;
    TALL state_;
    TransferSession session_;
    const TLanguage& messages_;
    RadioLink& line_;
    JobListener& listener_;
    QObject context_;  // posted continuations die with the job
    std::mt19937 random_{std::random_device{}()};
    std::unique_ptr<link::TransferEngine> engine_;
    std::function<link::Actions()> ok_;
    std::unique_ptr<TransferHost> host_;
    link::JobStep step_ = link::JobStep::Write;
    bool started_ = false;
    bool stepEnded_ = false;
    bool interrupted_ = false;
    std::string completion_;
    std::string failure_;
    std::string failureKey_;
    std::string writtenPassword_;
    link::ReadOutcome readBack_;
    link::JobOutcome outcome_;
    QElapsedTimer clock_;
    std::int64_t elapsedMs_ = 0;
};

}  // namespace lm
