// lm418t-cli import: channels from a CSV file into a data file.
#include <ostream>
#include <string>

#include "args.h"
#include "command.h"
#include "core/channel_csv.h"
#include "core/file_io.h"
#include "globals/globals.h"
#include "session.h"

namespace lm::cli {
namespace {

class ImportCommand : public Command {
public:
    std::string_view Name() const override { return "import"; }
    std::string_view Synopsis() const override { return "FILE.dat IN.csv"; }
    std::string_view Summary() const override { return "Read channels from a CSV file into a data file."; }
    std::string_view Details() const override {
        return "Reads a CSV file written by export (either layout, told by its header row) or by a\n"
               "spreadsheet or another programming tool in the common layout, and replaces the channels\n"
               "its rows name through the rules of typing into the channel grid; the other channels stay.\n"
               "The report (channels imported, warnings, skipped rows with the reason) goes to standard\n"
               "error, and the data file is saved when a channel changed.\n"
               "\n"
               "A file that is not CSV text, has no known header row, unbalanced quotes or a non-number in "
               "a\n"
               "number column is refused with its line (\"IN.csv: line 4: ...\", exit status 1) and the\n"
               "data file is left as it was. Rows the radio cannot take (a channel the model lacks, a\n"
               "frequency beyond its limits, a mode other than FM or NFM ...) are skipped.\n";
    }

    int Run(const std::vector<std::string>& args, std::ostream&, std::ostream& err) override {
        const ParsedArgs parsed = ParseArgs(args, {});
        ExpectOperands(parsed, 2, "FILE.dat IN.csv");
        const std::string& dataPath = parsed.Operands[0];
        const std::string& csvPath = parsed.Operands[1];
        LoadOrFail(gAll, dataPath);
        std::string text;
        const FileOutcome read = ReadRegularFile(csvPath, kChannelCsvLimit, text);
        if (!read.ok) throw Failure(csvPath + ": " + read.reason);
        const ImageBytes before = gAll.Image;
        const ImportReport report = ImportChannelsCsv(gAll, text);
        if (report.Refused()) throw Failure(csvPath + ": " + report.refusal->Text());
        err << report.Text() << "\n";
        if (gAll.Image != before) SaveOrFail(gAll, dataPath);
        return kExitOk;
    }
};

}  // namespace

std::unique_ptr<Command> MakeImportCommand() { return std::make_unique<ImportCommand>(); }

}  // namespace lm::cli
