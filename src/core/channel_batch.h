#pragma once
// Edits of several channels at once: one field for a list of channels, the channels as tab-separated text
// with the grid's columns (what Copy puts on the clipboard and a spreadsheet takes), and pasting such text.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/channel_edit.h"
#include "core/state.h"

namespace lm {

// The name of an undo step: "RX Frequency of channel 3", "Paste of 5 channels".
std::string StepName(std::string_view what, const std::vector<int>& channels);
// The step of setting a field: what is the field's column title on one line ("TX Power of 2 channels").
std::string FieldStepName(int field, const std::vector<int>& channels);

// Runs edit on every channel of the list that exists, in the list's order; empty channels are passed over.
// Returns the edits made (refused ones included, e.g. a transmit tone for a channel without a transmit
// frequency).
std::vector<ChannelEdit> EditExistingChannels(TALL& state, const std::vector<int>& channels,
                                              const std::function<ChannelEdit(TALL&, int)>& edit);

// The channels as the grid shows them, one line each ending in "\n", the 13 cells separated by tabs; with
// titles, the column titles on one line come first ("Channel No.\tRX Frequency\t...").
std::string ChannelsText(const TALL& state, const std::vector<int>& channels, bool withTitles);

struct PasteOutcome {
    std::vector<int> channels;       // the channels the rows went to
    int rowsLeftOver = 0;            // rows past the last channel of the model, not pasted
    std::vector<ChannelEdit> notes;  // what the user is to be told of, in order (ChannelEdit::Notable)
};
// Pastes text such as ChannelsText makes into the channels from first on, a row each, every cell through the
// rules of typing it into the grid (SetFieldText). A first row whose first cell does not start with a digit
// is a title row and is skipped. The first cell of a row (the channel number) is not used; a row without a
// receive frequency empties its channel; cells missing at the end of a row leave their fields as they are.
PasteOutcome PasteChannels(TALL& state, int first, std::string_view text);

}  // namespace lm
