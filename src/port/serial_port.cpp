#include "port/serial_port.h"

#include "port/port_access.h"

#ifndef _WIN32
#include <sys/ioctl.h>
#include <termios.h>
#endif

namespace lm {
namespace {

// Once the line time is over the kernel's own queue is looked at in steps of 2 ms, for at most 1 s.
constexpr int kKernelPollMs = 2;
constexpr int kKernelPollLimit = 500;

int KernelQueued(const QSerialPort& port) {
#if !defined(_WIN32) && defined(TIOCOUTQ)
    int queued = 0;
    if (ioctl(static_cast<int>(port.handle()), TIOCOUTQ, &queued) == 0) return queued;
#else
    (void)port;
#endif
    return 0;
}

}  // namespace

SerialPort::SerialPort(QObject* parent) : QObject(parent) {
    drainTimer_.setSingleShot(true);
    drainTimer_.setTimerType(Qt::PreciseTimer);
    connect(&drainTimer_, &QTimer::timeout, this, &SerialPort::CheckDrained);
    connect(&port_, &QSerialPort::readyRead, this, &SerialPort::OnReadyRead);
    connect(&port_, &QSerialPort::bytesWritten, this, &SerialPort::OnBytesWritten);
    connect(&port_, &QSerialPort::errorOccurred, this, &SerialPort::OnError);
    sinceWrite_.start();
}

SerialPort::~SerialPort() { Close(); }

bool SerialPort::Open(const std::string& name, std::string& detail) {
    Close();
    const std::string device = PortDevicePath(name);
    if (device.empty()) {
        detail = "No serial port chosen.";
        return false;
    }
    port_.setPortName(QString::fromStdString(device));
    port_.setBaudRate(QSerialPort::Baud9600);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!port_.open(QIODevice::ReadWrite)) {
        switch (port_.error()) {
            case QSerialPort::PermissionError:
                detail = RefusalReason(device);
                break;
            case QSerialPort::DeviceNotFoundError:
                detail = "There is no serial port " + device + ".";
                break;
            default:
                detail = device + ": " + port_.errorString().toStdString();
                break;
        }
        port_.clearError();
        return false;
    }
    // A pseudo-terminal or an adapter without modem lines cannot set them; the data flows all the same.
    port_.setDataTerminalReady(true);
    port_.setRequestToSend(true);
    port_.clearError();
    counter_.Reset(static_cast<int>(port_.handle()));
    draining_ = false;
    drainDeadlineUs_ = 0;
    lostReported_ = false;
    return true;
}

void SerialPort::Close() {
    ++session_;
    drainTimer_.stop();
    draining_ = false;
    if (port_.isOpen()) port_.close();
}

bool SerialPort::Purge() {
    if (!port_.isOpen()) return false;
    const bool ok = port_.clear(QSerialPort::AllDirections);
    counter_.Rose(static_cast<int>(port_.handle()));  // conditions before the purge are forgotten
    return ok;
}

bool SerialPort::Write(std::span<const std::uint8_t> bytes) {
    if (!port_.isOpen()) return false;
    const auto n = static_cast<qint64>(bytes.size());
    if (port_.write(reinterpret_cast<const char*>(bytes.data()), n) != n) return false;
    const std::int64_t now = sinceWrite_.nsecsElapsed() / 1000;
    drainDeadlineUs_ = std::max(drainDeadlineUs_, now) + LineTimeUs(bytes.size());
    draining_ = true;
    drainPolls_ = 0;
    if (port_.bytesToWrite() == 0) CheckDrained();
    return true;
}

void SerialPort::OnBytesWritten() {
    if (draining_ && port_.bytesToWrite() == 0 && !drainTimer_.isActive()) CheckDrained();
}

void SerialPort::CheckDrained() {
    if (!draining_ || !port_.isOpen()) return;
    if (port_.bytesToWrite() > 0) return;  // bytesWritten comes back here
    const std::int64_t remainingUs = drainDeadlineUs_ - sinceWrite_.nsecsElapsed() / 1000;
    if (remainingUs > 0) {
        drainTimer_.start(static_cast<int>((remainingUs + 999) / 1000));
        return;
    }
    if (KernelQueued(port_) > 0 && drainPolls_ < kKernelPollLimit) {
        ++drainPolls_;
        drainTimer_.start(kKernelPollMs);
        return;
    }
    draining_ = false;
    emit drained();
}

void SerialPort::OnReadyRead() {
    const QByteArray data = port_.readAll();
    if (counter_.Rose(static_cast<int>(port_.handle()))) {
        emit lineError();
        return;
    }
    if (!data.isEmpty()) emit received(data);
}

void SerialPort::OnError(QSerialPort::SerialPortError error) {
    if (error != QSerialPort::ResourceError && error != QSerialPort::ReadError &&
        error != QSerialPort::WriteError)
        return;
    if (lostReported_) return;
    lostReported_ = true;
    const QString why = port_.errorString();
    const int session = session_;
    // Closing inside the port's own notification is left to the next turn of the event loop.
    QMetaObject::invokeMethod(
        this,
        [this, why, session] {
            if (session != session_) return;  // closed or reopened meanwhile
            Close();
            emit portLost(why);
        },
        Qt::QueuedConnection);
}

}  // namespace lm
