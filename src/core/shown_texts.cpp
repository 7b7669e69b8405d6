#include "core/shown_texts.h"

#include "core/channel_table.h"
#include "core/settings_access.h"
#include "core/tones.h"

namespace lm {

namespace {

constexpr std::string_view kGridSection = "fChInfo";
constexpr int kToneColumns[] = {3, 4};
constexpr int kTxToneColumn = 4;
constexpr int kEpilogueColumn = 11;
constexpr int kFirstOptionColumn = 5;

std::string Caption(const TextLookup& lookup, std::string_view section, std::string_view component,
                    std::string_view builtIn) {
    return lookup(section, std::string(component) + ".Caption", builtIn);
}

// The key of a list item in the window's section: the key lists take their items from the window's hidden
// lists, by the index in the full list.
std::string ItemKey(const Setting& setting, const std::string& item) {
    std::size_t index = 0;
    while (index < setting.items.size() && setting.items[index] != item) ++index;
    std::string list(setting.component);
    if (setting.encoding == SettingEncoding::KeyList)
        list = setting.component.ends_with("_S") ? "List_Short" : "List_Long";
    return list + "." + std::to_string(index);
}

}  // namespace

std::string NoTranslation(std::string_view, std::string_view, std::string_view builtIn) {
    return std::string(builtIn);
}

std::string ColumnEntryTitle(std::string_view entry) {
    const std::size_t bracket = entry.find('[');
    std::string_view title = entry.substr(0, bracket);
    while (!title.empty() && title.back() == ' ') title.remove_suffix(1);
    return std::string(title);
}

std::string ShownColumnTitle(int c, const TextLookup& lookup) {
    const std::string& builtIn = ChannelColumns().at(static_cast<std::size_t>(c)).title;
    const std::string title =
        ColumnEntryTitle(lookup(kGridSection, "BColText." + std::to_string(c), builtIn));
    return title.empty() ? builtIn : title;
}

std::vector<std::string> ShownChannelCells(const TALL& state, int n, const TextLookup& lookup) {
    const ChannelRow row = ChannelTableRow(state, n);
    std::vector<std::string> cells = row.cells;
    if (!row.present) return cells;
    const std::vector<ChannelColumn>& columns = ChannelColumns();
    const std::string& none = ToneBoxItems().at(0);
    for (int c : kToneColumns) {
        std::string& cell = cells[static_cast<std::size_t>(c)];
        if (cell == none) cell = lookup(kGridSection, columns[static_cast<std::size_t>(c)].box + ".0", cell);
    }
    const std::string& txTone = row.cells[kTxToneColumn];
    const bool ctcss = txTone != none && IsCtcssTone(txTone);
    for (int c = kFirstOptionColumn; c < kChannelColumns; ++c) {
        const auto i = static_cast<std::size_t>(c);
        if (row.values[i] < 0) continue;
        const std::string box = c == kEpilogueColumn ? (ctcss ? "cxCts" : "cxDcs") : columns[i].box;
        cells[i] = lookup(kGridSection, box + "." + std::to_string(row.values[i]), row.cells[i]);
    }
    return cells;
}

std::string ShownChannelName(int n, const TextLookup& lookup) {
    return lookup("Language", "Channel", "Channel") + " " + std::to_string(n);
}

std::string_view SettingsSection(SettingWindow window) {
    switch (window) {
        case SettingWindow::KeyFunction:
            return "fKeyFun";
        case SettingWindow::VoxFunction:
            return "fVoxFun";
        case SettingWindow::OptionalFunction:
            return "fOptFun";
        case SettingWindow::ScanInformation:
            return "fScanFun";
        case SettingWindow::Dtmf:
            return "fDtmf";
    }
    return {};
}

std::string ShownSettingLabel(const Setting& setting, const TextLookup& lookup) {
    const std::string_view section = SettingsSection(setting.window);
    std::string label = Caption(lookup, section, setting.labelComponent, setting.label);
    if (!setting.groupComponent.empty())
        label = Caption(lookup, section, setting.groupComponent, setting.groupLabel) + " " + label;
    if (setting.encoding == SettingEncoding::Autodial) {
        // The memories are the window's numbered cells, "gvData.1" to "gvData.8".
        const std::size_t dot = setting.component.rfind('.');
        if (dot != std::string_view::npos) label += " " + std::string(setting.component.substr(dot + 1));
    }
    return label;
}

std::string ShownSettingValue(const TALL& state, const Setting& setting, const TextLookup& lookup) {
    if (IsCode(setting) || setting.encoding == SettingEncoding::FmBound) return ReadText(state, setting);
    const int item = ReadItem(state, setting);
    const std::vector<std::string> offered = OfferedItems(state, setting);
    if (item < 0 || item >= static_cast<int>(offered.size())) return {};
    const std::string& text = offered[static_cast<std::size_t>(item)];
    return lookup(SettingsSection(setting.window), ItemKey(setting, text), text);
}

bool IsShownSetting(const Setting& setting) {
    return !setting.hidden && setting.encoding != SettingEncoding::Unbound;
}

std::string ShownInfoLabel(const RadioInfoField& field, const TextLookup& lookup) {
    return Caption(lookup, "fInfoMsg", field.labelName, field.label);
}

}  // namespace lm
