// lm418t-cli export: the channels of a data file as a CSV file.
#include <ostream>
#include <string>

#include "command.h"
#include "core/channel_csv.h"
#include "core/file_io.h"
#include "core/printable.h"
#include "file_command.h"
#include "output_files.h"

namespace lm::cli {
namespace {

constexpr Option kOptions[] = {
    {"--format", "grid|common",
     "the layout of OUT.csv:\n"
     "common  (default) the common CSV layout of other programming tools and spreadsheets: "
     "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,... The default, since this is the layout other "
     "tools read.\n"
     "grid    the columns and texts of the channel grid, as channels --csv prints them"},
    {"--force", "",
     "replace OUT.csv when it exists (otherwise an existing file is refused and kept); OUT.csv may never be "
     "FILE.dat"},
};

class ExportCommand : public FileCommand {
public:
    std::string_view Name() const override { return "export"; }
    std::span<const Option> Options() const override { return kOptions; }
    std::string_view Operands() const override { return "FILE.dat OUT.csv"; }
    HelpText Help() const override {
        return {
            .summary = "Write the channels of a data file to a CSV file.",
            .intro =
                "Writes a header row and one row per channel that is present; OUT.csv \"-\" writes to "
                "standard output. The file is written to a temporary file first and renamed into place.",
        };
    }

private:
    void Check(const ParsedArgs& args) override {
        ExpectOperands(args, 2, "FILE.dat OUT.csv");
        const std::string format = args.Value("--format").value_or("common");
        if (format != "common" && format != "grid")
            throw UsageError("--format takes grid or common, not \"" + ShownValue(format) + "\"");
        format_ = format == "grid" ? CsvFormat::Grid : CsvFormat::Common;
        const std::string& path = args.Operands[1];
        if (path != "-")
            CheckOutputTarget(path, "the CSV file", {{args.Operands[0], "the data file"}},
                              args.Has("--force"));
    }

    int Work(const ParsedArgs& args, TALL& document, std::ostream& out, std::ostream&) override {
        const std::string& path = args.Operands[1];
        const std::string text = ExportChannelsCsv(document, format_);
        if (path == "-") {
            out << text;
            return kExitOk;
        }
        const FileOutcome written = ReplaceFile(path, text);
        if (!written.ok) throw Failure(path + ": " + written.reason);
        return kExitOk;
    }

    CsvFormat format_ = CsvFormat::Common;
};

}  // namespace

std::unique_ptr<Command> MakeExportCommand() { return std::make_unique<ExportCommand>(); }

}  // namespace lm::cli
