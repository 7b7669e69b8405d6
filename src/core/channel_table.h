#pragma once
// The channel table: the columns of the channel grid and the texts of one channel's row, as the grid, the
// channel edit dialog and lm418t-cli channels show them.
#include <string>
#include <string_view>
#include <vector>

#include "core/state.h"

namespace lm {

constexpr int kChannelColumns = 13;

// Cell alignment; the language file's alignment codes "1", "2", "3" in this order.
enum class ColumnAlign { Left = 1, Centre = 2, Right = 3 };

struct ChannelColumn {
    std::string title;  // design title; a "|" breaks it into two lines ("Channel|No.")
    int width = 0;      // pixels
    ColumnAlign alignment = ColumnAlign::Centre;
    int field = -1;   // TChannelField selector of the column; -1 for the channel number
    std::string box;  // the option box that edits it ("cxPower"); "" for typed and fixed columns
    std::vector<std::string> items;  // the box's items (for the epilogue, those with a CTCSS transmit tone)
};

// The 13 columns, from "Channel|No." to "Over Tone".
const std::vector<ChannelColumn>& ChannelColumns();
// The index in ChannelColumns() of the column of a field selector; -1 for none.
int ColumnOfField(int field);
// A title on one line: "Channel No." for "Channel|No.".
std::string TitleLine(std::string_view title);

// True for a CTCSS tone text ("67.0"); false for none and for DCS codes.
bool IsCtcssTone(std::string_view tone);

// The epilogue's items for a transmit tone: "OFF", "Type-1", "Type-2" (box cxCts) after a CTCSS tone,
// otherwise "OFF", "ON" (box cxDcs).
const std::vector<std::string>& EpilogueItems(std::string_view txTone);

// The epilogue item shown for a stored epilogue value: a value past the items of the transmit tone shows item
// 1
// ("ON").
int EpilogueShown(int stored, std::string_view txTone);

// One channel's row. cells holds the shown texts of the 13 columns (cells[0] the channel number); values the
// hidden values: the item index of the option columns 6 to 13, -1 elsewhere and for an empty channel.
struct ChannelRow {
    bool present = false;  // false: an empty channel, cells[1..12] are empty
    std::vector<std::string> cells;
    std::vector<int> values;
};

// The row of channel n (1..ChannelCount) of all's image. The epilogue of a channel without a CTCSS transmit
// tone is shown limited to 1 ("ON"); the slot keeps its value.
ChannelRow ChannelTableRow(const TALL& all, int n);

}  // namespace lm
