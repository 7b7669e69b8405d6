#pragma once
// Every change the channel grid makes to the image: one document step per user action, with the warnings the
// engine returns shown under the Caution caption. The other windows follow through the document.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/channel_batch.h"
#include "core/channel_edit.h"
#include "core/document.h"

namespace lm {

using ChannelEditFn = std::function<ChannelEdit(TALL&, int)>;

// Runs edit on channel n alone (typing may create or delete it), as the step of field.
std::vector<ChannelEdit> WriteChannel(TDocument& document, int n, int field, const ChannelEditFn& edit);
// Runs edit on every existing channel of the list, as one step of field.
std::vector<ChannelEdit> WriteChannels(TDocument& document, const std::vector<int>& channels, int field,
                                       const ChannelEditFn& edit);
// Erases the channels as one step named what ("Delete", "Cut").
void EraseChannels(TDocument& document, const std::vector<int>& channels, std::string_view what);
// Pastes text into the channels from first on as one step; the notes are shown together in one message.
PasteOutcome PasteIntoChannels(TDocument& document, int first, const std::string& text);

// Shows each frequency warning of the edits once.
void ShowEditWarnings(const std::vector<ChannelEdit>& edits);

}  // namespace lm
