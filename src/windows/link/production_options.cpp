#include "windows/link/production_options.h"

#include "settings/ini_file.h"

namespace lm {
namespace {

constexpr const char* kSection = "Production";

// The ports are kept as one value; a port name holds no '|'.
std::string Joined(const std::vector<std::string>& ports) {
    std::string text;
    for (const std::string& port : ports) text += (text.empty() ? "" : "|") + port;
    return text;
}

std::vector<std::string> Split(const std::string& text) {
    std::vector<std::string> ports;
    std::size_t from = 0;
    while (from < text.size()) {
        const std::size_t bar = std::min(text.find('|', from), text.size());
        if (bar > from) ports.push_back(text.substr(from, bar - from));
        from = bar + 1;
    }
    return ports;
}

std::uint64_t Number(const std::string& text, std::uint64_t fallback) {
    if (text.empty() || text.size() > 10 || text.find_first_not_of("0123456789") != std::string::npos)
        return fallback;
    return std::stoull(text);
}

}  // namespace

ProductionOptions LoadProductionOptions(const std::string& settingsPath) {
    ProductionOptions o;
    if (settingsPath.empty()) return o;
    const IniFile ini = IniFile::Load(settingsPath);
    const auto text = [&ini](const char* key) { return ini.Read(kSection, key, ""); };
    const auto flag = [&ini](const char* key, bool fallback) {
        return ini.Read(kSection, key, fallback ? "1" : "0") == "1";
    };
    o.ports = Split(text("Ports"));
    o.fromFile = flag("FromFile", o.fromFile);
    o.dataFile = text("DataFile");
    o.verify = flag("Verify", o.verify);
    o.backup = flag("Backup", o.backup);
    o.backupFolder = text("BackupFolder");
    o.newPassword = flag("NewPassword", o.newPassword);
    o.numbered = flag("Numbered", o.numbered);
    o.idFrom = Number(text("IdFrom"), o.idFrom);
    o.idStep = Number(text("IdStep"), o.idStep);
    o.logFile = text("LogFile");
    o.watch = flag("Watch", o.watch);
    return o;
}

bool SaveProductionOptions(const std::string& settingsPath, const ProductionOptions& o) {
    if (settingsPath.empty()) return true;
    std::string problem;
    IniFile ini = IniFile::Load(settingsPath, &problem);
    if (!problem.empty()) return false;
    const auto flag = [](bool on) { return on ? "1" : "0"; };
    ini.Write(kSection, "Ports", Joined(o.ports));
    ini.Write(kSection, "FromFile", flag(o.fromFile));
    ini.Write(kSection, "DataFile", o.dataFile);
    ini.Write(kSection, "Verify", flag(o.verify));
    ini.Write(kSection, "Backup", flag(o.backup));
    ini.Write(kSection, "BackupFolder", o.backupFolder);
    ini.Write(kSection, "NewPassword", flag(o.newPassword));
    ini.Write(kSection, "Numbered", flag(o.numbered));
    ini.Write(kSection, "IdFrom", std::to_string(o.idFrom));
    ini.Write(kSection, "IdStep", std::to_string(o.idStep));
    ini.Write(kSection, "LogFile", o.logFile);
    ini.Write(kSection, "Watch", flag(o.watch));
    return ini.Save(settingsPath);
}

}  // namespace lm
