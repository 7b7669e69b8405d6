#include "windows/link/transfer_driver.h"

#include <type_traits>

#include "settings/language.h"
#include "widgets/message_box.h"
#include "globals/globals.h"

namespace lm {

TransferDriver::TransferDriver(link::TransferEngine& engine, RadioLink& line, View view, int drainGiveUpMs,
                               QObject* parent)
    : QObject(parent), engine_(engine), line_(line), view_(std::move(view)), drainGiveUpMs_(drainGiveUpMs) {
    drainGiveUp_.setSingleShot(true);
    openDelay_.setSingleShot(true);
    connect(&line_, &RadioLink::received, this, [this](const QByteArray& data) {
        Apply(engine_.BytesReceived(std::span<const std::uint8_t>(
            reinterpret_cast<const std::uint8_t*>(data.constData()), static_cast<std::size_t>(data.size()))));
    });
    connect(&line_, &RadioLink::lineError, this, [this] { Apply(engine_.LineError()); });
    connect(&line_, &RadioLink::portLost, this, [this](const QString&) { Apply(engine_.PortFailed()); });
    connect(&line_, &RadioLink::drained, this, [this] {
        if (!waitingDrain_) return;
        waitingDrain_ = false;
        drainGiveUp_.stop();
        Apply(engine_.OutputDrained());
    });
    connect(&drainGiveUp_, &QTimer::timeout, this, [this] {
        if (!waitingDrain_) return;
        waitingDrain_ = false;
        Apply(engine_.OutputDrained());
    });
}

TransferDriver::~TransferDriver() {
    StopAll();
    line_.Close();
}

void TransferDriver::OpenPortSoon(const std::string& portName, bool purge) {
    line_.Close();
    openDelay_.disconnect();
    connect(&openDelay_, &QTimer::timeout, this, [this, portName, purge] {
        if (engine_.Closed()) return;
        std::string detail;
        if (!line_.Open(portName, detail) || (purge && !line_.Purge())) {
            openFailure_ = detail;
            line_.Close();
            Apply(engine_.PortOpenFailed());
        }
    });
    openDelay_.start(kOpenDelayMs);
}

QTimer& TransferDriver::TimerFor(int id) {
    auto& slot = timers_[id];
    if (!slot) {
        slot = std::make_unique<QTimer>();
        slot->setSingleShot(true);
        slot->setTimerType(Qt::PreciseTimer);
        connect(slot.get(), &QTimer::timeout, this, [this, id] { Apply(engine_.TimerExpired(id)); });
    }
    return *slot;
}

void TransferDriver::StopAll() {
    for (auto& [id, timer] : timers_) timer->stop();
    drainGiveUp_.stop();
    openDelay_.stop();
    waitingDrain_ = false;
}

void TransferDriver::Apply(const link::Actions& actions) {
    for (const link::Action& action : actions) {
        bool portFailed = false;
        Carry(action, portFailed);
        if (portFailed) {
            // The rest of the list is void; the engine says what follows.
            Apply(engine_.PortFailed());
            return;
        }
    }
}

void TransferDriver::Carry(const link::Action& action, bool& portFailed) {
    std::visit(
        [&](const auto& a) {
            using T = std::decay_t<decltype(a)>;
            if constexpr (std::is_same_v<T, link::SendBytes>) {
                portFailed = !line_.Write(a.bytes);
            } else if constexpr (std::is_same_v<T, link::StartTimer>) {
                TimerFor(a.id).start(a.ms < 0 ? 0 : a.ms);
            } else if constexpr (std::is_same_v<T, link::StopTimer>) {
                TimerFor(a.id).stop();
            } else if constexpr (std::is_same_v<T, link::WaitDrained>) {
                waitingDrain_ = true;
                drainGiveUp_.start(drainGiveUpMs_);
            } else if constexpr (std::is_same_v<T, link::PurgeBuffers>) {
                portFailed = !line_.Purge();
            } else if constexpr (std::is_same_v<T, link::SetProgress>) {
                if (view_.progress) view_.progress(a.position, a.max);
            } else if constexpr (std::is_same_v<T, link::ShowMessage>) {
                ShowSoon(a);
            } else if constexpr (std::is_same_v<T, link::EnableOk>) {
                if (view_.enableOk) view_.enableOk(a.enabled);
            } else if constexpr (std::is_same_v<T, link::EnablePasswords>) {
                if (view_.enablePasswords) view_.enablePasswords(a.enabled);
            } else if constexpr (std::is_same_v<T, link::CloseDialog>) {
                StopAll();
                line_.Close();
                if (view_.close) view_.close();
            } else if constexpr (std::is_same_v<T, link::Finished>) {
                if (view_.finished) view_.finished(a);
            }
        },
        action);
}

void TransferDriver::ShowSoon(const link::ShowMessage& message) {
    // The message box runs its own loop: it is shown once the actions of this input have been carried out, and
    // the engine hears of its closing afterwards. Inputs arriving meanwhile are handled at once.
    QTimer::singleShot(0, this, [this, message] {
        if (engine_.Closed()) return;
        ShowMessageBox(gLanguage.Confirmation, MessageText(message), kMessageInfo);
        Apply(engine_.MessageClosed());
    });
}

std::string TransferDriver::MessageText(const link::ShowMessage& message) const {
    // The message table first, then the dialog's own translatable text, then the built-in text.
    const std::string own = view_.ownText ? view_.ownText(message.key) : std::string();
    const std::string translated = lm::MessageText(gLanguage, message.key, own.empty() ? message.text : own);
    std::string text = link::WithDetail(translated, message);
    // Why the port could not be opened (absent, busy, no permission and what to do about it).
    if (message.key == link::kPortError.key && !openFailure_.empty()) text += "\n" + openFailure_;
    return text;
}

}  // namespace lm
