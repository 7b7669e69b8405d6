#pragma once
// What both CSV layouts share: a row read into the grid's texts of one channel, and the numbers of the files.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/channel_edit.h"
#include "core/csv_text.h"
#include "core/decimal.h"

namespace lm::csv {

// A row of an imported file as the texts typed into the grid's cells of its channel, by field selector.
struct ChannelPlan {
    int line = 0;
    int channel = 0;
    std::array<std::string, kChannelFields> texts;  // texts[cfRxFreq] empty: the row empties its channel
    std::vector<std::string> notes;                 // warnings found while reading the row
};

// How one row was read: a refusal of the whole file, a row skipped with its reason, or a plan.
struct RowReading {
    enum class Kind { Plan, Skip, Refuse } kind = Kind::Plan;
    ChannelPlan plan;
    std::string reason;  // Skip and Refuse
};
RowReading Refuse(std::string reason);
RowReading Skip(std::string reason);

// Blanks at both ends cut off.
std::string_view Trimmed(std::string_view text);
// "446.00625", "-1", "12" , ".5": digits with at most one point and an optional leading minus.
bool IsDecimal(std::string_view text);
bool IsDigits(std::string_view text);
// A decimal in units of 10^-decimals, rounded half away from zero (ParseScaled); a number too long to read
// gives a value past any limit. The text must pass IsDecimal.
long long ScaledOf(std::string_view text, int decimals);
// A channel number: digits only, anything above 9999 taken as 9999 (no model has so many channels).
int ChannelNumberOf(std::string_view digits);

// "Frequency \"abc\" is not a number"; empty when the column's text is a number or empty.
std::string NumberProblem(std::string_view column, std::string_view text);

// The common layout: its header, a channel's row, and a row read into a plan.
std::vector<std::string> CommonHeader();
std::vector<std::string> CommonRow(const TALL& state, int n);

// Where the columns of a common-layout file stand: files carry the columns in any order, and older ones lack
// some (Power, RxDtcsCode, CrossMode, the D-STAR columns ...).
struct CommonColumns {
    std::vector<int> at;               // by column of CommonHeader(): its field in a row, -1 when absent
    std::vector<std::string> ignored;  // the header's names this program does not know
    std::size_t needed = 0;  // the fields a row must have (the header's, less empty ones at the end)
    std::size_t width = 0;   // the header's fields
    bool Has(std::string_view name) const;
};
// The columns of a header row; nullopt when it names neither Location nor Frequency (no such file).
std::optional<CommonColumns> MapCommonHeader(const CsvRecord& header);
// A row read into a plan. A missing column means what the older layouts meant: no Power a new channel's
// power, no RxDtcsCode the receive code is DtcsCode, no CrossMode "Tone->Tone", no Mode FM (and so does an
// empty cell of these). A blank Location gives channel -1, which the caller places or skips.
RowReading ReadCommonRow(const CsvRecord& record, const CommonColumns& columns);

// The grid's layout: its header (the grid's column titles) and a row read into a plan.
std::vector<std::string> GridHeader();
RowReading ReadGridRow(const CsvRecord& record);

}  // namespace lm::csv
