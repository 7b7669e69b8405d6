#include "port/transfer_host.h"

#include <QPointer>
#include <type_traits>
#include <utility>
#include <vector>

namespace lm {

TransferHost::TransferHost(link::TransferEngine& engine, RadioLink& line, TransferObserver& observer,
                           int drainGiveUpMs, QObject* parent)
    : QObject(parent), engine_(engine), line_(line), observer_(observer), drainGiveUpMs_(drainGiveUpMs) {
    for (QTimer* t : {&drainGiveUp_, &openDelay_}) {
        t->setSingleShot(true);
        t->setTimerType(Qt::PreciseTimer);
    }
    connect(&line_, &RadioLink::received, this, [this](const QByteArray& data) {
        stats_.bytesReceived += static_cast<std::size_t>(data.size());
        Input([this, bytes = std::vector<std::uint8_t>(data.begin(), data.end())] {
            return engine_.BytesReceived(bytes);
        });
    });
    connect(&line_, &RadioLink::lineError, this, [this] { Input([this] { return engine_.LineError(); }); });
    connect(&line_, &RadioLink::portLost, this, [this](const QString& why) {
        portFailure_ = why.toStdString();
        Input([this] { return engine_.PortFailed(); });
    });
    connect(&line_, &RadioLink::drained, this, [this] {
        drainedSinceSend_ = true;
        if (!waitingDrain_) return;
        waitingDrain_ = false;
        drainGiveUp_.stop();
        Input([this] { return engine_.OutputDrained(); });
    });
    connect(&drainGiveUp_, &QTimer::timeout, this, [this] {
        if (!waitingDrain_) return;
        waitingDrain_ = false;  // the queue did not empty in time: the transfer goes on all the same
        Input([this] { return engine_.OutputDrained(); });
    });
}

TransferHost::~TransferHost() { StopAll(); }

void TransferHost::OpenPort(const std::string& portName, bool purge) {
    line_.Close();
    openDelay_.disconnect();
    connect(&openDelay_, &QTimer::timeout, this, [this, portName, purge] { Open(portName, purge); });
    openDelay_.start(static_cast<int>(OpenDelayMs(line_)));
}

qint64 TransferHost::OpenDelayMs(const RadioLink& line) {
    const qint64 since = line.MsSinceClosed();
    return since < 0 || since >= kOpenDelayMs ? 0 : kOpenDelayMs - since;
}

void TransferHost::Open(const std::string& portName, bool purge) {
    if (engine_.Closed()) return;
    std::string detail;
    if (!line_.Open(portName, detail) || (purge && !line_.Purge())) {
        portFailure_ = detail;
        line_.Close();
        Input([this] { return engine_.PortOpenFailed(); });
        return;
    }
    drainedSinceSend_ = true;
    clock_.start();
    observer_.PortOpened();
}

void TransferHost::Post(std::function<void()> call) {
    // Dropped with the host when it goes first.
    QMetaObject::invokeMethod(this, std::move(call), Qt::QueuedConnection);
}

void TransferHost::Input(std::function<link::Actions()> input) {
    if (executing_) {
        Post([this, input = std::move(input)] { Input(input); });
        return;
    }
    executing_ = true;
    Execute(input());
    executing_ = false;
}

void TransferHost::Execute(const link::Actions& actions) {
    for (const link::Action& action : actions) {
        bool portFailed = false;
        Carry(action, portFailed);
        if (portFailed) {
            // The rest of the list is void; the engine says what follows instead.
            Execute(engine_.PortFailed());
            return;
        }
    }
}

QTimer& TransferHost::TimerFor(int id) {
    auto& slot = timers_[id];
    if (!slot) {
        slot = std::make_unique<QTimer>();
        slot->setSingleShot(true);
        slot->setTimerType(Qt::PreciseTimer);
        connect(slot.get(), &QTimer::timeout, this,
                [this, id] { Input([this, id] { return engine_.TimerExpired(id); }); });
    }
    return *slot;
}

void TransferHost::StopAll() {
    for (auto& [id, timer] : timers_) timer->stop();
    drainGiveUp_.stop();
    openDelay_.stop();
    waitingDrain_ = false;
}

void TransferHost::Carry(const link::Action& action, bool& portFailed) {
    std::visit(
        [&](const auto& a) {
            using A = std::decay_t<decltype(a)>;
            if constexpr (std::is_same_v<A, link::SendBytes>) {
                drainedSinceSend_ = false;
                portFailed = !line_.Write(a.bytes);
                if (portFailed) return;
                stats_.bytesSent += a.bytes.size();
                ++stats_.framesSent;
            } else if constexpr (std::is_same_v<A, link::StartTimer>) {
                TimerFor(a.id).start(a.ms < 0 ? 0 : a.ms);
            } else if constexpr (std::is_same_v<A, link::StopTimer>) {
                TimerFor(a.id).stop();
            } else if constexpr (std::is_same_v<A, link::WaitDrained>) {
                if (drainedSinceSend_) {
                    // The line emptied before the engine asked: it goes on from the event loop.
                    Post([this] { Input([this] { return engine_.OutputDrained(); }); });
                } else {
                    waitingDrain_ = true;
                    drainGiveUp_.start(drainGiveUpMs_);
                }
            } else if constexpr (std::is_same_v<A, link::PurgeBuffers>) {
                portFailed = !line_.Purge();
            } else if constexpr (std::is_same_v<A, link::SetProgress>) {
                observer_.Progress(a.position, a.max);
            } else if constexpr (std::is_same_v<A, link::ShowMessage>) {
                ShowLater(a);
            } else if constexpr (std::is_same_v<A, link::EnableOk>) {
                observer_.EnableOk(a.enabled);
            } else if constexpr (std::is_same_v<A, link::EnablePasswords>) {
                observer_.EnablePasswords(a.enabled);
            } else if constexpr (std::is_same_v<A, link::CloseDialog>) {
                StopAll();
                line_.Close();
                observer_.Closed();
            } else if constexpr (std::is_same_v<A, link::Finished>) {
                stats_.elapsedUs = clock_.isValid() ? clock_.nsecsElapsed() / 1000 : 0;
                observer_.Finished(a);
            }
        },
        action);
}

void TransferHost::ShowLater(const link::ShowMessage& message) {
    // A message box runs a loop of its own: it is shown once the actions of this input have been carried out,
    // so that inputs arriving while it is open are handled at once.
    Post([this, message] {
        if (engine_.Closed()) return;
        QPointer<TransferHost> self(this);
        observer_.Message(message, [self] {
            if (self) self->Input([host = self.data()] { return host->engine_.MessageClosed(); });
        });
    });
}

std::string TransferHost::MessageText(const link::ShowMessage& message, const std::string& translated) const {
    std::string text = link::WithDetail(translated.empty() ? message.text : translated, message);
    if (message.key == link::kPortError.key && !portFailure_.empty()) text += "\n" + portFailure_;
    return text;
}

}  // namespace lm
