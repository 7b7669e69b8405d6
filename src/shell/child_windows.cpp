#include "shell/child_windows.h"

#include <utility>

#include "shell/command_table.h"

namespace lm {

namespace {
std::map<int, ChildWindowFactory>& Factories() {
    static std::map<int, ChildWindowFactory> factories;
    return factories;
}
}  // namespace

bool RegisterChildWindow(int tag, ChildWindowFactory factory) {
    Factories()[tag] = std::move(factory);
    return true;
}

const ChildWindowFactory* FindChildWindowFactory(int tag) {
    const auto it = Factories().find(tag);
    return it == Factories().end() || !it->second ? nullptr : &it->second;
}

bool IsChildWindowTag(int tag) {
    return (tag >= cmd::kChannelInfo && tag <= cmd::kRadioInfo) || tag == cmd::kDtmf || tag == cmd::kScanInfo;
}

}  // namespace lm
