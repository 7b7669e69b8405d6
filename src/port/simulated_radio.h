#pragma once
// The built-in simulated radio: a port choice that lets a new user try Read and Write without a radio.
// One radio per process; it keeps what was written to it until the program ends. The line to it runs at
// 9600 baud both ways (10 bits per byte), like the programming cable.
#include <functional>
#include <memory>
#include <string>

#include "link/sim/radio.h"
#include "port/radio_link.h"

namespace lm {

// The port name of the simulated radio, as kept in the settings file.
inline constexpr const char* kSimulatedPortName = "SIMULATED";
// The caption of its port choice.
inline constexpr const char* kSimulatedPortCaption = "Simulated radio";
bool IsSimulatedPort(const std::string& portName);

// The memory of a plausible radio of the first catalogue model: eight channels in use, settings of a new
// image, a serial number, the area code of Beijing, no password, a factory time and a time of the last write.
sim::Memory PlausibleRadioMemory();

// The simulated radio of the process, created with PlausibleRadioMemory on first use.
sim::Radio& SimulatedRadio();
// Starts the simulated radio afresh (with the given memory and faults).
void ResetSimulatedRadio(const sim::Memory& memory, const sim::Faults& faults = {});

class SimulatedLink : public RadioLink {
    Q_OBJECT

public:
    explicit SimulatedLink(QObject* parent = nullptr);

    bool Open(const std::string& portName, std::string& detail) override;
    void Close() override;
    bool IsOpen() const override { return open_; }
    bool Purge() override;
    bool Write(std::span<const std::uint8_t> bytes) override;

private:
    static double NowMs();
    void At(double dueMs, std::function<void()> call);
    void Deliver(sim::Bytes bytes, double readyMs);

    bool open_ = false;
    int session_ = 0;  // changes with every open, close and purge: what was on its way is void
    double txFree_ = 0;
    double rxFree_ = 0;
};

}  // namespace lm
