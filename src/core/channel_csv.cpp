#include "core/channel_csv.h"

#include "core/channel_csv_row.h"
#include "core/channel_edit.h"
#include "core/channel_table.h"
#include "core/item_text.h"
#include "core/printable.h"

namespace lm {

namespace csv {

std::vector<std::string> GridHeader() {
    std::vector<std::string> titles;
    for (const ChannelColumn& column : ChannelColumns()) titles.push_back(TitleLine(column.title));
    return titles;
}

// A row of the grid's layout: the cells as they are typed into the grid.
RowReading ReadGridRow(const CsvRecord& record) {
    const std::vector<std::string> titles = GridHeader();
    std::vector<std::string> cells;
    for (const std::string& field : record.fields) cells.emplace_back(Trimmed(field));
    for (const int column : {0, ColumnOfField(cfRxFreq), ColumnOfField(cfTxFreq)}) {
        const auto c = static_cast<std::size_t>(column);
        const std::string problem = NumberProblem(titles[c], cells[c]);
        if (!problem.empty()) return Refuse(problem);
    }
    if (!cells[0].empty() && !IsDigits(cells[0]))
        return Refuse(titles[0] + " \"" + ShownValue(cells[0]) + "\" is not a channel number");
    RowReading reading;
    reading.plan.line = record.line;
    reading.plan.channel = cells[0].empty() ? -1 : ChannelNumberOf(cells[0]);
    // A row without a receive frequency empties its channel.
    if (cells[static_cast<std::size_t>(ColumnOfField(cfRxFreq))].empty()) return reading;
    for (int field = cfRxFreq; field < kChannelFields; ++field)
        reading.plan.texts[static_cast<std::size_t>(field)] =
            cells[static_cast<std::size_t>(ColumnOfField(field))];
    return reading;
}

}  // namespace csv

std::vector<std::string> CsvHeader(CsvFormat format) {
    return format == CsvFormat::Grid ? csv::GridHeader() : csv::CommonHeader();
}

std::string ChannelsCsv(const TALL& state, const std::vector<int>& channels) {
    std::string text = CsvLine(csv::GridHeader());
    for (const int n : channels) text += CsvLine(ChannelTableRow(state, n).cells);
    return text;
}

std::string ExportChannelsCsv(const TALL& state, CsvFormat format) {
    std::vector<int> present;
    for (int n = 1; n <= state.ChannelCount && n <= kMaxSlots; ++n)
        if (ChannelTableRow(state, n).present) present.push_back(n);
    if (format == CsvFormat::Grid) return ChannelsCsv(state, present);
    std::string text = CsvLine(csv::CommonHeader());
    for (const int n : present) text += CsvLine(csv::CommonRow(state, n));
    return text;
}

}  // namespace lm
