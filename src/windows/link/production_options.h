#pragma once
// What the Production window is set to, kept between runs in the settings file (section [Production]).
#include <cstdint>
#include <string>
#include <vector>

namespace lm {

struct ProductionOptions {
    std::vector<std::string> ports;  // the ports chosen
    bool fromFile = false;           // write the file below rather than the image in memory
    std::string dataFile;
    bool verify = true;
    bool backup = false;
    std::string backupFolder;
    std::string password;  // the radios' password entry
    bool newPassword = false;
    std::string newPasswordText;
    bool numbered = false;  // a DTMF ID code of its own per radio
    std::uint64_t idFrom = 1;
    std::uint64_t idStep = 1;
    std::string logFile;  // "" for no log
    bool watch = false;   // start each radio as soon as it answers
};

// The options kept in settingsPath; the defaults above for what it does not hold ("" reads none).
ProductionOptions LoadProductionOptions(const std::string& settingsPath);
// Keeps them there; false when the file cannot be written ("" writes nothing). Passwords are not kept.
bool SaveProductionOptions(const std::string& settingsPath, const ProductionOptions& options);

}  // namespace lm
