#include "port/production_run.h"

#include <algorithm>
#include <utility>

#include "core/port_name.h"
#include "port/transfer_host.h"

namespace lm {

using link::RadioWatch;

struct ProductionRun::Port {
    std::string name;
    std::unique_ptr<RadioLink> line;
    std::unique_ptr<RadioJob> job;
    int round = 0;
    bool inRound = false;  // its job belongs to the round being run (logged at the round's end)
    std::unique_ptr<RadioWatch> watch;
    QObject* watchContext = nullptr;  // the connections of the watch; deleted later, never inside its slots
    QTimer pollTimer;
    RadioWatch::Waiting waiting = RadioWatch::Waiting::ForRadio;
    bool troubleTold = false;  // the port could not be opened, and the listener has heard so
};

ProductionRun::ProductionRun(RunSetup setup, const TLanguage& messages, RunListener& listener,
                             QObject* parent)
    : QObject(parent), setup_(std::move(setup)), messages_(messages), listener_(listener) {
    for (const std::string& name : setup_.ports) {
        auto port = std::make_unique<Port>();
        port->name = name;
        port->line = CreateRadioLink(name);
        port->pollTimer.setSingleShot(true);
        port->pollTimer.setTimerType(Qt::PreciseTimer);
        ports_.push_back(std::move(port));
    }
    if (setup_.idFrom) numbers_.emplace(*setup_.idFrom, setup_.idStep);
}

ProductionRun::~ProductionRun() {
    for (auto& port : ports_) {
        port->job.reset();  // before the line it uses
        StopWatch(*port);
    }
}

bool ProductionRun::Running() const {
    if (watching_ && !interrupted_) return true;
    return std::any_of(ports_.begin(), ports_.end(), [](const auto& p) {
        return p->job && p->job->Started() && !p->job->Outcome().Ended();
    });
}

std::vector<const RadioJob*> ProductionRun::LastJobs() const {
    std::vector<const RadioJob*> jobs;
    for (const auto& port : ports_)
        if (port->job) jobs.push_back(port->job.get());
    return jobs;
}

std::vector<const RadioJob*> ProductionRun::AllJobs() const { return started_; }

void ProductionRun::StartRound() {
    ended_ = false;
    interrupted_ = false;
    starting_ = true;
    for (auto& port : ports_) {
        port->inRound = true;
        StartJob(*port);
    }
    starting_ = false;
    EndRoundIfIdle();
}

void ProductionRun::RetryFailed() {
    if (Running()) return;
    ended_ = false;
    interrupted_ = false;
    starting_ = true;
    for (auto& port : ports_) {
        port->inRound = port->job && !port->job->Outcome().Done();
        if (port->inRound) StartJob(*port);
    }
    starting_ = false;
    EndRoundIfIdle();
}

void ProductionRun::Watch() {
    ended_ = false;
    interrupted_ = false;
    watching_ = true;
    for (auto& port : ports_) StartWatch(*port, RadioWatch::Waiting::ForRadio);
}

void ProductionRun::Interrupt() {
    if (ended_) return;
    interrupted_ = true;
    for (auto& port : ports_) {
        StopWatch(*port);
        if (port->job) port->job->Interrupt();
    }
    EndRoundIfIdle();
}

void ProductionRun::StartJob(Port& port) {
    JobPlan plan = setup_.plan(port.name, ++port.round);
    if (numbers_ && plan.kind == JobPlan::Kind::Write)
        plan.idNumber = numbers_->Take().value_or(link::kLargestIdCode + 1);  // refused by the job
    if (port.job) history_.push_back(std::move(port.job));
    port.job = std::make_unique<RadioJob>(std::move(plan), setup_.document, setup_.session, messages_,
                                          *port.line, static_cast<JobListener&>(*this));
    started_.push_back(port.job.get());
    listener_.Started(*port.job);
    port.job->Start();
}

void ProductionRun::StartWatch(Port& port, RadioWatch::Waiting what) {
    StopWatch(port);
    port.watch = std::make_unique<RadioWatch>(ComPortNumber(port.name), [this](int bound) {
        return std::uniform_int_distribution<int>(0, bound - 1)(random_);
    });
    port.watchContext = new QObject(this);
    Port* p = &port;
    connect(port.line.get(), &RadioLink::received, port.watchContext, [this, p](const QByteArray& data) {
        Carry(*p, p->watch->BytesReceived(std::span(reinterpret_cast<const std::uint8_t*>(data.data()),
                                                    static_cast<std::size_t>(data.size()))));
    });
    connect(&port.pollTimer, &QTimer::timeout, port.watchContext,
            [this, p] { Carry(*p, p->watch->TimerExpired(RadioWatch::kPollTimer)); });
    connect(port.line.get(), &RadioLink::portLost, port.watchContext, [this, p] { LoseLine(*p); });
    // A line this run has just closed is opened again only after the port's pause.
    QTimer::singleShot(TransferHost::OpenDelayMs(*port.line), port.watchContext,
                       [this, p, what] { OpenWatch(*p, what); });
}

void ProductionRun::LoseLine(Port& port) {
    // The adapter went away under the watch: it waits for it as for a port that cannot be opened.
    port.pollTimer.stop();
    port.line->Close();
    QTimer::singleShot(RadioWatch::kPollMs, port.watchContext,
                       [this, p = &port] { OpenWatch(*p, p->waiting); });
}

void ProductionRun::OpenWatch(Port& port, RadioWatch::Waiting what) {
    port.waiting = what;
    std::string why;
    if (!port.line->IsOpen() && !port.line->Open(port.name, why)) {
        // An adapter that was unplugged may come back: tried again a second later, told once.
        if (!std::exchange(port.troubleTold, true)) listener_.PortTrouble(port.name, why);
        QTimer::singleShot(RadioWatch::kPollMs, port.watchContext,
                           [this, p = &port, what] { OpenWatch(*p, what); });
        return;
    }
    port.troubleTold = false;
    listener_.Waiting(port.name, what == RadioWatch::Waiting::ForRemoval);
    Carry(port, port.watch->Start(what));
}

void ProductionRun::StopWatch(Port& port) {
    port.pollTimer.stop();
    if (port.watchContext) {
        // No more input for this watch, even before its context goes.
        QObject::disconnect(port.line.get(), nullptr, port.watchContext, nullptr);
        QObject::disconnect(&port.pollTimer, nullptr, port.watchContext, nullptr);
        port.watchContext->deleteLater();
        port.watchContext = nullptr;
        if (port.line && (!port.job || port.job->Outcome().Ended() || !port.job->Started()))
            port.line->Close();
    }
}

void ProductionRun::Carry(Port& port, const link::Actions& actions) {
    for (const link::Action& action : actions) {
        if (std::holds_alternative<link::PurgeBuffers>(action)) {
            if (!port.line->Purge()) return LoseLine(port);
        } else if (const auto* send = std::get_if<link::SendBytes>(&action)) {
            if (!port.line->Write(send->bytes)) return LoseLine(port);
        } else if (const auto* start = std::get_if<link::StartTimer>(&action)) {
            port.pollTimer.start(start->ms);
        } else if (std::holds_alternative<link::StopTimer>(action)) {
            port.pollTimer.stop();
        }
    }
    const RadioWatch::Seen seen = port.watch->TakeSeen();
    if (seen == RadioWatch::Seen::Nothing) return;
    // Out of the watch's own slot before it goes.
    QMetaObject::invokeMethod(
        this,
        [this, p = &port, seen] {
            if (interrupted_ || !watching_) return;
            if (seen == RadioWatch::Seen::Removed) {
                p->waiting = RadioWatch::Waiting::ForRadio;
                listener_.Waiting(p->name, false);
                Carry(*p, p->watch->Start(RadioWatch::Waiting::ForRadio));
                return;
            }
            StopWatch(*p);
            StartJob(*p);
        },
        Qt::QueuedConnection);
}

void ProductionRun::AppendLog(const RadioJob& job) {
    if (!setup_.log) return;
    const std::string failed =
        setup_.log->Append({job.Plan().port, setup_.document.ModelTitle, setup_.document.BandName, job.Area(),
                            job.Outcome().message, job.Outcome().verified, job.Plan().idNumber});
    if (!failed.empty() && logFailure_.empty()) logFailure_ = failed;
}

void ProductionRun::EndRoundIfIdle() {
    if (starting_ || ended_ || Running()) return;
    if (!watching_) {
        for (auto& port : ports_)
            if (port->inRound && port->job) AppendLog(*port->job);
    }
    for (auto& port : ports_) port->inRound = false;
    watching_ = false;
    ended_ = true;
    listener_.RunEnded();
}

void ProductionRun::Progress(const RadioJob& job, link::JobStep step, int position, int max) {
    listener_.Progress(job, step, position, max);
}

void ProductionRun::Note(const RadioJob& job, const std::string& text) { listener_.Note(job, text); }

void ProductionRun::Transferred(const RadioJob& job, link::JobStep step, const TransferStats& stats) {
    listener_.Transferred(job, step, stats);
}

void ProductionRun::Done(const RadioJob& job) {
    const link::JobOutcome& outcome = job.Outcome();
    if (numbers_ && job.Plan().idNumber) {
        if (outcome.Done())
            numbers_->Written(*job.Plan().idNumber);
        else
            numbers_->GiveBack(*job.Plan().idNumber);
    }
    if (outcome.Done()) {
        ++totals_.written;
        totals_.writtenMs += job.ElapsedMs();
    } else if (outcome.kind == link::JobOutcome::Kind::Interrupted) {
        ++totals_.interrupted;
    } else {
        ++totals_.failed;
    }
    if (watching_) AppendLog(job);
    listener_.Done(job);
    if (watching_ && !interrupted_) {
        for (auto& port : ports_)
            if (port->job.get() == &job) StartWatch(*port, RadioWatch::Waiting::ForRemoval);
        return;
    }
    // Out of the job's own call before the front end may drop the run.
    QMetaObject::invokeMethod(
        this, [this] { EndRoundIfIdle(); }, Qt::QueuedConnection);
}

}  // namespace lm
