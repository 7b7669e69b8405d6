#include "port/radio_link.h"

#include "port/serial_port.h"
#include "port/simulated_radio.h"

namespace lm {

SerialLink::SerialLink(QObject* parent) : RadioLink(parent), port_(std::make_unique<SerialPort>()) {
    connect(port_.get(), &SerialPort::received, this, &RadioLink::received);
    connect(port_.get(), &SerialPort::lineError, this, &RadioLink::lineError);
    connect(port_.get(), &SerialPort::drained, this, &RadioLink::drained);
    connect(port_.get(), &SerialPort::portLost, this, &RadioLink::portLost);
}

SerialLink::~SerialLink() = default;

bool SerialLink::Open(const std::string& portName, std::string& detail) {
    return port_->Open(portName, detail);
}
void SerialLink::Close() {
    if (port_->IsOpen()) NoteClosed();
    port_->Close();
}
bool SerialLink::IsOpen() const { return port_->IsOpen(); }
bool SerialLink::Purge() { return port_->Purge(); }
bool SerialLink::Write(std::span<const std::uint8_t> bytes) { return port_->Write(bytes); }

std::unique_ptr<RadioLink> CreateRadioLink(const std::string& portName, QObject* parent) {
    if (IsSimulatedPort(portName)) return std::make_unique<SimulatedLink>(parent);
    return std::make_unique<SerialLink>(parent);
}

}  // namespace lm
