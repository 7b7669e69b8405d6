// lm418t-cli settings: every setting of the key, VOX, optional, scan and DTMF windows of a data file, as
// KEY=VALUE lines that "set --from" takes back.
#include <ostream>
#include <string>
#include <vector>

#include "args.h"
#include "command.h"
#include "core/settings_access.h"
#include "globals/globals.h"
#include "session.h"

namespace lm::cli {
namespace {

constexpr SettingWindow kWindows[] = {SettingWindow::KeyFunction, SettingWindow::VoxFunction,
                                      SettingWindow::OptionalFunction, SettingWindow::ScanInformation,
                                      SettingWindow::Dtmf};

class SettingsCommand : public Command {
public:
    std::string_view Name() const override { return "settings"; }
    std::string_view Synopsis() const override { return "FILE.dat"; }
    std::string_view Summary() const override {
        return "Show the key, VOX, optional, scan and DTMF settings of a data file as KEY=VALUE lines.";
    }
    std::string_view Details() const override {
        return "Prints one KEY=VALUE line per setting, under a \"# <window>\" line for each window (\"# Key\n"
               "Function\"). The value is the English item the window shows, or the digits of a code field.\n"
               "The output is what \"set FILE.dat --from SETTINGS.txt\" takes, so settings can be copied "
               "from one\n"
               "data file to another. \"set --help\" lists the keys and their values.\n";
    }

    int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream&) override {
        const ParsedArgs parsed = ParseArgs(args, {});
        ExpectOperands(parsed, 1, "FILE.dat");
        LoadOrFail(gAll, parsed.Operands[0]);
        const char* separator = "";
        for (SettingWindow window : kWindows) {
            out << separator << "# " << WindowCaption(window) << '\n';
            for (const Setting* s : WindowSettings(window))
                if (!s->key.empty()) out << s->key << '=' << *ReadSetting(gAll, s->key) << '\n';
            separator = "\n";
        }
        return kExitOk;
    }
};

}  // namespace

std::unique_ptr<Command> MakeSettingsCommand() { return std::make_unique<SettingsCommand>(); }

}  // namespace lm::cli
