#pragma once
// What a protocol engine needs from the outside world during a transfer, on the Qt event loop: the serial port,
// one single-shot timer per timer the engine names, and the port's notifications handed back to it.
#include <QObject>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>

#include "port/serial_port.h"

namespace lm {

class TransferHost : public QObject {
    Q_OBJECT

public:
    struct Hooks {
        std::function<void(std::span<const std::uint8_t>)> bytes;  // received bytes, one notification
        std::function<void(int)> timer;                             // a timer has expired
        std::function<void()> lineError;
        std::function<void()> drained;                              // the bytes of the last Send are on the wire
        std::function<void(const std::string&)> portLost;
    };

    explicit TransferHost(SerialPort& port, QObject* parent = nullptr);
    void SetHooks(Hooks hooks) { hooks_ = std::move(hooks); }

    SerialPort& port() { return port_; }
    bool Send(std::span<const std::uint8_t> bytes) { return port_.Write(bytes); }
    bool Purge() { return port_.Purge(); }
    // Starts (or restarts) the timer id to expire once after ms; StopTimer disables it.
    void StartTimer(int id, int ms);
    void StopTimer(int id);
    bool TimerActive(int id) const;
    void StopAllTimers();

private:
    QTimer& TimerFor(int id);

    SerialPort& port_;
    Hooks hooks_;
    std::map<int, std::unique_ptr<QTimer>> timers_;
};

}  // namespace lm
