#include "link/doctor/port_survey.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "link/doctor/cable_chips.h"

namespace lm::doctor {
namespace {

std::optional<std::uint16_t> HexId(const std::string& text) {
    if (text.empty() || text.size() > 4) return std::nullopt;
    unsigned value = 0;
    for (const char c : text) {
        const int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                          : (c >= 'a' && c <= 'f')                    ? c - 'a' + 10
                          : (c >= 'A' && c <= 'F')                    ? c - 'A' + 10
                                                                      : -1;
        if (digit < 0) return std::nullopt;
        value = value * 16 + static_cast<unsigned>(digit);
    }
    return static_cast<std::uint16_t>(value);
}

// The system path of the folder a /sys link leads to, resolved inside the root.
std::optional<std::string> Resolve(const SystemRoot& root, const std::string& systemPath) {
    std::error_code error;
    const auto real = std::filesystem::canonical(root.Path(systemPath), error);
    if (error) return std::nullopt;
    const auto relative = real.lexically_relative(std::filesystem::canonical(root.Root(), error));
    if (error || relative.empty() || *relative.begin() == "..") return std::nullopt;
    return "/" + relative.string();
}

std::optional<UsbDevice> UsbAt(const SystemRoot& root, const std::string& folder) {
    const auto vendor = HexId(root.ReadLine(folder + "/idVendor"));
    const auto product = HexId(root.ReadLine(folder + "/idProduct"));
    if (!vendor || !product) return std::nullopt;
    return UsbDevice{*vendor, *product, root.ReadLine(folder + "/manufacturer"),
                     root.ReadLine(folder + "/product"), folder};
}

std::string Parent(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos || slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseName(const std::string& path) { return path.substr(path.find_last_of('/') + 1); }

bool IsSerialName(const std::string& name) {
    return name.starts_with("ttyUSB") || name.starts_with("ttyACM");
}

std::optional<SerialPortInfo> PortNamed(const SystemRoot& root, const std::string& name) {
    const std::string cls = "/sys/class/tty/" + name;
    const auto device = Resolve(root, cls + "/device");
    if (!device) return std::nullopt;  // a virtual terminal or a pseudo-terminal: no hardware
    if (name.starts_with("ttyS") && root.ReadLine(cls + "/type") == "0") return std::nullopt;
    SerialPortInfo port{name, "/dev/" + name, std::nullopt, ""};
    if (const auto driver = root.LinkTarget(cls + "/device/driver")) port.driver = BaseName(*driver);
    for (std::string folder = *device; folder != "/" && folder != "/sys"; folder = Parent(folder)) {
        if ((port.usb = UsbAt(root, folder))) break;
    }
    return port;
}

}  // namespace

std::vector<SerialPortInfo> ListSerialPorts(const SystemRoot& root) {
    std::vector<SerialPortInfo> ports;
    for (const std::string& name : root.List("/sys/class/tty"))
        if (auto port = PortNamed(root, name)) ports.push_back(std::move(*port));
    std::stable_sort(ports.begin(), ports.end(), [](const SerialPortInfo& a, const SerialPortInfo& b) {
        return a.usb.has_value() > b.usb.has_value();
    });
    return ports;
}

std::optional<SerialPortInfo> FindSerialPort(const SystemRoot& root, const std::string& device) {
    std::string name = device.starts_with("/dev/") ? device.substr(5) : device;
    // A link such as /dev/serial/by-id/... names the port it leads to.
    if (device.starts_with("/")) {
        if (const auto real = Resolve(root, device); real && real->starts_with("/dev/"))
            name = real->substr(5);
    }
    if (name.find('/') != std::string::npos) return std::nullopt;
    return PortNamed(root, name);
}

std::vector<UsbDevice> CableAdapters(const SystemRoot& root) {
    std::vector<UsbDevice> adapters;
    for (const std::string& name : root.List("/sys/bus/usb/devices")) {
        if (name.find(':') != std::string::npos) continue;  // an interface, not a device
        const auto folder = Resolve(root, "/sys/bus/usb/devices/" + name);
        if (!folder) continue;
        if (auto usb = UsbAt(root, *folder); usb && FindCableChip(usb->vendor, usb->product))
            adapters.push_back(std::move(*usb));
    }
    return adapters;
}

bool HasSerialPort(const SystemRoot& root, const UsbDevice& adapter) {
    std::error_code error;
    const auto top = root.Path(adapter.path);
    for (std::filesystem::recursive_directory_iterator it(top, error), end; !error && it != end;
         it.increment(error)) {
        if (it.depth() > 3) it.disable_recursion_pending();
        if (IsSerialName(it->path().filename().string())) return true;
    }
    return false;
}

Holders FindHolders(const SystemRoot& root, const std::string& device) {
    Holders holders;
    auto program = [&](int pid) { return root.ReadLine("/proc/" + std::to_string(pid) + "/comm"); };
    for (const std::string& entry : root.List("/proc")) {
        if (entry.empty() || !std::all_of(entry.begin(), entry.end(), ::isdigit) || entry.size() > 9)
            continue;
        const std::string fdFolder = "/proc/" + entry + "/fd";
        const auto fds = root.List(fdFolder);
        // Another user's open files are hidden from all but root.
        if (fds.empty() && root.Exists(fdFolder) && ::access(root.Path(fdFolder).c_str(), R_OK | X_OK) != 0)
            holders.someHidden = true;
        for (const std::string& fd : fds) {
            if (root.LinkTarget(fdFolder + "/" + fd) == device) {
                const int pid = std::stoi(entry);
                holders.processes.push_back({pid, program(pid)});
                break;
            }
        }
    }
    const std::string lockName = "LCK.." + BaseName(device);
    for (const char* folder : {"/var/lock/", "/run/lock/"}) {
        const std::string pidText = root.ReadLine(folder + lockName);
        if (pidText.empty() || pidText.size() > 9 || !std::all_of(pidText.begin(), pidText.end(), ::isdigit))
            continue;
        const int pid = std::stoi(pidText);
        const bool known = std::any_of(holders.processes.begin(), holders.processes.end(),
                                       [pid](const Holder& h) { return h.pid == pid; });
        if (!known && root.Exists("/proc/" + pidText)) holders.processes.push_back({pid, program(pid)});
    }
    return holders;
}

std::optional<std::vector<std::string>> KernelLines(const SystemRoot& root,
                                                    const std::vector<std::string>& words,
                                                    std::size_t limit) {
    const auto log = root.Read("/dev/kmsg", 4 << 20);
    if (!log) return std::nullopt;
    std::vector<std::string> lines;
    std::istringstream in(*log);
    for (std::string record; std::getline(in, record);) {
        if (record.empty() || record.front() == ' ') continue;  // a continuation line of a record
        // "priority,sequence,microseconds,flags;message"
        std::string text = record;
        std::string stamp;
        if (const auto semi = record.find(';'); semi != std::string::npos) {
            text = record.substr(semi + 1);
            std::istringstream head(record.substr(0, semi));
            std::string field;
            for (int i = 0; i < 3 && std::getline(head, field, ','); ++i) {
                if (i == 2 && !field.empty() && std::all_of(field.begin(), field.end(), ::isdigit) &&
                    field.size() < 18) {
                    const long long us = std::stoll(field);
                    char t[32];
                    std::snprintf(t, sizeof t, "[%5lld.%06lld] ", us / 1000000, us % 1000000);
                    stamp = t;
                }
            }
        }
        if (std::any_of(words.begin(), words.end(),
                        [&](const std::string& w) { return text.find(w) != std::string::npos; }))
            lines.push_back(stamp + Printable(text));
    }
    if (lines.size() > limit) lines.erase(lines.begin(), lines.end() - static_cast<std::ptrdiff_t>(limit));
    return lines;
}

}  // namespace lm::doctor
