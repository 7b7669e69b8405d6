// Channels printed with the columns and texts of the channel grid.
#include "channel_listing.h"

#include <algorithm>
#include <ostream>
#include <string>

#include "core/channel_csv.h"
#include "core/channel_table.h"

namespace lm::cli {
namespace {

constexpr const char* kEmptyMark = "(empty)";

std::string Padded(const std::string& text, std::size_t width, ColumnAlign align) {
    const std::size_t gap = width > text.size() ? width - text.size() : 0;
    switch (align) {
        case ColumnAlign::Right:
            return std::string(gap, ' ') + text;
        case ColumnAlign::Centre:
            return std::string(gap / 2, ' ') + text + std::string(gap - gap / 2, ' ');
        case ColumnAlign::Left:
            break;
    }
    return text + std::string(gap, ' ');
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
            const ColumnAlign align = r == 0 ? ColumnAlign::Centre
                                      : mark ? ColumnAlign::Left
                                             : columns[i].alignment;
            line += (i ? "  " : "") + Padded(rows[r][i], widths[i], align);
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out << line << '\n';
    }
}

}  // namespace

void PrintChannels(const TALL& state, const std::vector<int>& channels, bool csv, std::ostream& out) {
    if (csv) {
        out << ChannelsCsv(state, channels);
        return;
    }
    std::vector<std::vector<std::string>> rows;
    rows.emplace_back();
    // One line per title: the two lines of "Channel|No." side by side.
    for (const ChannelColumn& column : ChannelColumns()) rows.back().push_back(TitleLine(column.title));
    for (const int n : channels) {
        ChannelRow row = ChannelTableRow(state, n);
        if (!row.present) row.cells[1] = kEmptyMark;
        rows.push_back(std::move(row.cells));
    }
    PrintAligned(rows, out);
}

}  // namespace lm::cli
