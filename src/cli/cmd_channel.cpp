// lm418t-cli channel: shows one channel of a data file, or changes its fields through the rules of typing
// into the channel grid and saves the file.
#include <ostream>
#include <string>
#include <vector>

#include "args.h"
#include "channel_listing.h"
#include "command.h"
#include "core/channel_edit.h"
#include "core/edit_lock.h"
#include "core/printable.h"
#include "globals/globals.h"
#include "session.h"
#include "settings/language.h"

namespace lm::cli {
namespace {

struct FieldName {
    const char* name;
    int field;
};
constexpr FieldName kFieldNames[] = {
    {"rx", cfRxFreq},          {"tx", cfTxFreq},           {"rx-tone", cfRxTone},
    {"tx-tone", cfTxTone},     {"power", cfPower},         {"bandwidth", cfBandwidth},
    {"scan-add", cfScanAdd},   {"compander", cfCompander}, {"scrambler", cfScrambler},
    {"busy-lock", cfBusyLock}, {"over-tone", cfOverTone},  {"epilogue", cfEpilogue},
};

struct Assignment {
    std::string text;  // "rx=446.007", as given
    std::string name;
    int field = -1;
    std::string value;
};

Assignment ParseAssignment(const std::string& text) {
    const std::size_t equals = text.find('=');
    if (equals == std::string::npos) throw UsageError("expected FIELD=VALUE: " + ShownValue(text));
    Assignment a{text, text.substr(0, equals), -1, text.substr(equals + 1)};
    for (const FieldName& f : kFieldNames)
        if (a.name == f.name) a.field = f.field;
    if (a.field < 0) throw UsageError("unknown field: " + ShownValue(a.name));
    return a;
}

int ParseChannelNumber(const std::string& text) {
    if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string::npos)
        throw UsageError("not a channel number: " + ShownValue(text));
    return std::stoi(text);
}

class ChannelCommand : public Command {
public:
    std::string_view Name() const override { return "channel"; }
    std::string_view Synopsis() const override { return "[--csv] FILE.dat N [FIELD=VALUE ...]"; }
    std::string_view Summary() const override {
        return "Show channel N of a data file, or change its fields as typing into the channel grid does.";
    }
    std::string_view Details() const override {
        return "Without FIELD=VALUE, prints channel N as \"channels\" does (--csv as there).\n"
               "Otherwise changes the fields in the order given, through the rules of the channel grid, and\n"
               "saves the file (area code and password bytes FF). Fields and values, as the grid shows "
               "them,\n"
               "items without regard to case:\n"
               "  rx=446.007            receive frequency in MHz; an empty channel is created with the "
               "grid's\n"
               "                        defaults, transmitting on the same frequency; rx= empties the "
               "channel\n"
               "  tx=446.1              transmit frequency; tx= removes it and the transmit tone\n"
               "  rx-tone=67            receive tone: a CTCSS tone (67, 88.5), a DCS code (D023N, D754I) or "
               "None\n"
               "  tx-tone=D023N         transmit tone, the same; needs a transmit frequency\n"
               "  power=Low|Mid|High    bandwidth=Wide|Narrow\n"
               "  scan-add=Yes|No       compander=Yes|No    scrambler=Yes|No    busy-lock=Yes|No\n"
               "  over-tone=OFF|ON\n"
               "  epilogue=OFF|Type-1|Type-2 while the transmit tone is a CTCSS tone, epilogue=OFF|ON "
               "otherwise\n"
               "A frequency outside the band or the model's limits, or a repaired tone, is reported on "
               "standard\n"
               "error with the value stored, and the change is made. An unknown field, a value that is no "
               "item\n"
               "of the field's list, a frequency that is not a number, a channel number outside the model's\n"
               "channels, or another field than rx of an empty channel is a usage error: nothing is "
               "written.\n"
               "The file is locked from its load to its save: while another program changes it, the command\n"
               "waits up to 2 seconds, then fails with \"FILE.dat is being changed by another program\".\n";
    }

    int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) override {
        const ParsedArgs parsed = ParseArgs(args, {{"--csv", false}});
        if (parsed.Operands.size() < 2) throw UsageError("expected FILE.dat and a channel number");
        const std::string& path = parsed.Operands[0];
        const int n = ParseChannelNumber(parsed.Operands[1]);
        std::vector<Assignment> assignments;
        for (std::size_t i = 2; i < parsed.Operands.size(); ++i)
            assignments.push_back(ParseAssignment(parsed.Operands[i]));

        // A change holds the file from its load to its save, so that no other program's change is lost.
        EditLock lock;
        if (!assignments.empty()) lock = LockOrFail(path);
        LoadOrFail(gAll, path);
        if (n < 1 || n > gAll.ChannelCount)
            throw UsageError("no channel " + std::to_string(n) + " (1.." + std::to_string(gAll.ChannelCount) +
                             ")");
        if (assignments.empty()) {
            PrintChannels(gAll, {n}, parsed.Has("--csv"), out);
            return kExitOk;
        }

        std::vector<std::string> warnings;
        for (const Assignment& a : assignments) {
            const ChannelEdit edit = SetFieldText(gAll, n, a.field, a.value, UnreadableFrequency::Refuse);
            if (!edit.Ok())
                throw UsageError(ShownValue(a.text) + ": " + std::string(RefusalText(edit.refusal)));
            const MessageRef message = WarningMessage(edit.warning);
            if (edit.Notable())
                warnings.push_back(EditNote(edit, a.name, MessageText(gLanguage, message.key, message.text)));
        }
        for (const std::string& warning : warnings) err << "warning: " << warning << '\n';
        SaveOrFail(gAll, path);
        return kExitOk;
    }
};

}  // namespace

std::unique_ptr<Command> MakeChannelCommand() { return std::make_unique<ChannelCommand>(); }

}  // namespace lm::cli
