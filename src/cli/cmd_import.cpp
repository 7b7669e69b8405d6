// lm418t-cli import: channels from a CSV file into a data file.
#include <ostream>
#include <string>

#include "command.h"
#include "core/channel_csv.h"
#include "core/channel_csv_row.h"
#include "core/file_io.h"
#include "core/printable.h"
#include "file_command.h"

namespace lm::cli {
namespace {

constexpr Option kOptions[] = {
    {"--first-channel", "N",
     "place the rows in the file's order from channel N on (a blank Location is allowed); rows past the last "
     "channel are skipped and reported"},
    {"--rows", "A-B[,C...]", "take only these rows, counted from 1 after the header row"},
    {"--dry-run", "", "print what would land where, row by row (the rows taken), and save nothing"},
};

class ImportCommand : public FileCommand {
public:
    std::string_view Name() const override { return "import"; }
    std::span<const Option> Options() const override { return kOptions; }
    std::string_view Operands() const override { return "FILE.dat IN.csv"; }
    HelpText Help() const override {
        return {
            .summary = "Read channels from a CSV file into a data file.",
            .intro =
                "Reads a CSV file written by export (either layout, told by its header row) or by a "
                "spreadsheet or another programming tool in the common layout, and replaces the channels "
                "its rows name through the rules of typing into the channel grid; the other channels "
                "stay. The report (channels imported, warnings, skipped rows with the reason) goes to "
                "standard error, and the data file is saved when a channel changed.\n"
                "\n"
                "A file that is not CSV text, has no known header row, unbalanced quotes or a non-number "
                "in a number column is refused with its line (\"IN.csv: line 4: ...\", exit status 1) and "
                "the data file is left as it was. Rows the radio cannot take (a channel the model lacks, "
                "a frequency beyond its limits, a mode other than FM or NFM ...) are skipped.\n"
                "\n"
                "The common layout is told by its column names, in any order: Location and Frequency are "
                "needed, every other column may be missing (no Power: a new channel's power; no "
                "RxDtcsCode: the receive code is DtcsCode; no CrossMode: Tone->Tone; no Mode: FM), and a "
                "column this program does not know is ignored and named in the report. Rows go to the "
                "channel of their Location; a list whose smallest Location is 0 is taken as numbered from "
                "0 (row 0 goes to channel 1).",
        };
    }

private:
    void Check(const ParsedArgs& args) override { ExpectOperands(args, 2, "FILE.dat IN.csv"); }
    bool Changes(const ParsedArgs&) const override { return true; }

    int Work(const ParsedArgs& args, TALL& document, std::ostream& out, std::ostream& err) override {
        const std::string& csvPath = args.Operands[1];
        const ImportOptions options = Options(args, document);
        std::string text;
        const FileOutcome read = ReadInputFile(csvPath, InputKind::ChannelList, text);
        if (!read.ok) throw Failure(csvPath + ": " + read.reason);
        if (args.Has("--dry-run")) {
            const ImportPreview preview = PreviewChannelsCsv(document, text, options);
            if (preview.refusal) throw Failure(csvPath + ": " + preview.refusal->Text());
            for (const ImportRow& row : preview.rows)
                if (row.chosen) PrintRow(row, out);
        }
        TALL trial = document;
        const ImportReport report = ImportChannelsCsv(trial, text, options);
        if (report.Refused()) throw Failure(csvPath + ": " + report.refusal->Text());
        // The ignored columns' names come from the file.
        err << PrintableMessage(report.Text()) << "\n";
        if (args.Has("--dry-run")) err << "Dry run: " << Path() << " was not changed.\n";
        if (!args.Has("--dry-run") && trial.Image != document.Image) {
            document = trial;
            Save(document);
        }
        return kExitOk;
    }

private:
    static ImportOptions Options(const ParsedArgs& parsed, const TALL& document) {
        ImportOptions options;
        if (const auto first = parsed.Value("--first-channel")) {
            const int n = csv::IsDigits(*first) ? csv::ChannelNumberOf(*first) : 0;
            if (n < 1 || n > document.ChannelCount)
                throw UsageError("--first-channel takes a channel from 1 to " +
                                 std::to_string(document.ChannelCount));
            options.placement = ImportOptions::Placement::InOrder;
            options.firstChannel = n;
        }
        if (const auto rows = parsed.Value("--rows")) {
            std::string reason;
            const auto ranges = ParseRowRanges(*rows, reason);
            if (!ranges) throw UsageError("--rows: " + reason);
            options.rows = *ranges;
        }
        return options;
    }

    // "row 3 (line 4) -> channel 3, replacing it: 446.00625 / 446.00625, None / 67.0, High, Wide, scan Yes".
    static void PrintRow(const ImportRow& row, std::ostream& out) {
        out << "row " << row.row << " (line " << row.line << ")";
        if (row.channel == 0) {
            out << ": skipped, " << PrintableMessage(row.skipped) << "\n";
            return;
        }
        const auto& c = row.cells;
        out << " -> channel " << row.channel << (row.replaces ? ", replacing it" : "") << ": ";
        if (c[1].empty())
            out << "(empty)";
        else
            out << c[1] << " / " << (c[2].empty() ? "(no TX)" : c[2]) << ", " << c[3] << " / " << c[4] << ", "
                << c[5] << ", " << c[6] << ", scan " << c[7];
        for (const std::string& warning : row.warnings) out << "; " << PrintableMessage(warning);
        out << "\n";
    }
};

}  // namespace

std::unique_ptr<Command> MakeImportCommand() { return std::make_unique<ImportCommand>(); }

}  // namespace lm::cli
