#include "link/doctor/machine_checks.h"

#include <algorithm>
#include <map>
#include <regex>
#include <sstream>

namespace lm::doctor {
namespace {

// The udev rules folders, the one that wins a file name first.
constexpr const char* kRuleFolders[] = {"/etc/udev/rules.d", "/run/udev/rules.d", "/usr/lib/udev/rules.d",
                                        "/lib/udev/rules.d"};

constexpr const char* kBrailleProgram = "brltty";

// The rule files in force by name: a file in an earlier folder hides one of the same name in a later one; a
// file that is empty or a link to /dev/null masks it.
std::map<std::string, std::string> RulesInForce(const SystemRoot& root) {
    std::map<std::string, std::string> files;
    for (const char* folder : kRuleFolders) {
        for (const std::string& name : root.List(folder)) {
            if (!name.ends_with(".rules") || files.count(name)) continue;
            files[name] = std::string(folder) + "/" + name;
        }
    }
    std::erase_if(files, [&](const auto& entry) {
        return root.LinkTarget(entry.second) == "/dev/null" ||
               root.Read(entry.second, 1).value_or("").empty();
    });
    return files;
}

std::uint16_t Hex(const std::string& text) {
    return static_cast<std::uint16_t>(std::stoul(text, nullptr, 16));
}

// The chips a rule line matches: ENV{PRODUCT}=="1a86/7523/*" (ids without leading zeros) or
// ATTRS{idVendor}=="1a86" with ATTRS{idProduct}=="7523".
std::vector<const CableChip*> ChipsOfLine(const std::string& line) {
    static const std::regex product(R"re(PRODUCT\}\s*==\s*"([0-9a-fA-F]{1,4})/([0-9a-fA-F]{1,4})/)re");
    static const std::regex vendorAttr(R"re(idVendor\}\s*==\s*"([0-9a-fA-F]{4})")re");
    static const std::regex productAttr(R"re(idProduct\}\s*==\s*"([0-9a-fA-F]{4})")re");
    std::vector<const CableChip*> chips;
    std::smatch m;
    if (std::regex_search(line, m, product)) {
        if (const CableChip* chip = FindCableChip(Hex(m[1]), Hex(m[2]))) chips.push_back(chip);
    }
    std::smatch v, p;
    if (std::regex_search(line, v, vendorAttr) && std::regex_search(line, p, productAttr)) {
        const CableChip* chip = FindCableChip(Hex(v[1]), Hex(p[1]));
        if (chip && std::find(chips.begin(), chips.end(), chip) == chips.end()) chips.push_back(chip);
    }
    return chips;
}

bool Running(const SystemRoot& root, const std::string& program) {
    for (const std::string& entry : root.List("/proc")) {
        if (entry.empty() || !std::all_of(entry.begin(), entry.end(), ::isdigit)) continue;
        if (root.ReadLine("/proc/" + entry + "/comm") == program) return true;
    }
    return false;
}

}  // namespace

MachineReport CheckMachine(const SystemRoot& root) {
    MachineReport report;
    for (const char* folder : {"/usr/bin/", "/bin/", "/usr/sbin/", "/sbin/"})
        report.brailleInstalled =
            report.brailleInstalled || root.Exists(std::string(folder) + kBrailleProgram);
    for (const auto& [name, path] : RulesInForce(root)) {
        if (name == kCableRuleName) {
            report.cableRuleInstalled = true;
            report.cableRulePath = path;
            continue;
        }
        if (name.find(kBrailleProgram) == std::string::npos) continue;
        report.brailleInstalled = true;
        std::istringstream in(root.Read(path).value_or(""));
        int number = 0;
        for (std::string line; std::getline(in, line);) {
            ++number;
            const auto first = line.find_first_not_of(" \t");
            if (first == std::string::npos || line[first] == '#') continue;
            for (const CableChip* chip : ChipsOfLine(line))
                report.brailleClaims.push_back({path, number, chip});
        }
    }
    report.modemManagerRunning = Running(root, "ModemManager");
    for (UsbDevice& adapter : CableAdapters(root))
        if (!HasSerialPort(root, adapter)) report.adaptersWithoutPort.push_back(std::move(adapter));
    return report;
}

std::vector<BrailleClaim> ClaimsOn(const MachineReport& machine, std::uint16_t vendor,
                                   std::uint16_t product) {
    std::vector<BrailleClaim> claims;
    for (const BrailleClaim& claim : machine.brailleClaims)
        if (claim.chip->vendor == vendor && claim.chip->product == product) claims.push_back(claim);
    return claims;
}

}  // namespace lm::doctor
