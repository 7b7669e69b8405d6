#pragma once
// One radio on one port, programmed by the link commands: a read, or a write with an optional backup read
// before it and an optional read-back after it. Each job works on its own copy of the document and the
// session, so that radios written at the same time keep their own area codes and passwords; jobs run side by
// side on one event loop and one job's failure never touches another.
#include <QElapsedTimer>
#include <QObject>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/state.h"
#include "link/read_transfer.h"
#include "port/radio_link.h"
#include "port/transfer_host.h"
#include "session.h"

namespace lm::cli {

struct JobPlan {
    enum class Kind { Read, Write };
    Kind kind = Kind::Write;
    std::string port;
    std::string password;                    // the radio's password entry
    std::optional<std::string> newPassword;  // write: give the radio this password instead of its own
    std::string backupPath;                  // write: read the radio first and save it here ("" for none)
    bool verify = false;                     // write: read the radio back and compare
};

class RadioJob;

// Hears what the jobs have to tell; every call comes from the event loop.
class JobListener {
public:
    virtual ~JobListener() = default;
    // stage: "Reading", "Backup", "Writing" or "Verifying".
    virtual void Progress(const RadioJob& job, const std::string& stage, int position, int max) = 0;
    // A line for the user: "Writing Completed.", "Backup saved as ...", "Verified: ...".
    virtual void Note(const RadioJob& job, const std::string& text) = 0;
    // A transfer has ended (for --timing).
    virtual void Transferred(const RadioJob& job, const std::string& stage, const TransferStats& stats) = 0;
    virtual void Done(const RadioJob& job) = 0;
};

class RadioJob : private TransferObserver {
public:
    // program: the document to write (or to read into) and the session, both copied.
    RadioJob(JobPlan plan, const Program& program, JobListener& listener);
    ~RadioJob() override;
    RadioJob(const RadioJob&) = delete;
    RadioJob& operator=(const RadioJob&) = delete;

    void Start();

    const JobPlan& Plan() const { return plan_; }
    // The job's state record: after a read the radio's image, model and band; after a write the image
    // written.
    const TALL& State() const { return state_; }
    bool Done() const { return done_; }
    bool Succeeded() const { return succeeded_; }
    bool Verified() const { return verified_; }
    // "Writing Completed." (or "Reading Completed.") or the message of the failure.
    const std::string& Result() const { return result_; }
    // The radio's area code as it answered the identification ("" before that).
    std::string Area() const;
    std::int64_t ElapsedMs() const { return elapsedMs_; }

private:
    enum class Step { Read, Backup, Write, Verify };

    void Begin(Step step);
    void Next(link::Outcome outcome);
    void AfterRead(const link::ReadOutcome& outcome);
    void Finish(bool ok, const std::string& result);
    std::string Stage() const;
    link::EngineOptions Options();

    // What the host reports.
    void PortOpened() override;
    void Progress(int position, int max) override;
    void Message(const link::ShowMessage& message, std::function<void()> closed) override;
    void Closed() override;
    void Finished(const link::Finished& finished) override;

    JobPlan plan_;
    TALL state_;
    TransferSession session_;
    const TLanguage& messages_;
    JobListener& listener_;
    QObject context_;  // posted continuations die with the job
    std::mt19937 random_{std::random_device{}()};
    std::unique_ptr<RadioLink> line_;
    std::unique_ptr<link::TransferEngine> engine_;
    std::function<link::Actions()> ok_;
    std::unique_ptr<TransferHost> host_;
    Step step_ = Step::Read;
    bool stepEnded_ = false;
    std::string completion_;
    std::string failure_;
    std::string writtenPassword_;
    bool done_ = false;
    bool succeeded_ = false;
    bool verified_ = false;
    std::string result_;
    QElapsedTimer clock_;
    std::int64_t elapsedMs_ = 0;
};

}  // namespace lm::cli
