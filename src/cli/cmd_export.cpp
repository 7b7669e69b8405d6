// lm418t-cli export: the channels of a data file as a CSV file.
#include <ostream>
#include <string>

#include "args.h"
#include "command.h"
#include "core/channel_csv.h"
#include "core/file_io.h"
#include "core/printable.h"
#include "globals/globals.h"
#include "output_files.h"
#include "session.h"

namespace lm::cli {
namespace {

class ExportCommand : public Command {
public:
    std::string_view Name() const override { return "export"; }
    std::string_view Synopsis() const override { return "[--format grid|common] [--force] FILE.dat OUT.csv"; }
    std::string_view Summary() const override { return "Write the channels of a data file to a CSV file."; }
    std::string_view Details() const override {
        return "Writes a header row and one row per channel that is present; OUT.csv \"-\" writes to\n"
               "standard output. The file is written to a temporary file first and renamed into place.\n"
               "\n"
               "Options:\n"
               "  --format common  (default) the common CSV layout of other programming tools and\n"
               "                   spreadsheets: Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,...\n"
               "                   The default, since this is the layout other tools read.\n"
               "  --format grid    the columns and texts of the channel grid, as channels --csv prints "
               "them\n"
               "  --force          replace OUT.csv when it exists (otherwise an existing file is refused\n"
               "                   and kept); OUT.csv may never be FILE.dat\n";
    }

    int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream&) override {
        const ParsedArgs parsed = ParseArgs(args, {{"--format", true}, {"--force", false}});
        ExpectOperands(parsed, 2, "FILE.dat OUT.csv");
        const std::string format = parsed.Value("--format").value_or("common");
        if (format != "common" && format != "grid")
            throw UsageError("--format takes grid or common, not \"" + ShownValue(format) + "\"");
        const std::string& path = parsed.Operands[1];
        if (path != "-")
            CheckOutputTarget(path, "the CSV file", {{parsed.Operands[0], "the data file"}},
                              parsed.Has("--force"));
        LoadOrFail(gAll, parsed.Operands[0]);
        const std::string text =
            ExportChannelsCsv(gAll, format == "grid" ? CsvFormat::Grid : CsvFormat::Common);
        if (path == "-") {
            out << text;
            return kExitOk;
        }
        const FileOutcome written = ReplaceFile(path, text);
        if (!written.ok) throw Failure(path + ": " + written.reason);
        return kExitOk;
    }
};

}  // namespace

std::unique_ptr<Command> MakeExportCommand() { return std::make_unique<ExportCommand>(); }

}  // namespace lm::cli
