#pragma once
// The texts of the channel grid, one row per channel, as the channel information window shows them.
#include <string>
#include <vector>
#include "globals/globals.h"

namespace lm::cli {

constexpr int kGridColumns = 13;

enum class Align { Left, Centre, Right };

struct GridColumn {
    std::string Title;
    Align Alignment;
};

// The 13 columns: "Channel No.", "RX Frequency", ..., "Over Tone".
const std::vector<GridColumn>& GridColumns();

struct GridRow {
    bool Present = false;            // false: an empty channel, Cells[1..12] are empty
    std::vector<std::string> Cells;  // kGridColumns texts; Cells[0] is the channel number
};

// The row of channel n (1..ChannelCount) of gAll.Image.
GridRow ChannelGridRow(int n);

}  // namespace lm::cli
