#include "link/doctor/doctor_report.h"

#include <algorithm>
#include <sstream>

#include "link/area_table.h"

namespace lm::doctor {
namespace {

using Answer = link::IdentifyOutcome::Answer;

std::string Quoted(const std::string& text) { return "\"" + Printable(text) + "\""; }

std::string HolderText(const Holders& holders) {
    std::string text;
    for (const Holder& h : holders.processes) {
        if (!text.empty()) text += ", ";
        text += (h.program.empty() ? "a process" : Printable(h.program)) + " (process " +
                std::to_string(h.pid) + ")";
    }
    return text;
}

PortReport SurveyPort(const SystemRoot& root, const Identity& who, std::optional<SerialPortInfo> info,
                      const std::string& device) {
    PortReport port;
    port.device = device;
    port.port = std::move(info);
    port.deviceExists = root.Exists(device);
    if (port.deviceExists) {
        port.access = CheckAccess(root, device, who);
        port.holders = FindHolders(root, device);
    } else {
        const std::string name = device.substr(device.find_last_of('/') + 1);
        port.kernelLines = KernelLines(root, {name, "brltty"});
    }
    return port;
}

bool KernelBlamesBraille(const PortReport& port) {
    if (!port.kernelLines) return false;
    return std::any_of(port.kernelLines->begin(), port.kernelLines->end(),
                       [](const std::string& line) { return line.find("brltty") != std::string::npos; });
}

bool AdapterClaimed(const MachineReport& machine) {
    return std::any_of(machine.adaptersWithoutPort.begin(), machine.adaptersWithoutPort.end(),
                       [&](const UsbDevice& a) { return !ClaimsOn(machine, a.vendor, a.product).empty(); });
}

std::string SystemReason(const std::string& failure) {
    std::string first = failure.substr(0, failure.find('\n'));
    return Printable(first.empty() ? "the system refused it" : first);
}

void WriteAdvice(std::ostream& out, const std::string& text) { out << "  What to do: " << text << "\n"; }

void WritePort(std::ostream& out, const PortReport& port, const Report& report) {
    out << "Port " << Printable(port.device) << "\n";
    if (port.simulated) {
        out << "  The built-in simulated radio: no device to look at.\n";
    } else if (!port.port && !port.deviceExists) {
        out << "  The system has no such port.\n";
        if (!port.kernelLines) {
            out << "  The kernel log may not be read by this user ('sudo dmesg' shows it).\n";
        } else if (!port.kernelLines->empty()) {
            out << "  The kernel's latest lines about it:\n";
            for (const std::string& line : *port.kernelLines) out << "    " << line << "\n";
        }
    } else {
        if (port.port && port.port->usb) {
            const UsbDevice& usb = *port.port->usb;
            const CableChip* chip = FindCableChip(usb.vendor, usb.product);
            out << "  USB adapter " << UsbIdText(usb.vendor, usb.product)
                << (chip ? std::string(" (") + chip->name + ")"
                         : std::string(", not a chip programming cables are known to use"));
            if (!usb.name.empty()) out << ", " << Quoted(usb.name);
            if (!usb.manufacturer.empty()) out << " by " << Quoted(usb.manufacturer);
            out << "\n";
        } else if (port.port) {
            out << "  A built-in serial port, not a USB adapter.\n";
        } else {
            out << "  Not a serial port the system lists (a pseudo-terminal or a link).\n";
        }
        if (port.port && !port.port->driver.empty())
            out << "  Driver: " << Printable(port.port->driver) << "\n";
        if (port.access.allowed) {
            out << "  Access: " << Printable(report.who.name) << " may open it " << port.access.how << ".\n";
        } else {
            out << "  Access: " << Printable(report.who.name) << " may not open it (it belongs to the group "
                << Printable(port.access.group) << ").\n";
            if (port.access.listedInGroup)
                WriteAdvice(out, Printable(report.who.name) + " was added to the group " +
                                     Printable(port.access.group) +
                                     " after logging in: log out and in again (or run 'newgrp " +
                                     Printable(port.access.group) + "' in this terminal).");
            else
                WriteAdvice(out,
                            "sudo usermod -aG " + Printable(port.access.group) + " " +
                                Printable(report.who.name) +
                                ", then log out and in again; or install the program's package, whose cable "
                                "rule gives the user at the seat access to programming cables.");
        }
        if (!port.holders.processes.empty()) {
            out << "  Held by " << HolderText(port.holders) << ".\n";
            WriteAdvice(out, "close that program, then try again.");
        } else if (port.holders.someHidden) {
            out << "  No process of this user holds it (other users' processes are seen only with sudo).\n";
        } else {
            out << "  No other program holds it.\n";
        }
    }
    if (port.radio.tried) out << "  Radio: " << RadioText(port.radio) << "\n";
    const Verdict verdict = VerdictOf(port, report.machine);
    if (verdict == Verdict::NoRadio || verdict == Verdict::WakeOnly)
        WriteAdvice(
            out,
            "switch the radio on and turn its volume up; push the cable's plug fully into the radio's "
            "jack; make sure this is the programming cable's port.");
    if (verdict == Verdict::LineTrouble)
        WriteAdvice(out, "check the plug's contact; another program may have changed the port's speed.");
    out << "  Verdict: " << VerdictText(port, report.machine) << "\n\n";
}

void WriteMachine(std::ostream& out, const Report& report) {
    const MachineReport& m = report.machine;
    out << "Machine\n";
    if (m.cableRuleInstalled)
        out << "  Cable rule: installed (" << Printable(m.cableRulePath) << ").\n";
    else
        out << "  Cable rule: not installed (" << kCableRuleName << ", from the program's package).\n";
    if (!m.brailleInstalled) {
        out << "  brltty: not installed.\n";
    } else if (m.brailleClaims.empty()) {
        out << "  brltty: installed; none of its rules in force claims a cable chip.\n";
    } else {
        out << "  brltty: installed, and its rules claim programming cable chips: the port appears and "
               "vanishes a "
               "second later.\n";
        std::string file;
        for (const BrailleClaim& claim : m.brailleClaims) {
            out << "    " << Printable(claim.file) << " line " << claim.line << ": " << ChipText(*claim.chip)
                << "\n";
            file = claim.file;
        }
        const std::string name = file.substr(file.find_last_of('/') + 1);
        WriteAdvice(
            out,
            "if no braille display is used here, remove brltty (sudo apt remove brltty); otherwise mask "
            "its rule (sudo ln -s /dev/null /etc/udev/rules.d/" +
                Printable(name) + "). Then unplug the cable and plug it in again.");
    }
    if (m.modemManagerRunning && !m.cableRuleInstalled) {
        out << "  ModemManager: running while the cable rule is not installed: it may probe a new cable with "
               "modem "
               "commands for several seconds.\n";
        WriteAdvice(out,
                    "install the program's package (its cable rule tells ModemManager to leave the cable "
                    "alone), or stop it while programming (sudo systemctl stop ModemManager).");
    } else {
        out << "  ModemManager: "
            << (m.modemManagerRunning ? "running; the cable rule keeps it away." : "not running.") << "\n";
    }
    for (const UsbDevice& a : m.adaptersWithoutPort) {
        out << "  USB adapter " << ChipText(*FindCableChip(a.vendor, a.product))
            << " is plugged in, but no serial port was made for it";
        out << (ClaimsOn(m, a.vendor, a.product).empty() ? " (no driver has taken it).\n"
                                                         : " (brltty claims it).\n");
    }
    out << "\n";
}

}  // namespace

Report Survey(const SystemRoot& root, const Identity& who, const std::string& device, bool simulated) {
    Report report;
    report.who = who;
    report.machine = CheckMachine(root);
    if (simulated) {
        PortReport port;
        port.device = device;
        port.simulated = true;
        report.ports.push_back(std::move(port));
    } else if (device.empty()) {
        report.allPorts = true;
        for (SerialPortInfo& info : ListSerialPorts(root)) {
            if (!info.usb) continue;
            const std::string path = info.device;
            report.ports.push_back(SurveyPort(root, who, std::move(info), path));
        }
    } else {
        const std::string path = device.starts_with("/") ? device : "/dev/" + device;
        report.ports.push_back(SurveyPort(root, who, FindSerialPort(root, path), path));
    }
    return report;
}

std::string RadioText(const RadioProbe& radio) {
    const auto& o = radio.outcome;
    if (!radio.openFailure.empty()) return "the port could not be opened: " + SystemReason(radio.openFailure);
    switch (o.answer) {
        case Answer::Identified:
            break;
        case Answer::WakeOnly:
            return "the wake-up frame was acknowledged, but no identification followed.";
        case Answer::LineTrouble:
            return "the port reported line errors (framing, parity, overrun or a break).";
        case Answer::None:
            return "nothing answered the wake-up frame.";
    }
    std::string text = "model code " + Quoted(o.modelCode) +
                       (o.modelKnown ? " (LM-418T)" : " (not a model this program knows)") + ", area code " +
                       Printable(o.areaCode);
    const std::string place = LookupAreaName(o.areaCode, false);
    if (!place.empty()) text += " " + Printable(place);
    text += o.hasPassword ? ", with a password" : ", no password";
    if (!o.keyEchoOk) text += "; the key byte was not echoed as a radio does";
    return text;
}

bool WorthProbing(const PortReport& port) { return port.simulated || port.deviceExists; }

Verdict VerdictOf(const PortReport& port, const MachineReport& machine) {
    if (!port.simulated && !port.deviceExists) {
        const bool braille =
            !machine.brailleClaims.empty() && (AdapterClaimed(machine) || KernelBlamesBraille(port));
        return braille ? Verdict::ClaimedByBraille : Verdict::NotFound;
    }
    const bool busy = !port.holders.processes.empty();
    if (!port.radio.tried || !port.radio.openFailure.empty()) {
        if (busy) return Verdict::Busy;
        if (!port.simulated && !port.access.allowed) return Verdict::NoPermission;
        return port.radio.tried ? Verdict::CannotOpen : Verdict::NotTried;
    }
    const auto& o = port.radio.outcome;
    switch (o.answer) {
        case Answer::Identified:
            if (!o.keyEchoOk) return Verdict::NotARadio;
            return o.modelKnown ? Verdict::Ready : Verdict::UnknownModel;
        case Answer::WakeOnly:
            return Verdict::WakeOnly;
        case Answer::LineTrouble:
            return Verdict::LineTrouble;
        case Answer::None:
            break;
    }
    return Verdict::NoRadio;
}

std::string VerdictText(const PortReport& port, const MachineReport& machine) {
    switch (VerdictOf(port, machine)) {
        case Verdict::Ready:
            return "ready: LM-418T radio answered";
        case Verdict::UnknownModel:
            return "a radio answered with model code " + Quoted(port.radio.outcome.modelCode) +
                   ", which this program does not know";
        case Verdict::NotARadio:
            return "something answered, but not as an LM-418T radio does";
        case Verdict::NoRadio:
            return "no radio answered";
        case Verdict::WakeOnly:
            return "no radio answered: the wake-up was acknowledged, no identification followed";
        case Verdict::LineTrouble:
            return "line errors on the cable";
        case Verdict::CannotOpen:
            return "cannot open: " + SystemReason(port.radio.openFailure);
        case Verdict::Busy:
            return "cannot open: busy, held by " + HolderText(port.holders);
        case Verdict::NoPermission:
            return "cannot open: no permission (group " + Printable(port.access.group) + ")";
        case Verdict::ClaimedByBraille:
            return "claimed by brltty";
        case Verdict::NotFound:
            return "not found";
        case Verdict::NotTried:
            break;
    }
    return "not checked";
}

bool AnyRadioAnswered(const Report& report) {
    return std::any_of(report.ports.begin(), report.ports.end(), [&](const PortReport& port) {
        const Verdict verdict = VerdictOf(port, report.machine);
        return verdict == Verdict::Ready || verdict == Verdict::UnknownModel;
    });
}

std::string FormatReport(const Report& report) {
    std::ostringstream out;
    if (report.who.name == std::to_string(report.who.uid))
        out << "Cable check for user " << report.who.uid << "\n\n";
    else
        out << "Cable check for " << Printable(report.who.name) << " (user " << report.who.uid << ")\n\n";
    for (const PortReport& port : report.ports) WritePort(out, port, report);
    if (report.allPorts && report.ports.empty())
        out << "No USB serial port is present. Plug the programming cable in (and the radio into it), then "
               "check "
               "again.\n\n";
    WriteMachine(out, report);
    out << "Verdict\n";
    for (const PortReport& port : report.ports)
        out << "  " << Printable(port.device) << ": " << VerdictText(port, report.machine) << "\n";
    if (report.ports.empty()) out << "  no port to check\n";
    return out.str();
}

}  // namespace lm::doctor
