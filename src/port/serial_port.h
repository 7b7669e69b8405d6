#pragma once
// The serial cable to the radio: 9600 baud 8N1, no flow control, DTR and RTS on. Everything it reports
// arrives on the event loop; nothing here blocks.
#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QSerialPort>
#include <QTimer>
#include <cstdint>
#include <span>
#include <string>

#include "port/line_errors.h"

namespace lm {

class SerialPort : public QObject {
    Q_OBJECT

public:
    explicit SerialPort(QObject* parent = nullptr);
    ~SerialPort() override;

    // Opens the port exclusively; on failure detail says why (and what to do when it is a permission
    // problem).
    bool Open(const std::string& name, std::string& detail);
    void Close();
    bool IsOpen() const { return port_.isOpen(); }
    // Discards every received byte not yet delivered and every byte not yet sent.
    bool Purge();
    // Queues the bytes for sending at once; drained() follows when they have left the wire.
    bool Write(std::span<const std::uint8_t> bytes);
    // Bytes queued but not yet handed to the device; 0 when closed.
    qint64 QueuedOutput() const { return port_.isOpen() ? port_.bytesToWrite() : 0; }

    // Line time of n bytes at 9600 baud with 10 bits per byte, in microseconds.
    static std::int64_t LineTimeUs(std::size_t n) { return static_cast<std::int64_t>(n) * 10'000'000 / 9600; }

signals:
    void received(QByteArray bytes);
    void lineError();
    void drained();
    // The device has gone (cable pulled) or failed; the port is closed.
    void portLost(QString why);

private:
    void OnReadyRead();
    void OnBytesWritten();
    void OnError(QSerialPort::SerialPortError error);
    void CheckDrained();

    QSerialPort port_;
    LineErrorCounter counter_;
    QTimer drainTimer_;
    QElapsedTimer sinceWrite_;
    std::int64_t drainDeadlineUs_ = 0;  // from sinceWrite_: when the last queued byte has been on the wire
    bool draining_ = false;
    int drainPolls_ = 0;
    int session_ = 0;  // changes with every Close, so that a late loss report of an old session is void
    bool lostReported_ = false;
};

}  // namespace lm
