// Importing channels from CSV files: the header told, every row read and checked before anything changes,
// the rows placed on channels (by Location, numbered from 0 or 1, or in order from a channel), and each row
// typed into its channel through the grid's rules.
#include <algorithm>
#include <map>

#include "core/channel.h"
#include "core/channel_csv.h"
#include "core/channel_csv_row.h"
#include "core/channel_edit.h"
#include "core/channel_table.h"
#include "core/item_text.h"
#include "core/printable.h"

namespace lm {

namespace {

using csv::ChannelPlan;
using csv::RowReading;
using Placement = ImportOptions::Placement;

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

struct ParsedRow {
    int row = 0;
    RowReading reading;
};

// A file read and checked: its layout, the columns it lacks or adds, and every row that is not blank.
struct ParsedFile {
    std::optional<CsvError> refusal;
    CsvFormat format = CsvFormat::Grid;
    std::vector<std::string> ignored;
    std::vector<ParsedRow> rows;
};

ParsedFile Parse(std::string_view text, Placement placement) {
    ParsedFile file;
    CsvTable table = ReadCsv(text);
    if (table.error) {
        file.refusal = table.error;
        return file;
    }
    std::size_t at = 0;
    while (at < table.records.size() && IsBlank(table.records[at])) ++at;
    if (at == table.records.size()) {
        file.refusal = CsvError{table.records.empty() ? 1 : table.records.back().line, "no header row"};
        return file;
    }
    const CsvRecord& header = table.records[at];
    std::optional<csv::CommonColumns> columns;
    std::size_t needed = header.fields.size(), width = header.fields.size();
    if (!IsHeader(header, csv::GridHeader())) {
        file.format = CsvFormat::Common;
        columns = csv::MapCommonHeader(header);
        std::string missing;
        if (!columns)
            missing = "neither the grid's columns nor the common format";
        else if (!columns->Has("Frequency"))
            missing = "no Frequency column";
        else if (!columns->Has("Location") && placement == Placement::ByLocation)
            missing = "no Location column: place the rows in order from a channel";
        if (!missing.empty()) {
            file.refusal = CsvError{header.line, "unknown header row (" + missing + ")"};
            return file;
        }
        file.ignored = columns->ignored;
        needed = columns->needed;
    }
    int row = 0;
    for (++at; at < table.records.size(); ++at) {
        const CsvRecord& record = table.records[at];
        ++row;
        if (IsBlank(record)) continue;
        const std::size_t size = record.fields.size();
        if (size < needed || size > width) {
            file.refusal = CsvError{
                record.line, std::to_string(size) + " fields where the header has " + std::to_string(width)};
            return file;
        }
        RowReading reading = columns ? csv::ReadCommonRow(record, *columns) : csv::ReadGridRow(record);
        if (reading.kind == RowReading::Kind::Refuse) {
            file.refusal = CsvError{record.line, reading.reason};
            return file;
        }
        reading.plan.line = record.line;
        file.rows.push_back({row, std::move(reading)});
    }
    return file;
}

bool Chosen(const ImportOptions& options, int row) {
    if (std::find(options.leftOut.begin(), options.leftOut.end(), row) != options.leftOut.end()) return false;
    if (options.rows.empty()) return true;
    return std::any_of(options.rows.begin(), options.rows.end(),
                       [row](const auto& range) { return range.first <= row && row <= range.second; });
}

// Types the plan's texts into its channel, column by column as the grid does. A refused cell, or a frequency
// the model cannot use (ErrRange), puts the slot back as it was and skips the row; what the rules repaired
// becomes a warning. False when the row was skipped.
bool ApplyPlan(TALL& state, const ChannelPlan& plan, ImportReport& report, const MessageTextOf& messageText) {
    const int n = plan.channel;
    const int first = ChannelSlotFirst(state, n);
    if (first < 0) {
        report.skipped.push_back({plan.line, 0,
                                  "no channel " + std::to_string(n) + " on this model (channels 1 to " +
                                      std::to_string(state.ChannelCount) + ")"});
        return false;
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
                report.skipped.push_back({plan.line, n, title + " \"" + ShownValue(given) + "\": " + why});
                return false;
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
    return true;
}

// Places and applies the chosen rows. With preview, each row's outcome is recorded there too; original is the
// state before the import, for telling which channels are replaced.
void Apply(TALL& state, const ParsedFile& file, const ImportOptions& options,
           const MessageTextOf& messageText, ImportReport& report, std::vector<ImportRow>* preview) {
    const TALL original = preview ? state : TALL{};
    const bool inOrder = options.placement == Placement::InOrder;
    // A list whose smallest Location is 0 counts from 0.
    int lowest = -1, highest = -1;
    for (const ParsedRow& row : file.rows) {
        const int n = row.reading.plan.channel;
        if (row.reading.kind != RowReading::Kind::Plan || n < 0 || !Chosen(options, row.row)) continue;
        lowest = lowest < 0 ? n : std::min(lowest, n);
        highest = std::max(highest, n);
    }
    const bool fromZero = !inOrder && lowest == 0;
    if (fromZero)
        report.numbering = "Locations 0\u2013" + std::to_string(highest) + " taken as channels 1\u2013" +
                           std::to_string(highest + 1);
    if (inOrder)
        report.numbering = "Rows taken in order from channel " + std::to_string(options.firstChannel);
    const std::string noLocation =
        file.format == CsvFormat::Common ? "no Location" : "no " + csv::GridHeader()[0];

    int next = options.firstChannel;
    std::map<int, int> lineOf;  // channel -> the line that names it
    for (const ParsedRow& parsed : file.rows) {
        ImportRow outcome;
        outcome.row = parsed.row;
        outcome.line = parsed.reading.plan.line;
        outcome.chosen = Chosen(options, parsed.row);
        const std::size_t skippedBefore = report.skipped.size(), warningsBefore = report.warnings.size();
        ChannelPlan plan = parsed.reading.plan;
        auto skip = [&](std::string reason, int channel, int row) {
            report.skipped.push_back({outcome.line, channel, std::move(reason), row});
        };
        if (!outcome.chosen) {
            // left out by the user: neither imported nor reported
        } else if (parsed.reading.kind == RowReading::Kind::Skip) {
            skip(parsed.reading.reason, 0, 0);
        } else if (inOrder && next > state.ChannelCount) {
            skip("no channel left (the radio has " + std::to_string(state.ChannelCount) + ")", 0, parsed.row);
        } else if (!inOrder && plan.channel < 0) {
            skip(noLocation, 0, 0);
        } else {
            plan.channel = inOrder ? next : plan.channel + (fromZero ? 1 : 0);
            const auto [seen, first] =
                inOrder ? std::pair{lineOf.end(), true} : lineOf.emplace(plan.channel, outcome.line);
            if (!first) {
                skip("the channel is given on line " + std::to_string(seen->second) + " already",
                     plan.channel, 0);
            } else if (ApplyPlan(state, plan, report, messageText)) {
                outcome.channel = plan.channel;
                if (inOrder) ++next;
            }
        }
        if (!preview) continue;
        if (outcome.channel > 0) {
            outcome.cells = ChannelTableRow(state, outcome.channel).cells;
            outcome.replaces = ChannelTableRow(original, outcome.channel).present;
        }
        for (std::size_t i = skippedBefore; i < report.skipped.size(); ++i)
            outcome.skipped = report.skipped[i].text;
        for (std::size_t i = warningsBefore; i < report.warnings.size(); ++i)
            outcome.warnings.push_back(report.warnings[i].text);
        preview->push_back(std::move(outcome));
    }
    const auto byLine = [](const ImportNote& a, const ImportNote& b) { return a.line < b.line; };
    std::stable_sort(report.warnings.begin(), report.warnings.end(), byLine);
    std::stable_sort(report.skipped.begin(), report.skipped.end(), byLine);
}

MessageTextOf EnglishUnless(const MessageTextOf& messageText) {
    return messageText ? messageText : [](const MessageRef& message) { return std::string(message.text); };
}

}  // namespace

std::optional<std::vector<std::pair<int, int>>> ParseRowRanges(std::string_view text, std::string& reason) {
    std::vector<std::pair<int, int>> ranges;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string_view part = csv::Trimmed(text.substr(start, comma - start));
        const std::size_t dash = part.find('-');
        const std::string_view a = csv::Trimmed(part.substr(0, dash));
        const std::string_view b = dash == std::string_view::npos ? a : csv::Trimmed(part.substr(dash + 1));
        const int first = csv::IsDigits(a) ? csv::ChannelNumberOf(a) : 0;
        const int last = csv::IsDigits(b) ? csv::ChannelNumberOf(b) : 0;
        if (first < 1 || last < first) {
            reason = "\"" + ShownValue(part) + "\" is not a row or a range of rows (such as 1-16)";
            return std::nullopt;
        }
        ranges.emplace_back(first, last);
        start = comma + 1;
    }
    return ranges;
}

std::string ImportNote::Text() const {
    return "line " + std::to_string(line) + (row > 0 ? ", row " + std::to_string(row) : "") +
           (channel > 0 ? ", channel " + std::to_string(channel) : "") + ": " + text;
}

std::string ImportReport::Text() const {
    if (refusal) return refusal->Text();
    const std::size_t count = channels.size();
    std::string text = "Imported " + std::to_string(count) + (count == 1 ? " channel." : " channels.");
    if (!numbering.empty()) text += "\n" + numbering + ".";
    if (!ignoredColumns.empty()) {
        text += "\nIgnored columns:";
        for (std::size_t i = 0; i < ignoredColumns.size(); ++i) text += (i ? ", " : " ") + ignoredColumns[i];
    }
    if (!warnings.empty()) text += "\nWarnings:";
    for (const ImportNote& note : warnings) text += "\n  " + note.Text();
    if (!skipped.empty()) text += "\nSkipped rows:";
    for (const ImportNote& note : skipped) text += "\n  " + note.Text();
    return text;
}

ImportReport ImportChannelsCsv(TALL& state, std::string_view text, const ImportOptions& options,
                               const MessageTextOf& messageText) {
    ImportReport report;
    const ParsedFile file = Parse(text, options.placement);
    report.format = file.format;
    if (file.refusal) {
        report.refusal = file.refusal;
        return report;
    }
    report.ignoredColumns = file.ignored;
    Apply(state, file, options, EnglishUnless(messageText), report, nullptr);
    return report;
}

ImportPreview PreviewChannelsCsv(const TALL& state, std::string_view text, const ImportOptions& options,
                                 const MessageTextOf& messageText) {
    ImportPreview preview;
    const ParsedFile file = Parse(text, options.placement);
    preview.format = file.format;
    preview.refusal = file.refusal;
    preview.ignoredColumns = file.ignored;
    if (file.refusal) return preview;
    TALL trial = state;
    ImportReport report;
    Apply(trial, file, options, EnglishUnless(messageText), report, &preview.rows);
    preview.numbering = report.numbering;
    return preview;
}

}  // namespace lm
