#pragma once
// The channels as CSV files, in two layouts: the grid's (the columns and texts of the channel grid, as
// lm418t-cli channels --csv prints them) and the common CSV layout of other programming tools. An import goes
// through the rules of typing into the grid (channel_edit.h) and replaces the channels its rows name.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/channel_edit.h"
#include "core/csv_text.h"
#include "core/state.h"

namespace lm {

enum class CsvFormat { Grid, Common };

// The header row of each format, without the line break.
std::vector<std::string> CsvHeader(CsvFormat format);

// The grid's CSV of the channels listed: the column titles on one line, then a row per channel (an empty
// channel has its number and empty fields), each record ending in CRLF.
std::string ChannelsCsv(const TALL& state, const std::vector<int>& channels);

// A header row, then one row per channel that is present.
std::string ExportChannelsCsv(const TALL& state, CsvFormat format);

// Which rows of a file become which channels. By Location, each row goes to the channel its Location (or
// Channel No.) names; a list whose smallest Location is 0 is taken as numbered from 0, so that row 0 goes to
// channel 1. In order, the rows go to the channels from firstChannel on, in the file's order, and a blank
// Location is allowed. Rows are counted from 1 after the header row.
struct ImportOptions {
    enum class Placement { ByLocation, InOrder };
    Placement placement = Placement::ByLocation;
    int firstChannel = 1;
    std::vector<std::pair<int, int>> rows;  // only these rows (first and last, both taken); empty: every row
    std::vector<int> leftOut;               // rows not to take (unchecked in the import window)
};

// "1-16", "3,5,9-12": the --rows ranges. nullopt, with the reason, for anything else.
std::optional<std::vector<std::pair<int, int>>> ParseRowRanges(std::string_view text, std::string& reason);

// Something the user is told about one row of an imported file.
struct ImportNote {
    int line = 0;
    int channel = 0;  // 0 when the row names no channel the model has
    std::string text;
    int row = 0;               // the row, counted from 1 after the header; 0 when the text does not need it
    std::string Text() const;  // "line 4, channel 3: ...", "line 20, row 19: ..."
};

struct ImportReport {
    std::optional<CsvError> refusal;  // set: the file was refused and nothing changed
    CsvFormat format = CsvFormat::Grid;
    std::string numbering;  // how rows became channels, when it is not by Location as written
    std::vector<std::string> ignoredColumns;  // header names this program does not know
    std::vector<int> channels;                // the channels imported, in the file's order
    std::vector<ImportNote>
        warnings;  // a frequency out of the band, a repaired tone, a power given in watts ...
    std::vector<ImportNote> skipped;  // rows left out, with the reason

    bool Refused() const { return refusal.has_value(); }
    // The whole report as lines: the count, the numbering, the ignored columns, then each warning and each
    // skipped row.
    std::string Text() const;
};

// Imports text into the state. The format is told by the header row: the grid's columns, or the common layout
// by its column names in any order (Location and Frequency needed, Location not when the rows go in order;
// unknown columns are ignored and named in the report). The whole file is read and checked before the state
// is touched: an empty file, an unknown header, bad CSV, a non-number in a number column or a file that is
// not text refuses it (report.refusal names the line) and nothing changes. Otherwise each row taken replaces
// its channel through the grid's rules; a row that cannot be taken (a channel the model lacks, a frequency
// the model cannot use, a mode the radio does not have, no channel left ...) is skipped with its reason and
// leaves its channel as it was. Channels no row reaches are left as they are. messageText gives the text of
// the frequency messages in the report (the windows' language); by default their English text.
using MessageTextOf = std::function<std::string(const MessageRef&)>;
ImportReport ImportChannelsCsv(TALL& state, std::string_view text, const ImportOptions& options = {},
                               const MessageTextOf& messageText = {});

// One row of a file as an import would take it.
struct ImportRow {
    int row = 0;
    int line = 0;
    bool chosen = true;                 // among the rows asked for and not left out
    int channel = 0;                    // where it goes; 0 when it is skipped
    std::string skipped;                // why it is skipped
    std::vector<std::string> cells;     // the channel as the grid will show it (ChannelTableRow cells)
    std::vector<std::string> warnings;  // the frequency warnings and repairs of the grid's rules
    bool replaces = false;              // the channel holds a channel now, which the row replaces
};

struct ImportPreview {
    std::optional<CsvError> refusal;
    CsvFormat format = CsvFormat::Grid;
    std::string numbering;
    std::vector<std::string> ignoredColumns;
    std::vector<ImportRow> rows;  // every row of the file that is not blank, chosen or not
};

// What ImportChannelsCsv would do, row by row, without changing the state.
ImportPreview PreviewChannelsCsv(const TALL& state, std::string_view text, const ImportOptions& options = {},
                                 const MessageTextOf& messageText = {});

}  // namespace lm
