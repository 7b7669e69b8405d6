#pragma once
// The line to the radio as the transfer dialogs see it: a serial port, or the built-in simulated radio.
// Everything it reports arrives on the event loop; nothing here blocks.
#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace lm {

class SerialPort;

class RadioLink : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;
    ~RadioLink() override = default;

    // Opens the line; on failure detail says why.
    virtual bool Open(const std::string& portName, std::string& detail) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    // Discards every received byte not yet delivered and every byte not yet sent.
    virtual bool Purge() = 0;
    // Queues the bytes for sending at once; drained() follows when they have left the wire.
    virtual bool Write(std::span<const std::uint8_t> bytes) = 0;
    // Milliseconds since this line was last closed after being open; -1 when it never was.
    qint64 MsSinceClosed() const { return closedClock_.isValid() ? closedClock_.elapsed() : -1; }

signals:
    void received(QByteArray bytes);
    void lineError();
    void drained();
    void portLost(QString why);

protected:
    // Called by Close() when it closes a line that was open.
    void NoteClosed() { closedClock_.start(); }

private:
    QElapsedTimer closedClock_;
};

// The serial port of the program (9600 8N1, no flow control).
class SerialLink : public RadioLink {
    Q_OBJECT

public:
    explicit SerialLink(QObject* parent = nullptr);
    ~SerialLink() override;

    bool Open(const std::string& portName, std::string& detail) override;
    void Close() override;
    bool IsOpen() const override;
    bool Purge() override;
    bool Write(std::span<const std::uint8_t> bytes) override;

private:
    std::unique_ptr<SerialPort> port_;
};

// The line for a port name: the simulated radio for the simulated port, the serial port otherwise.
std::unique_ptr<RadioLink> CreateRadioLink(const std::string& portName, QObject* parent = nullptr);

}  // namespace lm
