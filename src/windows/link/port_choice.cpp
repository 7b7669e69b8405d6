#include "windows/link/port_choice.h"

#include <algorithm>

#include "core/port_name.h"

namespace lm {

std::string ShortPortName(const std::string& name) {
    const std::string dev = "/dev/";
    if (name.rfind(dev, 0) == 0 && name.size() > dev.size()) return name.substr(dev.size());
    return name;
}

TPortChoice ChoosePortButtons(const std::vector<std::string>& present, const std::string& portName,
                              bool numbered, const std::string& captionPrefix) {
    TPortChoice choice;
    if (numbered) {
        for (int n = 1; n <= kPortButtons; ++n) {
            TPortButton& b = choice.buttons[n - 1];
            b.name = "COM" + std::to_string(n);
            b.caption = captionPrefix + std::to_string(n);
        }
        for (const std::string& p : present) {
            const int n = ComPortNumber(p);
            if (n >= 1 && n <= kPortButtons) choice.buttons[n - 1].enabled = true;
        }
        const int n = ComPortNumber(portName);
        if (n >= 1 && n <= kPortButtons) choice.checked = n - 1;
        return choice;
    }

    int used = 0;
    for (const std::string& p : present) {
        if (used == kPortButtons) break;
        if (std::any_of(choice.buttons.begin(), choice.buttons.begin() + used,
                        [&](const TPortButton& b) { return b.name == p; }))
            continue;
        choice.buttons[used] = TPortButton{p, ShortPortName(p), true};
        if (p == portName) choice.checked = used;
        ++used;
    }
    if (choice.checked < 0 && !portName.empty()) {
        // The configured port is not present (unplugged, or a device the listing does not know): it keeps a
        // button, the last one when all are taken.
        const int slot = std::min(used, kPortButtons - 1);
        choice.buttons[slot] = TPortButton{portName, ShortPortName(portName), true};
        choice.checked = slot;
    }
    return choice;
}

}  // namespace lm
