#pragma once
// A whole channel as the channel edit window holds it, and the defaults of a new channel.
#include <array>
#include <string>

#include "core/channel_edit.h"
#include "core/state.h"

namespace lm {

// The text EncodeChannelField takes for each field, indexed by selector: frequencies "0.00000" ("" = none),
// tones in tone text form ("" = none), options the item index "0", "1", "2". A check box of the edit window
// holds "0" when checked.
using ChannelTexts = std::array<std::string, kChannelFields>;

// A new channel on rx: transmit on rx, no tones, High, Wide, Scan Add, Compander, Scrambler and Busy Lock No,
// epilogue and over tone 1. With rx empty, the cleared fields of the edit window.
ChannelTexts NewChannelTexts(const std::string& rx);

// Channel n as shown: the epilogue limited to the items its transmit tone offers (a stored 2 without a CTCSS
// transmit tone gives 1). An empty channel gives NewChannelTexts("").
ChannelTexts LoadChannelTexts(const TALL& state, int n);

// Writes all twelve fields of channel n in the edit window's order (receive and transmit frequency, tones,
// busy lock, bandwidth, power, scan add, compander, scrambler, epilogue, over tone). Tones pass SetTone's
// rule (toneRepaired), no transmit frequency means no transmit tone, and the epilogue is limited as
// LoadChannelTexts does. Frequencies are stored as given and must be readable (refusal NotANumber otherwise,
// nothing written). An empty receive frequency deletes the channel, erasing the slot. stored holds the
// receive frequency.
ChannelEdit SaveChannel(TALL& state, int n, ChannelTexts texts);

// The grid's order of writing a new channel: its columns from left to right.
void WriteChannelTexts(TALL& state, int n, const ChannelTexts& texts);

}  // namespace lm
