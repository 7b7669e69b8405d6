#include "port/transfer_runner.h"

#include <QEventLoop>

#include <type_traits>
#include <utility>
#include <vector>

namespace lm {

TransferRunner::TransferRunner(SerialPort& port, Options options, Observer observer, QObject* parent)
    : QObject(parent), port_(port), host_(port), options_(std::move(options)), observer_(std::move(observer)) {
    for (QTimer* t : {&drainGiveUp_, &reopenDelay_}) {
        t->setSingleShot(true);
        t->setTimerType(Qt::PreciseTimer);
    }
    stallProbe_.setTimerType(Qt::PreciseTimer);
    connect(&drainGiveUp_, &QTimer::timeout, this, [this] {
        if (!waitingDrain_) return;
        waitingDrain_ = false;  // the queue did not empty in time: the dialog goes on all the same
        Feed([this] { return engine_->OutputDrained(); });
    });
    connect(&reopenDelay_, &QTimer::timeout, this, &TransferRunner::Begin);
    connect(&stallProbe_, &QTimer::timeout, this, &TransferRunner::ProbeStall);
}

TransferRunner::~TransferRunner() { host_.SetHooks({}); }

TransferResult TransferRunner::Run(link::TransferEngine& engine, const std::function<link::Actions()>& ok) {
    engine_ = &engine;
    ok_ = ok;
    ++generation_;
    done_ = false;
    executing_ = false;
    waitingDrain_ = false;
    drainedSinceSend_ = true;
    openFailure_.clear();
    result_ = {};
    clock_.start();

    TransferHost::Hooks hooks;
    hooks.bytes = [this](std::span<const std::uint8_t> bytes) {
        result_.stats.bytesReceived += bytes.size();
        Feed([this, copy = std::vector<std::uint8_t>(bytes.begin(), bytes.end())] {
            return engine_->BytesReceived(copy);
        });
    };
    hooks.timer = [this](int id) { Feed([this, id] { return engine_->TimerExpired(id); }); };
    hooks.lineError = [this] { Feed([this] { return engine_->LineError(); }); };
    hooks.drained = [this] {
        drainedSinceSend_ = true;
        if (!waitingDrain_) return;
        waitingDrain_ = false;
        drainGiveUp_.stop();
        Feed([this] { return engine_->OutputDrained(); });
    };
    hooks.portLost = [this](const std::string&) { Feed([this] { return engine_->PortFailed(); }); };
    host_.SetHooks(std::move(hooks));

    QEventLoop loop;
    loop_ = &loop;
    if (options_.reopen && port_.IsOpen()) {
        port_.Close();
        reopenDelay_.start(kReopenDelayMs);
    } else {
        Begin();
    }
    if (!done_) loop.exec();

    host_.StopAllTimers();
    host_.SetHooks({});
    drainGiveUp_.stop();
    reopenDelay_.stop();
    stallProbe_.stop();
    loop_ = nullptr;
    engine_ = nullptr;
    ++generation_;
    return result_;
}

void TransferRunner::Begin() {
    std::string detail;
    if (!port_.IsOpen() && !port_.Open(options_.portName, detail)) {
        openFailure_ = detail;
        Feed([this] { return engine_->PortOpenFailed(); });
        return;
    }
    clock_.restart();
    if (options_.measureStalls) {
        lastProbeUs_ = 0;
        stallProbe_.start(kStallProbeMs);
    }
    Feed(ok_);
}

void TransferRunner::ProbeStall() {
    const qint64 now = clock_.nsecsElapsed() / 1000;
    const qint64 late = now - lastProbeUs_ - kStallProbeMs * 1000;
    if (late > result_.stats.longestStallUs) result_.stats.longestStallUs = late;
    lastProbeUs_ = now;
}

void TransferRunner::Post(std::function<void()> call) {
    const int generation = generation_;
    QMetaObject::invokeMethod(
        this,
        [this, generation, call = std::move(call)] {
            if (generation == generation_ && engine_ != nullptr) call();
        },
        Qt::QueuedConnection);
}

void TransferRunner::Feed(std::function<link::Actions()> input) {
    if (engine_ == nullptr || done_) return;
    if (executing_) {
        Post([this, input = std::move(input)] { Feed(input); });
        return;
    }
    executing_ = true;
    Execute(input());
    executing_ = false;
}

void TransferRunner::Execute(const link::Actions& actions) {
    for (const link::Action& action : actions) {
        bool portFailed = false;
        Carry(action, portFailed);
        if (portFailed) {
            // The rest of the list is not carried out; the engine says what follows instead.
            Execute(engine_->PortFailed());
            return;
        }
    }
}

void TransferRunner::Carry(const link::Action& action, bool& portFailed) {
    std::visit(
        [&](const auto& a) {
            using A = std::decay_t<decltype(a)>;
            if constexpr (std::is_same_v<A, link::SendBytes>) {
                drainedSinceSend_ = false;
                if (!host_.Send(a.bytes)) {
                    portFailed = true;
                    return;
                }
                result_.stats.bytesSent += a.bytes.size();
                ++result_.stats.framesSent;
            } else if constexpr (std::is_same_v<A, link::StartTimer>) {
                host_.StartTimer(a.id, a.ms);
            } else if constexpr (std::is_same_v<A, link::StopTimer>) {
                host_.StopTimer(a.id);
            } else if constexpr (std::is_same_v<A, link::WaitDrained>) {
                if (drainedSinceSend_) {
                    Post([this] { Feed([this] { return engine_->OutputDrained(); }); });
                } else {
                    waitingDrain_ = true;
                    drainGiveUp_.start(options_.drainGiveUpMs);
                }
            } else if constexpr (std::is_same_v<A, link::PurgeBuffers>) {
                if (!host_.Purge()) portFailed = true;
            } else if constexpr (std::is_same_v<A, link::SetProgress>) {
                if (observer_.progress) observer_.progress(a.position, a.max);
            } else if constexpr (std::is_same_v<A, link::ShowMessage>) {
                if (observer_.message) observer_.message(a);
                Post([this] { Feed([this] { return engine_->MessageClosed(); }); });
            } else if constexpr (std::is_same_v<A, link::CloseDialog>) {
                Done();
            } else if constexpr (std::is_same_v<A, link::Finished>) {
                result_.outcome = a.outcome;
                result_.messageKey = a.messageKey;
                Done();
            }
            // EnableOk and EnablePasswords: there are no controls to enable.
        },
        action);
}

void TransferRunner::Done() {
    if (done_) return;
    done_ = true;
    result_.stats.elapsedUs = clock_.nsecsElapsed() / 1000;
    if (loop_ != nullptr && loop_->isRunning()) loop_->quit();
}

}  // namespace lm
