#pragma once
// A production run: one data file written into the radios on several ports at once, each port's radio its own
// job (backup, write with its own DTMF ID number, verify; radio_job.h), all on one event loop, with the
// production log. Both front ends drive it the same way:
//
//   ProductionRun run(setup, messages, listener);
//   run.StartRound();     // a job on every port at once (all at once, or --repeat's next round)
//   run.Watch();          // or: each port waits for its radio (wake-up frame about once a second), starts
//   its
//                         // job when it answers, and after the job waits until the radio is taken off
//   run.Interrupt();      // radios between frames get the end frame; running jobs end Interrupted ("write it
//                         // again"); watching stops; RunEnded() follows once every job has ended
//   run.RetryFailed();    // after RunEnded(): the ports whose radio failed or was interrupted, again
//   run.Totals();         // radios written, failed, interrupted, and the mean time per written radio
//
// The listener hears every job's progress, notes and end (RadioJob::Outcome() says how), when a port starts
// or stops waiting, and RunEnded() when no job is running and no port is watched. The ID numbers: each job
// whose write begins takes the next number; a failed or interrupted job gives its number back to the next
// radio (link::IdNumbers). Log rows are appended in port order at the end of a round, and as each job ends
// while watching; a log that cannot be written is kept in LogFailure() and the run goes on (the radios are
// written all the same). Nothing blocks.
//
// A run destroyed while jobs run abandons them without the end frame: a window that is closed asks, then
// calls Interrupt() and closes once RunEnded() has come.
//
// "Check radios" is a run of Read jobs (JobPlan::Kind::Read): each job's ReadBack().blocks go to
// link::DifferencesFromMaster. A window translates an outcome's message by its messageKey when it has one.
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/state.h"
#include "link/job_rules.h"
#include "link/radio_watch.h"
#include "port/production_log.h"
#include "port/radio_job.h"
#include "port/radio_link.h"
#include "settings/language.h"

namespace lm {

struct RunSetup {
    TALL document;            // the image to write (each job takes a copy)
    TransferSession session;  // each job takes a copy
    std::vector<std::string> ports;
    // The plan of a port's job; round counts the jobs of that port from 1 (for the backup names). The run
    // fills in idNumber.
    std::function<JobPlan(const std::string& port, int round)> plan;
    std::optional<std::uint64_t> idFrom;  // number the radios' DTMF ID codes from here
    std::uint64_t idStep = 1;
    ProductionLog* log = nullptr;  // must outlive the run; opened by the caller
};

class RunListener : public JobListener {
public:
    // Watching: the port polls for a radio (forRemoval false) or for the radio just done to go.
    virtual void Waiting(const std::string& /*port*/, bool /*forRemoval*/) {}
    // Watching: the port cannot be opened (it is tried again a second later).
    virtual void PortTrouble(const std::string& /*port*/, const std::string& /*why*/) {}
    // A job has started on its port (its Plan() holds the ID number).
    virtual void Started(const RadioJob& /*job*/) {}
    // No job runs and no port is watched.
    virtual void RunEnded() = 0;
};

struct RunTotals {
    int written = 0;
    int failed = 0;
    int interrupted = 0;
    std::int64_t writtenMs = 0;  // the written radios' times added up
    std::int64_t MeanMs() const { return written > 0 ? writtenMs / written : 0; }
};

class ProductionRun : public QObject, private JobListener {
    Q_OBJECT

public:
    ProductionRun(RunSetup setup, const TLanguage& messages, RunListener& listener,
                  QObject* parent = nullptr);
    ~ProductionRun() override;

    void StartRound();
    void Watch();
    void Interrupt();
    void RetryFailed();

    bool Running() const;
    bool Interrupted() const { return interrupted_; }
    // The latest job of each port that has had one, in port order; and every job of the run, as started.
    std::vector<const RadioJob*> LastJobs() const;
    std::vector<const RadioJob*> AllJobs() const;
    RunTotals Totals() const { return totals_; }
    const std::string& LogFailure() const { return logFailure_; }

private:
    struct Port;

    void StartJob(Port& port);
    void StartWatch(Port& port, link::RadioWatch::Waiting what);
    void OpenWatch(Port& port, link::RadioWatch::Waiting what);
    void LoseLine(Port& port);
    void Carry(Port& port, const link::Actions& actions);
    void AfterSeen(Port& port);
    void StopWatch(Port& port);
    void AppendLog(const RadioJob& job);
    void EndRoundIfIdle();

    void Progress(const RadioJob& job, link::JobStep step, int position, int max) override;
    void Note(const RadioJob& job, const std::string& text) override;
    void Transferred(const RadioJob& job, link::JobStep step, const TransferStats& stats) override;
    void Done(const RadioJob& job) override;

    RunSetup setup_;
    const TLanguage& messages_;
    RunListener& listener_;
    std::vector<std::unique_ptr<Port>> ports_;
    std::vector<std::unique_ptr<RadioJob>> history_;  // jobs that a later job of their port replaced
    std::vector<const RadioJob*> started_;
    std::optional<link::IdNumbers> numbers_;
    RunTotals totals_;
    bool watching_ = false;
    bool interrupted_ = false;
    bool ended_ = true;
    bool starting_ = false;
    std::mt19937 random_{std::random_device{}()};
    std::string logFailure_;
};

}  // namespace lm
