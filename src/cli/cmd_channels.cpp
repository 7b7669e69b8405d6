// lm418t-cli channels: the channel table of a data file with the columns and texts of the channel grid.
#include <string>
#include <vector>

#include "args.h"
#include "channel_listing.h"
#include "command.h"
#include "globals/globals.h"
#include "session.h"

namespace lm::cli {
namespace {

class ChannelsCommand : public Command {
public:
    std::string_view Name() const override { return "channels"; }
    std::string_view Synopsis() const override { return "[--csv] FILE.dat"; }
    std::string_view Summary() const override {
        return "List the channels of a data file with the columns of the channel grid.";
    }
    std::string_view Details() const override {
        return "Prints a title row and one row per channel of the model, with the columns\n"
               "  Channel No., RX Frequency, TX Frequency, QT/DQT Dec, QT/DQT Enc, TX Power, W/N, Scan Add,\n"
               "  Compander, Scrambler, Busy Lock, Epilogue, Over Tone\n"
               "and the texts of the channel grid: frequencies in MHz with five decimals (\"446.00625\"; an\n"
               "empty TX Frequency means none), tones as \"67.0\", \"D023N\", \"D754I\" or \"None\", TX "
               "Power\n"
               "Low/Mid/High, W/N Wide/Narrow, the four switches Yes/No, Epilogue OFF/Type-1/Type-2 with a\n"
               "CTCSS transmit tone and OFF/ON otherwise, Over Tone OFF/ON.\n"
               "An empty channel shows its number and (empty).\n"
               "\n"
               "Options:\n"
               "  --csv  comma-separated values (RFC 4180) instead of aligned columns; an empty channel has\n"
               "         its number and empty fields\n";
    }

    int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream&) override {
        const ParsedArgs parsed = ParseArgs(args, {{"--csv", false}});
        ExpectOperands(parsed, 1, "FILE.dat");
        LoadOrFail(gAll, parsed.Operands[0]);
        std::vector<int> channels;
        for (int n = 1; n <= gAll.ChannelCount; ++n) channels.push_back(n);
        PrintChannels(gAll, channels, parsed.Has("--csv"), out);
        return kExitOk;
    }
};

}  // namespace

std::unique_ptr<Command> MakeChannelsCommand() { return std::make_unique<ChannelsCommand>(); }

}  // namespace lm::cli
