#pragma once
// Runs one protocol engine (a read or a write) over a line to the radio on the Qt event loop: opens the line,
// carries out every action the engine answers with (bytes, timers, drain waits, purges) and feeds it the
// line's notifications, the timer expiries and the closing of its messages. What a person must see (progress,
// messages, the state of Ok and the passwords, the end) goes to an observer: a window or the command line.
// Nothing blocks: every pause is a timer. An input that arrives while the actions of another are being
// carried out is handled afterwards, from the event loop.
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "link/actions.h"
#include "link/handshake.h"
#include "port/radio_link.h"

namespace lm {

// What one attempt cost, from the moment the line was open to the end of the transfer.
struct TransferStats {
    qint64 elapsedUs = 0;
    std::size_t bytesSent = 0;
    std::size_t bytesReceived = 0;
    int framesSent = 0;
};

// What the host reports to whoever presents the transfer. Every call comes from the event loop.
class TransferObserver {
public:
    virtual ~TransferObserver() = default;
    // The line is open: Ok may be pressed.
    virtual void PortOpened() {}
    virtual void Progress(int /*position*/, int /*max*/) {}
    // A message to show (TransferHost::MessageText composes its text). closed() must be called once it has
    // been closed, at once or later; inputs that arrive meanwhile are handled as they come.
    virtual void Message(const link::ShowMessage& message, std::function<void()> closed) = 0;
    virtual void EnableOk(bool /*enabled*/) {}
    virtual void EnablePasswords(bool /*enabled*/) {}
    // The engine has closed its dialog; the line is closed already.
    virtual void Closed() {}
    virtual void Finished(const link::Finished& /*finished*/) {}
};

class TransferHost : public QObject {
    Q_OBJECT

public:
    // How long a drain wait may take before the transfer goes on regardless: the read gives up after 51 steps
    // of 20 ms, the write after 101 steps of 50 ms.
    static constexpr int kReadDrainGiveUpMs = 20 * 51;
    static constexpr int kWriteDrainGiveUpMs = 50 * 101;
    // A line closed less than this long ago is opened again only once this time has passed.
    static constexpr int kOpenDelayMs = 50;

    // The engine, the line and the observer must outlive the host.
    TransferHost(link::TransferEngine& engine, RadioLink& line, TransferObserver& observer, int drainGiveUpMs,
                 QObject* parent = nullptr);
    ~TransferHost() override;

    // Opens the line from the event loop; a line that is open is closed first, and a line closed less than
    // kOpenDelayMs ago is opened only once that time has passed. purge: the buffers are purged as well. A
    // failure goes to the engine (PortError, then its dialog closes) and its reason is kept in PortFailure().
    void OpenPort(const std::string& portName, bool purge);
    // Hands an input to the engine (Ok, a changed password ...) and carries out its answer.
    void Input(std::function<link::Actions()> input);
    void Cancel() {
        Input([this] { return engine_.Cancel(); });
    }

    // How long a line must wait before it is opened: what is left of kOpenDelayMs since it was closed.
    static qint64 OpenDelayMs(const RadioLink& line);

    // Why the line could not be opened or was lost ("" when it was not).
    const std::string& PortFailure() const { return portFailure_; }
    // The text of a message: its translation (the built-in English text when translated is ""), its detail
    // with each carriage return as a line break; the message that the port cannot be opened says why on a
    // line of its own.
    std::string MessageText(const link::ShowMessage& message, const std::string& translated) const;
    const TransferStats& Stats() const { return stats_; }

private:
    void Carry(const link::Action& action, bool& portFailed);
    void Execute(const link::Actions& actions);
    void Post(std::function<void()> call);
    QTimer& TimerFor(int id);
    void StopAll();
    void Open(const std::string& portName, bool purge);
    void ShowLater(const link::ShowMessage& message);

    link::TransferEngine& engine_;
    RadioLink& line_;
    TransferObserver& observer_;
    int drainGiveUpMs_;
    std::map<int, std::unique_ptr<QTimer>> timers_;
    QTimer drainGiveUp_;
    QTimer openDelay_;
    QElapsedTimer clock_;
    bool executing_ = false;
    bool waitingDrain_ = false;
    bool drainedSinceSend_ = true;
    std::string portFailure_;
    TransferStats stats_;
};

}  // namespace lm
