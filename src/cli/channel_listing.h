#pragma once
// Channels printed with the columns and texts of the channel grid, as lm418t-cli channels and channel show
// them.
#include <iosfwd>
#include <vector>

#include "core/state.h"

namespace lm::cli {

// A title row and a row per channel: aligned columns, an empty channel marked "(empty)"; or with csv,
// comma-separated values (RFC 4180), an empty channel with its number and empty fields.
void PrintChannels(const TALL& state, const std::vector<int>& channels, bool csv, std::ostream& out);

}  // namespace lm::cli
