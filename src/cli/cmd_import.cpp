// lm418t-cli import: channels from a CSV file into a data file.
#include <ostream>
#include <string>

#include "args.h"
#include "command.h"
#include "core/channel_csv.h"
#include "core/channel_csv_row.h"
#include "core/edit_lock.h"
#include "core/file_io.h"
#include "core/printable.h"
#include "globals/globals.h"
#include "session.h"

namespace lm::cli {
namespace {

class ImportCommand : public Command {
public:
    std::string_view Name() const override { return "import"; }
    std::string_view Synopsis() const override {
        return "[--first-channel N] [--rows A-B[,C...]] [--dry-run] FILE.dat IN.csv";
    }
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
               "frequency beyond its limits, a mode other than FM or NFM ...) are skipped.\n"
               "\n"
               "The common layout is told by its column names, in any order: Location and Frequency are\n"
               "needed, every other column may be missing (no Power: a new channel's power; no RxDtcsCode:\n"
               "the receive code is DtcsCode; no CrossMode: Tone->Tone; no Mode: FM), and a column this\n"
               "program does not know is ignored and named in the report. Rows go to the channel of their\n"
               "Location; a list whose smallest Location is 0 is taken as numbered from 0 (row 0 goes to\n"
               "channel 1).\n"
               "\n"
               "Options:\n"
               "  --first-channel N  place the rows in the file's order from channel N on (a blank Location\n"
               "                     is allowed); rows past the last channel are skipped and reported\n"
               "  --rows A-B[,C...]  take only these rows, counted from 1 after the header row\n"
               "  --dry-run          print what would land where, row by row (the rows taken), and save\n"
               "                     nothing\n";
    }

    int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) override {
        const ParsedArgs parsed =
            ParseArgs(args, {{"--first-channel", true}, {"--rows", true}, {"--dry-run", false}});
        ExpectOperands(parsed, 2, "FILE.dat IN.csv");
        const std::string& dataPath = parsed.Operands[0];
        const std::string& csvPath = parsed.Operands[1];
        const EditLock lock = LockOrFail(dataPath);
        LoadOrFail(gAll, dataPath);
        const ImportOptions options = Options(parsed);
        std::string text;
        const FileOutcome read = ReadInputFile(csvPath, InputKind::ChannelList, text);
        if (!read.ok) throw Failure(csvPath + ": " + read.reason);
        if (parsed.Has("--dry-run")) {
            const ImportPreview preview = PreviewChannelsCsv(gAll, text, options);
            if (preview.refusal) throw Failure(csvPath + ": " + preview.refusal->Text());
            for (const ImportRow& row : preview.rows)
                if (row.chosen) PrintRow(row, out);
        }
        const ImageBytes before = gAll.Image;
        TALL trial = gAll;
        const ImportReport report = ImportChannelsCsv(trial, text, options);
        if (report.Refused()) throw Failure(csvPath + ": " + report.refusal->Text());
        // The ignored columns' names come from the file.
        err << PrintableMessage(report.Text()) << "\n";
        if (parsed.Has("--dry-run")) err << "Dry run: " << dataPath << " was not changed.\n";
        if (!parsed.Has("--dry-run") && trial.Image != before) {
            gAll = trial;
            SaveOrFail(gAll, dataPath);
        }
        return kExitOk;
    }

private:
    static ImportOptions Options(const ParsedArgs& parsed) {
        ImportOptions options;
        if (const auto first = parsed.Value("--first-channel")) {
            const int n = csv::IsDigits(*first) ? csv::ChannelNumberOf(*first) : 0;
            if (n < 1 || n > gAll.ChannelCount)
                throw UsageError("--first-channel takes a channel from 1 to " +
                                 std::to_string(gAll.ChannelCount));
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
