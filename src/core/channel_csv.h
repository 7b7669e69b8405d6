#pragma once
// The channels as CSV files, in two layouts: the grid's (the columns and texts of the channel grid, as
// lm418t-cli channels --csv prints them) and the common CSV layout of other programming tools. An import goes
// through the rules of typing into the grid (channel_edit.h) and replaces the channels its rows name.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/channel_edit.h"
#include "core/csv_text.h"
#include "core/state.h"

namespace lm {

enum class CsvFormat { Grid, Common };

// The largest channel file read at all: 16 channels take a few kilobytes.
constexpr std::size_t kChannelCsvLimit = 1024 * 1024;

// The header row of each format, without the line break.
std::vector<std::string> CsvHeader(CsvFormat format);

// The grid's CSV of the channels listed: the column titles on one line, then a row per channel (an empty
// channel has its number and empty fields), each record ending in CRLF.
std::string ChannelsCsv(const TALL& state, const std::vector<int>& channels);

// A header row, then one row per channel that is present.
std::string ExportChannelsCsv(const TALL& state, CsvFormat format);

// Something the user is told about one row of an imported file.
struct ImportNote {
    int line = 0;
    int channel = 0;  // 0 when the row names no channel the model has
    std::string text;
    std::string Text() const;  // "line 4, channel 3: ..."
};

struct ImportReport {
    std::optional<CsvError> refusal;  // set: the file was refused and nothing changed
    CsvFormat format = CsvFormat::Grid;
    std::vector<int> channels;  // the channels imported, in the file's order
    std::vector<ImportNote>
        warnings;  // a frequency out of the band, a repaired tone, a power given in watts ...
    std::vector<ImportNote> skipped;  // rows left out, with the reason

    bool Refused() const { return refusal.has_value(); }
    // The whole report as lines: the count, then each warning and each skipped row.
    std::string Text() const;
};

// Imports text into the state. The format is told by the header row. The whole file is read and checked
// before the state is touched: an empty file, an unknown header, bad CSV, a non-number in a number column or
// a file that is not text refuses it (report.refusal names the line) and nothing changes. Otherwise each row
// replaces its channel through the grid's rules; a row that cannot be taken (a channel the model lacks, a
// frequency the model cannot use, a mode the radio does not have ...) is skipped with its reason and leaves
// its channel as it was. Channels the file does not name are left as they are. messageText gives the text of
// the frequency messages in the report (the windows' language); by default their English text.
using MessageTextOf = std::function<std::string(const MessageRef&)>;
ImportReport ImportChannelsCsv(TALL& state, std::string_view text, const MessageTextOf& messageText = {});

}  // namespace lm
