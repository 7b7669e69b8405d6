#include "core/channel_sheet.h"

#include <filesystem>

#include "core/channel_table.h"
#include "core/radio_info.h"
#include "core/settings_access.h"
#include "core/settings_table.h"
#include "core/tones.h"

namespace lm {

namespace {

constexpr SettingWindow kWindows[] = {SettingWindow::KeyFunction, SettingWindow::VoxFunction,
                                      SettingWindow::OptionalFunction, SettingWindow::ScanInformation,
                                      SettingWindow::Dtmf};
constexpr int kToneColumns[] = {3, 4};
constexpr int kTxToneColumn = 4;
constexpr int kEpilogueColumn = 11;

// The language section of a settings window.
std::string_view SectionOf(SettingWindow window) {
    switch (window) {
        case SettingWindow::KeyFunction: return "fKeyFun";
        case SettingWindow::VoxFunction: return "fVoxFun";
        case SettingWindow::OptionalFunction: return "fOptFun";
        case SettingWindow::ScanInformation: return "fScanFun";
        case SettingWindow::Dtmf: return "fDtmf";
    }
    return {};
}

std::string Caption(const SheetLookup& lookup, std::string_view section, std::string_view component,
                    std::string_view builtIn) {
    return lookup(section, std::string(component) + ".Caption", builtIn);
}

std::string SheetText(const SheetLookup& lookup, std::string_view key, std::string_view builtIn) {
    return lookup(kSheetSection, key, builtIn);
}

// A row of the grid in the language: option items and the none tone as the grid's boxes show them.
SheetChannel ChannelOf(const TALL& state, int n, const SheetLookup& lookup) {
    const ChannelRow row = ChannelTableRow(state, n);
    SheetChannel channel{row.present, row.cells};
    if (!row.present) {
        channel.cells[1] = SheetText(lookup, "Empty", "(empty)");
        return channel;
    }
    const std::vector<ChannelColumn>& columns = ChannelColumns();
    const std::string& none = ToneBoxItems().at(0);
    for (int c : kToneColumns) {
        std::string& cell = channel.cells[static_cast<std::size_t>(c)];
        if (cell == none) cell = lookup("fChInfo", columns[static_cast<std::size_t>(c)].box + ".0", cell);
    }
    const std::string& txTone = row.cells[kTxToneColumn];
    const bool ctcss = txTone != none && IsCtcssTone(txTone);
    for (int c = 5; c < kChannelColumns; ++c) {
        const auto i = static_cast<std::size_t>(c);
        if (row.values[i] < 0) continue;
        const std::string box = c == kEpilogueColumn ? (ctcss ? "cxCts" : "cxDcs") : columns[i].box;
        channel.cells[i] = lookup("fChInfo", box + "." + std::to_string(row.values[i]), row.cells[i]);
    }
    return channel;
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

std::string ValueOf(const TALL& state, const Setting& setting, std::string_view section, const SheetLookup& lookup) {
    if (IsCode(setting) || setting.encoding == SettingEncoding::FmBound) return ReadText(state, setting);
    const int item = ReadItem(state, setting);
    const std::vector<std::string> offered = OfferedItems(state, setting);
    if (item < 0 || item >= static_cast<int>(offered.size())) return {};
    const std::string& text = offered[static_cast<std::size_t>(item)];
    return lookup(section, ItemKey(setting, text), text);
}

SheetGroup GroupOf(const TALL& state, SettingWindow window, const SheetLookup& lookup) {
    const std::string_view section = SectionOf(window);
    SheetGroup group{Caption(lookup, section, section, WindowCaption(window)), {}};
    int autodial = 0;
    for (const Setting* s : WindowSettings(window)) {
        if (s->hidden || s->encoding == SettingEncoding::Unbound) continue;
        std::string label = Caption(lookup, section, s->labelComponent, s->label);
        if (!s->groupComponent.empty())
            label = Caption(lookup, section, s->groupComponent, s->groupLabel) + " " + label;
        if (s->encoding == SettingEncoding::Autodial) label += " " + std::to_string(++autodial);
        group.fields.push_back({std::move(label), ValueOf(state, *s, section, lookup)});
    }
    return group;
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

Sheet BuildSheet(const TALL& state, const SheetSource& source, const SheetLookup& lookup) {
    Sheet sheet;
    sheet.title = SheetText(lookup, "Title", "Channel Sheet");
    const std::string file = source.dataFile.empty()
                                 ? SheetText(lookup, "NotSaved", "(not saved)")
                                 : std::filesystem::path(source.dataFile).filename().string();
    sheet.header = {{SheetText(lookup, "Model", "Model"), state.ModelTitle},
                    {SheetText(lookup, "Band", "Band"), state.BandName},
                    {SheetText(lookup, "DataFile", "Data file"), file},
                    {SheetText(lookup, "Date", "Date"), source.date}};

    sheet.channelsCaption = SheetText(lookup, "Channels", "Channels");
    const std::vector<ChannelColumn>& columns = ChannelColumns();
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const std::string entry = lookup("fChInfo", "BColText." + std::to_string(c), columns[c].title);
        const std::string title = ColumnEntryTitle(entry);
        sheet.columns.push_back(title.empty() ? columns[c].title : title);
    }
    for (int n = 1; n <= state.ChannelCount; ++n) sheet.channels.push_back(ChannelOf(state, n, lookup));

    sheet.settingsCaption = SheetText(lookup, "Settings", "Settings");
    for (SettingWindow window : kWindows) sheet.settings.push_back(GroupOf(state, window, lookup));

    sheet.infoCaption = Caption(lookup, "fInfoMsg", "fInfoMsg", "Radio Information");
    for (const RadioInfoField& f : RadioInfoFields())
        sheet.info.push_back({Caption(lookup, "fInfoMsg", f.labelName, f.label), f.value(state)});

    sheet.footer = SheetText(lookup, "PrintedBy", "Printed by lm418t");
    return sheet;
}

}  // namespace lm
