#include "shell/dialog_commands.h"

#include <map>
#include <utility>

namespace lm {

namespace {
std::map<int, DialogCommand>& Commands() {
    static std::map<int, DialogCommand> commands;
    return commands;
}
}  // namespace

bool RegisterDialogCommand(int tag, DialogCommand command) {
    Commands()[tag] = std::move(command);
    return true;
}

const DialogCommand* FindDialogCommand(int tag) {
    const auto it = Commands().find(tag);
    return it == Commands().end() || !it->second ? nullptr : &it->second;
}

bool RunDialogCommand(int tag, TfMainFrm& main) {
    const DialogCommand* command = FindDialogCommand(tag);
    return command != nullptr && (*command)(main);
}

}  // namespace lm
