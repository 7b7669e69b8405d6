// lm418t-cli channels: the channel table of a data file with the columns and texts of the channel grid.
#include <string>
#include <vector>

#include "channel_listing.h"
#include "command.h"
#include "file_command.h"

namespace lm::cli {
namespace {

constexpr Option kOptions[] = {
    {"--csv", "",
     "comma-separated values (RFC 4180) instead of aligned columns; an empty channel has its number and "
     "empty "
     "fields"},
};

class ChannelsCommand : public FileCommand {
public:
    std::string_view Name() const override { return "channels"; }
    std::span<const Option> Options() const override { return kOptions; }
    std::string_view Operands() const override { return "FILE.dat"; }
    HelpText Help() const override {
        return {
            .summary = "List the channels of a data file with the columns of the channel grid.",
            .intro =
                "Prints a title row and one row per channel of the model, with the columns\n"
                "  Channel No., RX Frequency, TX Frequency, QT/DQT Dec, QT/DQT Enc, TX Power, W/N, Scan "
                "Add, Compander, Scrambler, Busy Lock, Epilogue, Over Tone\n"
                "and the texts of the channel grid: frequencies in MHz with five decimals (\"446.00625\"; "
                "an empty TX Frequency means none), tones as \"67.0\", \"D023N\", \"D754I\" or \"None\", "
                "TX Power Low/Mid/High, W/N Wide/Narrow, the four switches Yes/No, Epilogue "
                "OFF/Type-1/Type-2 with a CTCSS transmit tone and OFF/ON otherwise, Over Tone OFF/ON.\n"
                "An empty channel shows its number and (empty).",
        };
    }

private:
    void Check(const ParsedArgs& args) override { ExpectOperands(args, 1, "FILE.dat"); }

    int Work(const ParsedArgs& args, TALL& document, std::ostream& out, std::ostream&) override {
        std::vector<int> channels;
        for (int n = 1; n <= document.ChannelCount; ++n) channels.push_back(n);
        PrintChannels(document, channels, args.Has("--csv"), out);
        return kExitOk;
    }
};

}  // namespace

std::unique_ptr<Command> MakeChannelsCommand() { return std::make_unique<ChannelsCommand>(); }

}  // namespace lm::cli
