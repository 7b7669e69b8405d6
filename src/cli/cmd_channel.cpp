// lm418t-cli channel: shows one channel of a data file, or changes its fields through the rules of typing
// into the channel grid and saves the file.
#include <ostream>
#include <string>
#include <vector>

#include "channel_listing.h"
#include "command.h"
#include "core/channel_edit.h"
#include "core/printable.h"
#include "file_command.h"
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

constexpr Option kOptions[] = {
    {"--csv", "", "comma-separated values, as \"channels --csv\" prints them"},
};

class ChannelCommand : public FileCommand {
public:
    std::string_view Name() const override { return "channel"; }
    std::span<const Option> Options() const override { return kOptions; }
    std::string_view Operands() const override { return "FILE.dat N [FIELD=VALUE ...]"; }
    HelpText Help() const override {
        return {
            .summary =
                "Show channel N of a data file, or change its fields as typing into the channel grid does.",
            .intro =
                "Without FIELD=VALUE, prints channel N as \"channels\" does (--csv as there).\n"
                "Otherwise changes the fields in the order given, through the rules of the channel grid, "
                "and saves the file (area code and password bytes FF). Fields and values, as the grid "
                "shows them, items without regard to case:\n"
                "  rx=446.007            receive frequency in MHz; an empty channel is created with the "
                "grid's defaults, transmitting on the same frequency; rx= empties the channel\n"
                "  tx=446.1              transmit frequency; tx= removes it and the transmit tone\n"
                "  rx-tone=67            receive tone: a CTCSS tone (67, 88.5), a DCS code (D023N, D754I) "
                "or None\n"
                "  tx-tone=D023N         transmit tone, the same; needs a transmit frequency\n"
                "  power=Low|Mid|High    bandwidth=Wide|Narrow\n"
                "  scan-add=Yes|No       compander=Yes|No    scrambler=Yes|No    busy-lock=Yes|No\n"
                "  over-tone=OFF|ON\n"
                "  epilogue=OFF|Type-1|Type-2  while the transmit tone is a CTCSS tone, epilogue=OFF|ON "
                "otherwise\n"
                "A frequency outside the band or the model's limits, or a repaired tone, is reported on "
                "standard error with the value stored, and the change is made. An unknown field, a value "
                "that is no item of the field's list, a frequency that is not a number, a channel number "
                "outside the model's channels, or another field than rx of an empty channel is a usage "
                "error: nothing is written.\n"
                "The file is locked from its load to its save: while another program changes it, the "
                "command waits up to 2 seconds, then fails with \"FILE.dat is being changed by another "
                "program\".",
        };
    }

private:
    void Check(const ParsedArgs& args) override {
        if (args.Operands.size() < 2) throw UsageError("expected FILE.dat and a channel number");
        channel_ = ParseChannelNumber(args.Operands[1]);
        for (std::size_t i = 2; i < args.Operands.size(); ++i)
            assignments_.push_back(ParseAssignment(args.Operands[i]));
    }
    bool Changes(const ParsedArgs&) const override { return !assignments_.empty(); }

    int Work(const ParsedArgs& args, TALL& document, std::ostream& out, std::ostream& err) override {
        const int n = channel_;
        if (n < 1 || n > document.ChannelCount)
            throw UsageError("no channel " + std::to_string(n) + " (1.." +
                             std::to_string(document.ChannelCount) + ")");
        if (assignments_.empty()) {
            PrintChannels(document, {n}, args.Has("--csv"), out);
            return kExitOk;
        }

        std::vector<std::string> warnings;
        for (const Assignment& a : assignments_) {
            const ChannelEdit edit = SetFieldText(document, n, a.field, a.value, UnreadableFrequency::Refuse);
            if (!edit.Ok())
                throw UsageError(ShownValue(a.text) + ": " + std::string(RefusalText(edit.refusal)));
            const MessageRef message = WarningMessage(edit.warning);
            if (edit.Notable())
                warnings.push_back(
                    EditNote(edit, a.name, MessageText(program().messages, message.key, message.text)));
        }
        for (const std::string& warning : warnings) err << "warning: " << warning << '\n';
        Save(document);
        return kExitOk;
    }

    int channel_ = 0;
    std::vector<Assignment> assignments_;
};

}  // namespace

std::unique_ptr<Command> MakeChannelCommand() { return std::make_unique<ChannelCommand>(); }

}  // namespace lm::cli
