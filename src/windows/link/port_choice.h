#pragma once
// Which port each of the twenty buttons of the Communication Port dialog stands for.
//
// Numbered ports ("COM1", "COM12", see ComPortNumber): button n stands for "COM<n>" and is enabled when that
// port is present; a configured "COM01" checks button 1. Named ports (/dev/ttyUSB0 ...): button n stands for
// the n-th present port. A configured port that is not present keeps a button of its own (the first one
// free), so that Ok does not lose it. The configured port's button is checked; with no button for it, none is
// checked and Ok keeps the name.
#include <array>
#include <string>
#include <vector>

namespace lm {

constexpr int kPortButtons = 20;

struct TPortButton {
    std::string name;     // the port name the button stands for; "" for a button without a port
    std::string caption;  // the text shown
    bool enabled = false;
};

struct TPortChoice {
    std::array<TPortButton, kPortButtons> buttons;
    int checked = -1;  // index of the checked button, -1 for none
};

// The buttons for the present ports and the configured port. numbered: the platform names its ports "COMn".
// captionPrefix: the prefix of the numbered buttons' captions ("COM", or the translated "Port:").
TPortChoice ChoosePortButtons(const std::vector<std::string>& present, const std::string& portName,
                              bool numbered, const std::string& captionPrefix = "COM");

// The name shown for a named port: a device path without its "/dev/" folder.
std::string ShortPortName(const std::string& name);

}  // namespace lm
