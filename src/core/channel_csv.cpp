#include "core/channel_csv.h"

#include <algorithm>
#include <map>

#include "core/channel.h"
#include "core/channel_csv_row.h"
#include "core/channel_edit.h"
#include "core/channel_table.h"
#include "core/item_text.h"

namespace lm {

namespace {

using csv::ChannelPlan;
using csv::RowReading;

std::vector<std::string> GridHeader() {
    std::vector<std::string> titles;
    for (const ChannelColumn& column : ChannelColumns()) titles.push_back(TitleLine(column.title));
    return titles;
}

bool IsBlank(const CsvRecord& record) {
    for (const std::string& field : record.fields)
        if (!csv::Trimmed(field).empty()) return false;
    return true;
}

bool IsHeader(const CsvRecord& record, const std::vector<std::string>& header) {
    if (record.fields.size() != header.size()) return false;
    for (std::size_t i = 0; i < header.size(); ++i)
        if (!SameLetters(csv::Trimmed(record.fields[i]), header[i])) return false;
    return true;
}

// A row of the grid's layout: the cells as they are typed into the grid.
RowReading ReadGridRow(const CsvRecord& record) {
    const std::vector<std::string> titles = GridHeader();
    std::vector<std::string> cells;
    for (const std::string& field : record.fields) cells.emplace_back(csv::Trimmed(field));
    for (const int column : {0, ColumnOfField(cfRxFreq), ColumnOfField(cfTxFreq)}) {
        const auto c = static_cast<std::size_t>(column);
        const std::string problem = csv::NumberProblem(titles[c], cells[c]);
        if (!problem.empty()) return csv::Refuse(problem);
    }
    if (!cells[0].empty() && !csv::IsDigits(cells[0]))
        return csv::Refuse(titles[0] + " \"" + cells[0] + "\" is not a channel number");
    if (cells[0].empty()) return csv::Skip("no " + titles[0]);
    RowReading reading;
    reading.plan.line = record.line;
    reading.plan.channel = csv::ChannelNumberOf(cells[0]);
    // A row without a receive frequency empties its channel.
    if (cells[static_cast<std::size_t>(ColumnOfField(cfRxFreq))].empty()) return reading;
    for (int field = cfRxFreq; field < kChannelFields; ++field)
        reading.plan.texts[static_cast<std::size_t>(field)] =
            cells[static_cast<std::size_t>(ColumnOfField(field))];
    return reading;
}

// Types the plan's texts into its channel, column by column as the grid does. A refused cell, or a frequency
// the model cannot use (ErrRange), puts the slot back as it was and skips the row; what the rules repaired
// becomes a warning.
void ApplyPlan(TALL& state, const ChannelPlan& plan, ImportReport& report, const MessageTextOf& messageText) {
    const int n = plan.channel;
    const int first = ChannelSlotFirst(state, n);
    if (first < 0) {
        report.skipped.push_back({plan.line, 0,
                                  "no channel " + std::to_string(n) + " on this model (channels 1 to " +
                                      std::to_string(state.ChannelCount) + ")"});
        return;
    }
    const auto slot = state.Image.begin() + first;
    std::array<std::uint8_t, kSlotBytes> before{};
    std::copy(slot, slot + kSlotBytes, before.begin());
    std::vector<ImportNote> warnings;
    for (const std::string& note : plan.notes) warnings.push_back({plan.line, n, note});
    if (plan.texts[cfRxFreq].empty()) {
        DeleteChannel(state, n);
    } else {
        for (int column = 1; column < kChannelColumns; ++column) {
            const ChannelColumn& info = ChannelColumns()[static_cast<std::size_t>(column)];
            const std::string title = TitleLine(info.title);
            const std::string& given = plan.texts[static_cast<std::size_t>(info.field)];
            const ChannelEdit edit = SetFieldText(state, n, info.field, given, UnreadableFrequency::Refuse);
            if (!edit.Ok() || edit.warning == TFreqWarning::ErrRange) {
                std::copy(before.begin(), before.end(), slot);
                const std::string why =
                    edit.Ok() ? messageText(kErrRangeMessage) : std::string(RefusalText(edit.refusal));
                report.skipped.push_back({plan.line, n, title + " \"" + given + "\": " + why});
                return;
            }
            const std::string stored =
                ". Stored: " + (edit.stored.empty() ? std::string("(none)") : edit.stored);
            if (edit.warning == TFreqWarning::OutRange)
                warnings.push_back(
                    {plan.line, n, title + ": " + messageText(kOutRangeMessage) + stored.substr(1)});
            if (edit.toneRepaired)
                warnings.push_back({plan.line, n, title + " " + given + ": tone repaired" + stored});
            const bool frequency = info.field == cfRxFreq || info.field == cfTxFreq;
            if (frequency && !given.empty() && csv::ScaledOf(given, 5) != csv::ScaledOf(edit.stored, 5))
                warnings.push_back(
                    {plan.line, n, title + " " + given + ": moved onto the channel raster" + stored});
        }
    }
    report.channels.push_back(n);
    report.warnings.insert(report.warnings.end(), warnings.begin(), warnings.end());
}

}  // namespace

std::vector<std::string> CsvHeader(CsvFormat format) {
    return format == CsvFormat::Grid ? GridHeader() : csv::CommonHeader();
}

std::string ChannelsCsv(const TALL& state, const std::vector<int>& channels) {
    std::string text = CsvLine(GridHeader());
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

std::string ImportNote::Text() const {
    return "line " + std::to_string(line) + (channel > 0 ? ", channel " + std::to_string(channel) : "") +
           ": " + text;
}

std::string ImportReport::Text() const {
    if (refusal) return refusal->Text();
    const std::size_t count = channels.size();
    std::string text = "Imported " + std::to_string(count) + (count == 1 ? " channel." : " channels.");
    if (!warnings.empty()) text += "\nWarnings:";
    for (const ImportNote& note : warnings) text += "\n  " + note.Text();
    if (!skipped.empty()) text += "\nSkipped rows:";
    for (const ImportNote& note : skipped) text += "\n  " + note.Text();
    return text;
}

ImportReport ImportChannelsCsv(TALL& state, std::string_view text, const MessageTextOf& messageText) {
    ImportReport report;
    CsvTable table = ReadCsv(text);
    if (table.error) {
        report.refusal = table.error;
        return report;
    }
    std::size_t at = 0;
    while (at < table.records.size() && IsBlank(table.records[at])) ++at;
    if (at == table.records.size()) {
        report.refusal = CsvError{table.records.empty() ? 1 : table.records.back().line, "no header row"};
        return report;
    }
    const CsvRecord& header = table.records[at];
    if (IsHeader(header, csv::CommonHeader())) {
        report.format = CsvFormat::Common;
    } else if (!IsHeader(header, GridHeader())) {
        report.refusal =
            CsvError{header.line, "unknown header row (neither the grid's columns nor the common format)"};
        return report;
    }
    const std::size_t width = header.fields.size();

    // Every row is read and checked before the state is touched.
    std::vector<ChannelPlan> plans;
    std::map<int, int> lineOf;  // channel -> the line that names it
    for (++at; at < table.records.size(); ++at) {
        const CsvRecord& record = table.records[at];
        if (IsBlank(record)) continue;
        if (record.fields.size() != width) {
            report.refusal =
                CsvError{record.line, std::to_string(record.fields.size()) + " fields where the header has " +
                                          std::to_string(width)};
            return report;
        }
        RowReading reading =
            report.format == CsvFormat::Grid ? ReadGridRow(record) : csv::ReadCommonRow(record);
        switch (reading.kind) {
            case RowReading::Kind::Refuse:
                report.refusal = CsvError{record.line, reading.reason};
                report.skipped.clear();
                return report;
            case RowReading::Kind::Skip:
                report.skipped.push_back({record.line, 0, reading.reason});
                continue;
            case RowReading::Kind::Plan:
                break;
        }
        reading.plan.line = record.line;
        const auto [seen, first] = lineOf.emplace(reading.plan.channel, record.line);
        if (!first) {
            report.skipped.push_back(
                {record.line, reading.plan.channel,
                 "the channel is given on line " + std::to_string(seen->second) + " already"});
            continue;
        }
        plans.push_back(std::move(reading.plan));
    }
    const MessageTextOf textOf =
        messageText ? messageText : [](const MessageRef& message) { return std::string(message.text); };
    for (const ChannelPlan& plan : plans) ApplyPlan(state, plan, report, textOf);
    const auto byLine = [](const ImportNote& a, const ImportNote& b) { return a.line < b.line; };
    std::stable_sort(report.warnings.begin(), report.warnings.end(), byLine);
    std::stable_sort(report.skipped.begin(), report.skipped.end(), byLine);
    return report;
}

}  // namespace lm
