#pragma once
// The texts the windows show for an image, in the windows' language: the channel grid's column titles and
// cells, the settings windows' labels and values, the radio information window's labels. The language comes
// as a lookup (settings/sheet_language.h makes one from a language file); NoTranslation gives the built-in
// English texts. The channel sheet and the comparison of images both show these.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/radio_info.h"
#include "core/settings_table.h"
#include "core/state.h"

namespace lm {

// The text of key in section of the language, or builtIn when the language has none.
using TextLookup =
    std::function<std::string(std::string_view section, std::string_view key, std::string_view builtIn)>;

// A lookup that always answers builtIn.
std::string NoTranslation(std::string_view section, std::string_view key, std::string_view builtIn);

// The title of a grid column entry of the language file, "RX Frequency [80|80]3" -> "RX Frequency".
std::string ColumnEntryTitle(std::string_view entry);

// The title of grid column c (0..12); a "|" breaks it into two lines.
std::string ShownColumnTitle(int c, const TextLookup& lookup);

// The 13 cells of channel n as the grid shows them: the items of the option boxes and the none tone in the
// language. An empty channel has its number and empty cells.
std::vector<std::string> ShownChannelCells(const TALL& state, int n, const TextLookup& lookup);

// "Channel 3" in the language.
std::string ShownChannelName(int n, const TextLookup& lookup);

// The language file's section of a settings window: "fKeyFun".
std::string_view SettingsSection(SettingWindow window);

// A setting's label in its window; where the label alone does not tell two settings apart, with the caption
// of the frame around it ("Key - 1 Short Press") or the memory's number ("Autodial Memory 3").
std::string ShownSettingLabel(const Setting& setting, const TextLookup& lookup);

// The item or the digits the setting's control shows; "" when no item shows.
std::string ShownSettingValue(const TALL& state, const Setting& setting, const TextLookup& lookup);

// True for a setting a window shows (not hidden, keeping a value).
bool IsShownSetting(const Setting& setting);

// The label of a field of the radio information window.
std::string ShownInfoLabel(const RadioInfoField& field, const TextLookup& lookup);

}  // namespace lm
