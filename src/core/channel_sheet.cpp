#include "core/channel_sheet.h"

#include <filesystem>

#include "core/channel_table.h"
#include "core/radio_info.h"
#include "core/settings_table.h"

namespace lm {

namespace {

constexpr SettingWindow kWindows[] = {SettingWindow::KeyFunction, SettingWindow::VoxFunction,
                                      SettingWindow::OptionalFunction, SettingWindow::ScanInformation,
                                      SettingWindow::Dtmf};

std::string SheetText(const SheetLookup& lookup, std::string_view key, std::string_view builtIn) {
    return lookup(kSheetSection, key, builtIn);
}

SheetChannel ChannelOf(const TALL& state, int n, const SheetLookup& lookup) {
    SheetChannel channel{ChannelTableRow(state, n).present, ShownChannelCells(state, n, lookup)};
    if (!channel.present) channel.cells[1] = SheetText(lookup, "Empty", "(empty)");
    return channel;
}

SheetGroup GroupOf(const TALL& state, SettingWindow window, const SheetLookup& lookup) {
    const std::string_view section = SettingsSection(window);
    SheetGroup group{lookup(section, std::string(section) + ".Caption", WindowCaption(window)), {}};
    for (const Setting* s : WindowSettings(window))
        if (IsShownSetting(*s))
            group.fields.push_back({ShownSettingLabel(*s, lookup), ShownSettingValue(state, *s, lookup)});
    return group;
}

}  // namespace

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
    for (int c = 0; c < kChannelColumns; ++c) sheet.columns.push_back(ShownColumnTitle(c, lookup));
    for (int n = 1; n <= state.ChannelCount; ++n) sheet.channels.push_back(ChannelOf(state, n, lookup));

    sheet.settingsCaption = SheetText(lookup, "Settings", "Settings");
    for (SettingWindow window : kWindows) sheet.settings.push_back(GroupOf(state, window, lookup));

    sheet.infoCaption = lookup("fInfoMsg", "fInfoMsg.Caption", "Radio Information");
    for (const RadioInfoField& f : RadioInfoFields())
        sheet.info.push_back({ShownInfoLabel(f, lookup), f.value(state)});

    sheet.footer = SheetText(lookup, "PrintedBy", "Printed by lm418t");
    return sheet;
}

}  // namespace lm
