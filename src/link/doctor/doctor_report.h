#pragma once
// The cable check's findings and what they mean: for every port what the system says of it, whether this user
// may open it, who holds it and what a radio answered on it; for the machine what stands in the cable's way.
// Each port ends with a verdict, and the report is text that a user can read or paste into a request for
// help.
#include <optional>
#include <string>
#include <vector>

#include "link/doctor/identity.h"
#include "link/doctor/machine_checks.h"
#include "link/doctor/port_survey.h"
#include "link/identify_transfer.h"

namespace lm::doctor {

struct RadioProbe {
    bool tried = false;
    std::string openFailure;  // why the port could not be opened ("" when it was)
    link::IdentifyOutcome outcome;
};

struct PortReport {
    std::string device;                  // as asked for or listed: "/dev/ttyUSB0", "simulated"
    bool simulated = false;              // the built-in simulated radio: no device to look at
    std::optional<SerialPortInfo> port;  // nullopt: the system has no such port
    bool deviceExists = false;           // the device file exists (a pseudo-terminal has no /sys entry)
    AccessVerdict access;
    Holders holders;
    std::optional<std::vector<std::string>> kernelLines;  // when the port is missing
    RadioProbe radio;
};

struct Report {
    Identity who;
    MachineReport machine;
    std::vector<PortReport> ports;
    bool allPorts = false;  // no port was named: every USB port was looked at
};

// Looks at the machine and at the named device, or at every USB serial port when device is "". simulated: the
// device is the built-in simulated radio. The radio step (RadioProbe) is left for the caller, who owns a
// port.
Report Survey(const SystemRoot& root, const Identity& who, const std::string& device, bool simulated);
// What the radio step found: "model code "LM41" (LM-418T), area code 0101 Beijing, no password".
std::string RadioText(const RadioProbe& radio);
// Whether the radio step should open the port: it exists (or is the simulated radio).
bool WorthProbing(const PortReport& port);

enum class Verdict {
    Ready,
    UnknownModel,
    NotARadio,
    NoRadio,
    WakeOnly,
    LineTrouble,
    CannotOpen,
    Busy,
    NoPermission,
    ClaimedByBraille,
    NotFound,
    NotTried
};
Verdict VerdictOf(const PortReport& port, const MachineReport& machine);
// "ready: LM-418T radio answered", "no radio answered", "cannot open: ..." ...
std::string VerdictText(const PortReport& port, const MachineReport& machine);
// Whether a radio answered on any port (an LM-418T, or a radio of a model this program does not know).
bool AnyRadioAnswered(const Report& report);

// The whole report as text, the verdicts last.
std::string FormatReport(const Report& report);

}  // namespace lm::doctor
