#pragma once
// Runs one read or write transfer engine over the serial port on the Qt event loop: opens the port as the
// transfer dialog does when it is shown, presses Ok, carries out every action the engine answers with (bytes,
// timers, drain waits, purges, progress, messages, closing) and feeds it the port's notifications and the timer
// expiries, until the attempt has finished. Nothing here sleeps: every pause is a timer.
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <string>

#include "link/actions.h"
#include "link/handshake.h"
#include "port/serial_port.h"
#include "port/transfer_host.h"

class QEventLoop;

namespace lm {

// What one attempt cost, from Ok to its end.
struct TransferStats {
    qint64 elapsedUs = 0;
    std::size_t bytesSent = 0;
    std::size_t bytesReceived = 0;
    int framesSent = 0;
    qint64 longestStallUs = 0;  // the event loop's longest lateness, measured with a 5 ms timer
};

struct TransferResult {
    link::Outcome outcome = link::Outcome::Failed;
    std::string messageKey;  // of the message that ended it ("ReadOk", "ComError" ...), "" when none
    TransferStats stats;
};

class TransferRunner : public QObject {
    Q_OBJECT

public:
    struct Options {
        std::string portName;
        // Read: a port that is open already is closed first and opened again 50 ms later.
        bool reopen = false;
        // How long a drain wait may take before the transfer goes on regardless: the read dialog gives up
        // after 51 steps of 20 ms, the write dialog after 101 steps of 50 ms.
        int drainGiveUpMs = 1020;
        bool measureStalls = false;
    };
    struct Observer {
        std::function<void(int position, int max)> progress;
        // A message to show; the runner closes it at once (as the user pressing OK would).
        std::function<void(const link::ShowMessage&)> message;
    };

    TransferRunner(SerialPort& port, Options options, Observer observer, QObject* parent = nullptr);
    ~TransferRunner() override;

    // Opens the port, then runs ok() (the engine's Ok) and the event loop until the engine reports Finished
    // or closes its dialog. The engine must outlive the call. The port stays open afterwards.
    TransferResult Run(link::TransferEngine& engine, const std::function<link::Actions()>& ok);
    // Why the port could not be opened, when the engine was told so ("" otherwise).
    const std::string& OpenFailure() const { return openFailure_; }

    static constexpr int kReadDrainGiveUpMs = 20 * 51;
    static constexpr int kWriteDrainGiveUpMs = 50 * 101;
    static constexpr int kReopenDelayMs = 50;
    static constexpr int kStallProbeMs = 5;

private:
    // Calls into the engine and carries out what it answers; an input arriving while actions are being
    // carried out is handled afterwards, from the event loop.
    void Feed(std::function<link::Actions()> input);
    void Execute(const link::Actions& actions);
    void Carry(const link::Action& action, bool& portFailed);
    void Begin();
    void Done();
    void Post(std::function<void()> call);
    void ProbeStall();

    SerialPort& port_;
    TransferHost host_;
    Options options_;
    Observer observer_;
    link::TransferEngine* engine_ = nullptr;
    std::function<link::Actions()> ok_;
    QEventLoop* loop_ = nullptr;
    int generation_ = 0;  // posted calls of an earlier Run are void
    bool executing_ = false;
    bool done_ = false;
    bool waitingDrain_ = false;
    bool drainedSinceSend_ = true;
    QTimer drainGiveUp_;
    QTimer reopenDelay_;
    QTimer stallProbe_;
    QElapsedTimer clock_;
    qint64 lastProbeUs_ = 0;
    std::string openFailure_;
    TransferResult result_;
};

}  // namespace lm
