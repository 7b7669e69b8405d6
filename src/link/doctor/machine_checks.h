#pragma once
// What on the machine keeps a programming cable from working, whatever port it is on: a braille display
// service whose udev rules claim the cable's chip (the port appears and vanishes a second later), a modem
// manager that probes new serial ports with modem commands, and the cable rule that would prevent both.
#include <string>
#include <vector>

#include "link/doctor/cable_chips.h"
#include "link/doctor/port_survey.h"
#include "link/doctor/system_root.h"

namespace lm::doctor {

// A udev rule line that hands one of the cable chips to the braille display service.
struct BrailleClaim {
    std::string file;  // "/usr/lib/udev/rules.d/85-brltty.rules"
    int line = 0;
    const CableChip* chip = nullptr;
};

struct MachineReport {
    bool brailleInstalled = false;
    std::vector<BrailleClaim> brailleClaims;  // rules in force (not masked)
    bool modemManagerRunning = false;
    bool cableRuleInstalled = false;
    std::string cableRulePath;                   // where it is, when installed
    std::vector<UsbDevice> adaptersWithoutPort;  // cable chips plugged in that no serial port was made for
};

MachineReport CheckMachine(const SystemRoot& root);

// The claims on one chip.
std::vector<BrailleClaim> ClaimsOn(const MachineReport& machine, std::uint16_t vendor, std::uint16_t product);

}  // namespace lm::doctor
