#include "port/transfer_host.h"

namespace lm {

TransferHost::TransferHost(SerialPort& port, QObject* parent) : QObject(parent), port_(port) {
    connect(&port_, &SerialPort::received, this, [this](const QByteArray& data) {
        if (hooks_.bytes)
            hooks_.bytes(std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(data.constData()),
                                                       static_cast<std::size_t>(data.size())));
    });
    connect(&port_, &SerialPort::lineError, this, [this] {
        if (hooks_.lineError) hooks_.lineError();
    });
    connect(&port_, &SerialPort::drained, this, [this] {
        if (hooks_.drained) hooks_.drained();
    });
    connect(&port_, &SerialPort::portLost, this, [this](const QString& why) {
        if (hooks_.portLost) hooks_.portLost(why.toStdString());
    });
}

QTimer& TransferHost::TimerFor(int id) {
    auto& slot = timers_[id];
    if (!slot) {
        slot = std::make_unique<QTimer>();
        slot->setSingleShot(true);
        slot->setTimerType(Qt::PreciseTimer);
        connect(slot.get(), &QTimer::timeout, this, [this, id] {
            if (hooks_.timer) hooks_.timer(id);
        });
    }
    return *slot;
}

void TransferHost::StartTimer(int id, int ms) { TimerFor(id).start(ms < 0 ? 0 : ms); }

void TransferHost::StopTimer(int id) {
    const auto it = timers_.find(id);
    if (it != timers_.end()) it->second->stop();
}

bool TransferHost::TimerActive(int id) const {
    const auto it = timers_.find(id);
    return it != timers_.end() && it->second->isActive();
}

void TransferHost::StopAllTimers() {
    for (auto& [id, timer] : timers_) timer->stop();
}

}  // namespace lm
