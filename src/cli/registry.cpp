// The list of commands. Adding a command: its cmd_<name>.cpp file with a Make function, and one line below.
#include "command.h"

namespace lm::cli {

std::unique_ptr<Command> MakeNewCommand();
std::unique_ptr<Command> MakeInfoCommand();
std::unique_ptr<Command> MakeChannelsCommand();
std::unique_ptr<Command> MakeChannelCommand();
std::unique_ptr<Command> MakeSettingsCommand();
std::unique_ptr<Command> MakeSetCommand();
std::unique_ptr<Command> MakeReadCommand();
std::unique_ptr<Command> MakeWriteCommand();
std::unique_ptr<Command> MakePortsCommand();
std::unique_ptr<Command> MakeExportCommand();
std::unique_ptr<Command> MakeImportCommand();
std::unique_ptr<Command> MakeSheetCommand();
std::unique_ptr<Command> MakeDiffCommand();
std::unique_ptr<Command> MakeIdentifyCommand();
std::unique_ptr<Command> MakeDoctorCommand();
std::unique_ptr<Command> MakeVerifyCommand();

namespace {

using Factory = std::unique_ptr<Command> (*)();

constexpr Factory kFactories[] = {
    MakeNewCommand,      MakeInfoCommand,     MakeChannelsCommand, MakeChannelCommand,
    MakeSettingsCommand, MakeSetCommand,      MakeReadCommand,     MakeWriteCommand,
    MakePortsCommand,    MakeExportCommand,   MakeImportCommand,   MakeSheetCommand,
    MakeDiffCommand,     MakeIdentifyCommand, MakeDoctorCommand,   MakeVerifyCommand,
};

}  // namespace

const std::vector<std::unique_ptr<Command>>& Commands() {
    static const std::vector<std::unique_ptr<Command>> commands = [] {
        std::vector<std::unique_ptr<Command>> list;
        for (Factory make : kFactories) list.push_back(make());
        return list;
    }();
    return commands;
}

Command* FindCommand(std::string_view name) {
    for (const auto& command : Commands())
        if (command->Name() == name) return command.get();
    return nullptr;
}

}  // namespace lm::cli
