// lm418t-cli diff: what differs between two data files, one line per difference, answering like diff(1).
#include <ostream>
#include <string>
#include <vector>

#include "command.h"
#include "core/image_diff.h"
#include "file_command.h"
#include "session.h"

namespace lm::cli {
namespace {

constexpr int kExitDiffer = 1;
constexpr int kExitTrouble = 2;

class DiffCommand : public Command {
public:
    std::string_view Name() const override { return "diff"; }
    std::string_view Operands() const override { return "A.dat B.dat"; }
    HelpText Help() const override {
        return {
            .summary = "Show what differs between two data files.",
            .intro =
                "Prints one line per difference, in the order of the image:\n"
                "  Channel 3 RX Frequency: 446.00625 \u2192 446.01250   a column of the channel grid\n"
                "  Squelch level: 5 \u2192 7                            a setting of a function window\n"
                "  Serial Number: LM418T-0001 \u2192 LM418T-0002        a field of the radio information\n"
                "  Byte 0x01F3: 0x00 \u2192 0xFF                        a byte (or bits of one) no "
                "window shows\n"
                "A field without a value, or a channel that is empty, shows as (empty).\n"
                "Exit status:\n"
                "  0  the images are the same\n"
                "  1  they differ\n"
                "  2  bad input: a file that cannot be read or is no data file of this radio, or a wrong "
                "command line",
        };
    }
    int FailureStatus() const override { return kExitTrouble; }

    int Run(const ParsedArgs& args, std::ostream& out, std::ostream&) override {
        ExpectOperands(args, 2, "A.dat B.dat");
        TALL a = program().document;
        TALL b = program().document;
        LoadOrFail(program().messages, a, args.Operands[0]);
        LoadOrFail(program().messages, b, args.Operands[1]);
        const std::vector<Difference> differences = DiffImages(a, b);
        for (const Difference& d : differences) out << d.Text() << '\n';
        return differences.empty() ? kExitOk : kExitDiffer;
    }
};

}  // namespace

std::unique_ptr<Command> MakeDiffCommand() { return std::make_unique<DiffCommand>(); }

}  // namespace lm::cli
