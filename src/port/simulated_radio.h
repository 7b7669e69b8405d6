#pragma once
// The built-in simulated radios: port choices that let a new user try Read and Write without a radio, and a
// production run several radios at once. Radio 1 is the port "SIMULATED", radios 2 to kSimulatedRadios the
// ports "SIMULATED-2" ...; each keeps what was written to it until the program ends, and can be taken off its
// cable and put back. The line to each runs at 9600 baud both ways (10 bits per byte), like the cable.
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
inline constexpr int kSimulatedRadios = 8;
// The simulated radio a port name stands for (any case): 1 .. kSimulatedRadios, 0 for none.
int SimulatedRadioNumber(const std::string& portName);
bool IsSimulatedPort(const std::string& portName);
// "SIMULATED" for radio 1, "SIMULATED-n" for radio n.
std::string SimulatedPortName(int number);

// The memory of a plausible radio of the first catalogue model: eight channels in use, settings of a new
// image, a serial number, the area code of Beijing, no password, a factory time and a time of the last write.
sim::Memory PlausibleRadioMemory();

// Simulated radio number of the process, created with PlausibleRadioMemory on first use.
sim::Radio& SimulatedRadio(int number = 1);
// Starts simulated radio number afresh (with the given memory and faults), on its cable.
void ResetSimulatedRadio(const sim::Memory& memory, const sim::Faults& faults = {}, int number = 1);
// Takes simulated radio number off its cable (false: what is sent is lost, nothing answers) or puts it back.
void SetSimulatedRadioAttached(int number, bool attached);

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
    int number_ = 1;   // the simulated radio
    int session_ = 0;  // changes with every open, close and purge: what was on its way is void
    double txFree_ = 0;
    double rxFree_ = 0;
};

}  // namespace lm
