// lm418t-cli settings: every setting of the key, VOX, optional, scan and DTMF windows of a data file, as
// KEY=VALUE lines that "set --from" takes back.
#include <ostream>
#include <string>
#include <vector>

#include "command.h"
#include "core/settings_access.h"
#include "file_command.h"

namespace lm::cli {
namespace {

constexpr SettingWindow kWindows[] = {SettingWindow::KeyFunction, SettingWindow::VoxFunction,
                                      SettingWindow::OptionalFunction, SettingWindow::ScanInformation,
                                      SettingWindow::Dtmf};

class SettingsCommand : public FileCommand {
public:
    std::string_view Name() const override { return "settings"; }
    std::string_view Operands() const override { return "FILE.dat"; }
    HelpText Help() const override {
        return {
            .summary =
                "Show the key, VOX, optional, scan and DTMF settings of a data file as KEY=VALUE lines.",
            .intro =
                "Prints one KEY=VALUE line per setting, under a \"# <window>\" line for each window (\"# "
                "Key Function\"). The value is the English item the window shows, or the digits of a code "
                "field.\n"
                "The output is what \"set FILE.dat --from SETTINGS.txt\" takes, so settings can be copied "
                "from one data file to another. \"set --help\" lists the keys and their values.",
        };
    }

private:
    void Check(const ParsedArgs& args) override { ExpectOperands(args, 1, "FILE.dat"); }

    int Work(const ParsedArgs&, TALL& document, std::ostream& out, std::ostream&) override {
        const char* separator = "";
        for (SettingWindow window : kWindows) {
            out << separator << "# " << WindowCaption(window) << '\n';
            for (const Setting* s : WindowSettings(window))
                if (!s->key.empty()) out << s->key << '=' << *ReadSetting(document, s->key) << '\n';
            separator = "\n";
        }
        return kExitOk;
    }
};

}  // namespace

std::unique_ptr<Command> MakeSettingsCommand() { return std::make_unique<SettingsCommand>(); }

}  // namespace lm::cli
