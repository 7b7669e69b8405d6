#pragma once
// Carries out, for a transfer dialog, what its protocol engine asks for: bytes to the radio, the dialog's
// timers, drain waits, purges, the progress bar, the messages, enabling the controls and closing. Feeds the
// engine the line's notifications, the timer expiries and the closing of each message.
// Nothing blocks: every pause is a timer, so the dialog stays responsive and Cancel works at any moment.
#include <QObject>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "link/actions.h"
#include "link/handshake.h"
#include "port/radio_link.h"

namespace lm {

class TransferDriver : public QObject {
    Q_OBJECT

public:
    struct View {
        std::function<void(int position, int max)> progress;
        std::function<void(bool)> enableOk;
        std::function<void(bool)> enablePasswords;
        std::function<void()> close;  // the engine has closed the dialog (the line is closed already)
        std::function<void(const link::Finished&)> finished;
        // The dialog's own text for a message that the message table does not hold (from a hidden label of the
        // dialog, so that the language file can translate it); "" for the built-in English text.
        std::function<std::string(const std::string& key)> ownText;
    };

    // How long a drain wait may take before the transfer goes on regardless.
    static constexpr int kReadDrainGiveUpMs = 1020;
    static constexpr int kWriteDrainGiveUpMs = 5050;
    // The dialogs open the port this long after they are shown.
    static constexpr int kOpenDelayMs = 50;

    TransferDriver(link::TransferEngine& engine, RadioLink& line, View view, int drainGiveUpMs,
                   QObject* parent = nullptr);
    ~TransferDriver() override;

    // Opens the port kOpenDelayMs from now (closing it first); a failure is reported through the engine
    // (PortError, then the dialog closes). purge: the read dialog purges the buffers as well.
    void OpenPortSoon(const std::string& portName, bool purge);
    // Carries out the engine's answer to an input.
    void Apply(const link::Actions& actions);
    // Cancel or the close box.
    void Cancel() { Apply(engine_.Cancel()); }
    const std::string& OpenFailure() const { return openFailure_; }

    // The text of a message of the engine in the current language, with its detail (a carriage return becomes a
    // line break); the message that the port cannot be opened says why on a line of its own.
    std::string MessageText(const link::ShowMessage& message) const;

private:
    void Carry(const link::Action& action, bool& portFailed);
    QTimer& TimerFor(int id);
    void StopAll();
    void ShowSoon(const link::ShowMessage& message);

    link::TransferEngine& engine_;
    RadioLink& line_;
    View view_;
    int drainGiveUpMs_;
    std::map<int, std::unique_ptr<QTimer>> timers_;
    QTimer drainGiveUp_;
    QTimer openDelay_;
    bool waitingDrain_ = false;
    std::string openFailure_;
};

}  // namespace lm
