// lm418t-cli channels: the channel table of a data file with the columns and texts of the channel grid.
#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "args.h"
#include "command.h"
#include "core/channel_table.h"
#include "core/state.h"
#include "session.h"
#include "globals/globals.h"

namespace lm::cli {
namespace {

constexpr const char* kEmptyMark = "(empty)";

std::string Padded(const std::string& text, std::size_t width, ColumnAlign align) {
    const std::size_t gap = width > text.size() ? width - text.size() : 0;
    switch (align) {
        case ColumnAlign::Right: return std::string(gap, ' ') + text;
        case ColumnAlign::Centre: return std::string(gap / 2, ' ') + text + std::string(gap - gap / 2, ' ');
        case ColumnAlign::Left: break;
    }
    return text + std::string(gap, ' ');
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

void PrintCsv(const std::vector<std::vector<std::string>>& rows, std::ostream& out) {
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) out << (i ? "," : "") << CsvField(row[i]);
        out << "\r\n";
    }
}

void PrintAligned(const std::vector<std::vector<std::string>>& rows, std::ostream& out) {
    const std::vector<ChannelColumn>& columns = ChannelColumns();
    std::vector<std::size_t> widths(columns.size(), 0);
    for (const auto& row : rows)
        for (std::size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], row[i].size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        std::string line;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            // Titles are centred; an empty channel's mark stands left in the receive column.
            const bool mark = i == 1 && rows[r][i] == kEmptyMark;
            const ColumnAlign align = r == 0 ? ColumnAlign::Centre : mark ? ColumnAlign::Left : columns[i].alignment;
            line += (i ? "  " : "") + Padded(rows[r][i], widths[i], align);
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out << line << '\n';
    }
}

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
               "empty TX Frequency means none), tones as \"67.0\", \"D023N\", \"D754I\" or \"None\", TX Power\n"
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
        const bool csv = parsed.Has("--csv");

        std::vector<std::vector<std::string>> rows;
        rows.emplace_back();
        // One line per title: the two lines of "Channel|No." side by side.
        for (const ChannelColumn& column : ChannelColumns()) {
            std::string title = column.title;
            for (char& c : title) c = c == '|' ? ' ' : c;
            rows.back().push_back(title);
        }
        for (int n = 1; n <= gAll.ChannelCount; ++n) {
            ChannelRow row = ChannelTableRow(gAll, n);
            if (!row.present && !csv) row.cells[1] = kEmptyMark;
            rows.push_back(std::move(row.cells));
        }
        if (csv)
            PrintCsv(rows, out);
        else
            PrintAligned(rows, out);
        return kExitOk;
    }
};

}  // namespace

std::unique_ptr<Command> MakeChannelsCommand() { return std::make_unique<ChannelsCommand>(); }

}  // namespace lm::cli
