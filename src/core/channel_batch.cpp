#include "core/channel_batch.h"

#include "core/channel_table.h"

namespace lm {

namespace {

std::vector<std::string> Split(std::string_view text, char separator) {
    std::vector<std::string> parts;
    for (std::size_t at = 0;;) {
        const std::size_t end = text.find(separator, at);
        parts.emplace_back(
            text.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at));
        if (end == std::string_view::npos) return parts;
        at = end + 1;
    }
}

std::vector<std::string> Lines(std::string_view text) {
    if (!text.empty() && text.back() == '\n') text.remove_suffix(1);
    if (text.empty()) return {};
    std::vector<std::string> lines = Split(text, '\n');
    for (std::string& line : lines)
        if (!line.empty() && line.back() == '\r') line.pop_back();
    return lines;
}

std::string Joined(const std::vector<std::string>& cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) line += (i ? "\t" : "") + cells[i];
    return line + "\n";
}

bool IsTitleRow(const std::vector<std::string>& cells) {
    return !cells[0].empty() && !(cells[0][0] >= '0' && cells[0][0] <= '9');
}

}  // namespace

std::string StepName(std::string_view what, const std::vector<int>& channels) {
    const std::string of = channels.size() == 1 ? " of channel " + std::to_string(channels.front())
                                                : " of " + std::to_string(channels.size()) + " channels";
    return std::string(what) + of;
}

std::string FieldStepName(int field, const std::vector<int>& channels) {
    const int column = ColumnOfField(field);
    return StepName(column < 0 ? "" : TitleLine(ChannelColumns()[static_cast<std::size_t>(column)].title),
                    channels);
}

std::vector<ChannelEdit> EditExistingChannels(TALL& state, const std::vector<int>& channels,
                                              const std::function<ChannelEdit(TALL&, int)>& edit) {
    std::vector<ChannelEdit> edits;
    for (const int n : channels)
        if (ChannelTableRow(state, n).present) edits.push_back(edit(state, n));
    return edits;
}

std::string ChannelsText(const TALL& state, const std::vector<int>& channels, bool withTitles) {
    std::string text;
    if (withTitles) {
        std::vector<std::string> titles;
        for (const ChannelColumn& column : ChannelColumns()) titles.push_back(TitleLine(column.title));
        text += Joined(titles);
    }
    for (const int n : channels) text += Joined(ChannelTableRow(state, n).cells);
    return text;
}

PasteOutcome PasteChannels(TALL& state, int first, std::string_view text) {
    PasteOutcome outcome;
    std::vector<std::string> lines = Lines(text);
    if (!lines.empty() && IsTitleRow(Split(lines.front(), '\t'))) lines.erase(lines.begin());
    int n = first;
    for (const std::string& line : lines) {
        if (ChannelSlotFirst(state, n) < 0) {
            ++outcome.rowsLeftOver;
            continue;
        }
        const std::vector<std::string> cells = Split(line, '\t');
        for (int field = cfRxFreq; field < kChannelFields; ++field) {
            const auto column = static_cast<std::size_t>(ColumnOfField(field));
            if (column >= cells.size() && field != cfRxFreq) continue;
            const ChannelEdit edit =
                SetFieldText(state, n, field, column < cells.size() ? cells[column] : "");
            if (edit.Notable()) outcome.notes.push_back(edit);
            if (edit.deleted || !ChannelTableRow(state, n).present) break;
        }
        outcome.channels.push_back(n++);
    }
    return outcome;
}

}  // namespace lm
