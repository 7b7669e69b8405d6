#include "core/channel_sheet.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "core/channel.h"
#include "core/channel_edit.h"
#include "core/settings_access.h"
#include "core_fixture.h"
#include "settings/sheet_language.h"

namespace lm {
namespace {

// A sheet field by its label; "" for none.
std::string Value(const std::vector<SheetField>& fields, const std::string& label) {
    for (const SheetField& f : fields)
        if (f.label == label) return f.value;
    return "<no " + label + ">";
}

std::string SettingValue(const Sheet& sheet, const std::string& caption, const std::string& label) {
    for (const SheetGroup& g : sheet.settings)
        if (g.caption == caption) return Value(g.fields, label);
    return "<no " + caption + ">";
}

class ChannelSheetTest : public CoreStateTest {
protected:
    void SetUp() override {
        CoreStateTest::SetUp();
        SetRxFrequency(state, 1, "446.00625");
        SetTone(state, 1, cfTxTone, "67.0");
        SetOption(state, 1, cfEpilogue, 2);
        SetOption(state, 1, cfPower, 1);
        ASSERT_TRUE(WriteSetting(state, "key1-short", "Scan").Ok());
        ASSERT_TRUE(WriteSetting(state, "autodial-3", "123").Ok());
        ASSERT_TRUE(WriteSetting(state, "side-tone", "Off").Ok());
    }
};

TEST_F(ChannelSheetTest, ShowsTheImageWithTheWindowsTexts) {
    const Sheet sheet = BuildSheet(state, {"/home/a/fleet/radio.dat", "2026-12-09"}, NoTranslation);
    const Sheet unsaved = BuildSheet(state, {"", "2026-12-09"}, NoTranslation);
    const struct {
        const char* what;
        std::string shown;
        std::string expected;
    } cases[] = {
        {"title", sheet.title, "Channel Sheet"},
        {"model", Value(sheet.header, "Model"), "LM-418T(UHF)"},
        {"band", Value(sheet.header, "Band"), state.BandName},
        {"file name without folder", Value(sheet.header, "Data file"), "radio.dat"},
        {"no file", Value(unsaved.header, "Data file"), "(not saved)"},
        {"date", Value(sheet.header, "Date"), "2026-12-09"},
        {"column title", sheet.columns.at(0), "Channel|No."},
        {"channel number", sheet.channels.at(0).cells.at(0), "1"},
        {"rx frequency", sheet.channels.at(0).cells.at(1), "446.00625"},
        {"tx tone", sheet.channels.at(0).cells.at(4), "67.0"},
        {"rx tone none", sheet.channels.at(0).cells.at(3), "None"},
        {"power", sheet.channels.at(0).cells.at(5), "Mid"},
        {"epilogue", sheet.channels.at(0).cells.at(11), "Type-2"},
        {"empty channel", sheet.channels.at(1).cells.at(1), "(empty)"},
        {"key in its frame", SettingValue(sheet, "Key Function", "Key - 1 Short Press"), "Scan"},
        {"autodial memory", SettingValue(sheet, "DTMF", "Autodial Memory 3"), "123"},
        {"check box", SettingValue(sheet, "DTMF", "DTMF Side Tone"), "Off"},
        {"radio info", Value(sheet.info, "Write Time"), kFixtureStamp},
    };
    for (const auto& c : cases) EXPECT_EQ(c.shown, c.expected) << c.what;
    EXPECT_EQ(sheet.channels.size(), static_cast<std::size_t>(state.ChannelCount));
    EXPECT_FALSE(sheet.channels.at(1).present);
    EXPECT_EQ(sheet.settings.size(), 5u);
}

TEST_F(ChannelSheetTest, EveryLabelFollowsTheLanguage) {
    const std::map<std::pair<std::string, std::string>, std::string> language = {
        {{"fSheet", "Title"}, "T-title"},
        {{"fSheet", "DataFile"}, "T-file"},
        {{"fSheet", "Empty"}, "T-empty"},
        {{"fChInfo", "BColText.1"}, "T-rx|T-freq [80|80]3"},
        {{"fChInfo", "cxPower.1"}, "T-mid"},
        {{"fChInfo", "cxCts.2"}, "T-type2"},
        {{"fChInfo", "cxRxDcts.0"}, "T-none"},
        {{"fKeyFun", "fKeyFun.Caption"}, "T-keys"},
        {{"fKeyFun", "Lkey1.Caption"}, "T-key1"},
        {{"fKeyFun", "L1.Caption"}, "T-short"},
        {{"fKeyFun", "List_Short.3"}, "T-scan"},
        {{"fDtmf", "cxAuto.Caption"}, "T-auto"},
        {{"fInfoMsg", "Label4.Caption"}, "T-written"},
    };
    const SheetLookup lookup = [&](std::string_view section, std::string_view key, std::string_view builtIn) {
        const auto it = language.find({std::string(section), std::string(key)});
        return it == language.end() ? std::string(builtIn) : it->second;
    };
    const Sheet sheet = BuildSheet(state, {"", "2026-12-09"}, lookup);
    const struct {
        const char* what;
        std::string shown;
        std::string expected;
    } cases[] = {
        {"title", sheet.title, "T-title"},
        {"header label", sheet.header.at(2).label, "T-file"},
        {"column title without width and alignment", sheet.columns.at(1), "T-rx|T-freq"},
        {"option item", sheet.channels.at(0).cells.at(5), "T-mid"},
        {"epilogue after a CTCSS tone", sheet.channels.at(0).cells.at(11), "T-type2"},
        {"no tone", sheet.channels.at(0).cells.at(3), "T-none"},
        {"empty channel", sheet.channels.at(1).cells.at(1), "T-empty"},
        {"window caption", sheet.settings.at(0).caption, "T-keys"},
        {"key item from the window's list", SettingValue(sheet, "T-keys", "T-key1 T-short"), "T-scan"},
        {"autodial label", SettingValue(sheet, "DTMF", "T-auto 3"), "123"},
        {"radio info label", sheet.info.at(4).label, "T-written"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.shown, c.expected) << c.what;
}

// The shipped English file names every label where the sheet looks for it: it gives the built-in sheet back.
TEST_F(ChannelSheetTest, EnglishFileGivesTheBuiltInTexts) {
    std::string problem;
    const SheetLookup english = LanguageFileLookup(LM_SOURCE_DIR "/src/resources/lang/English.Ini", &problem);
    ASSERT_EQ(problem, "");
    const std::string built = SheetHtml(BuildSheet(state, {"a.dat", "2026-12-09"}, NoTranslation));
    EXPECT_EQ(SheetHtml(BuildSheet(state, {"a.dat", "2026-12-09"}, english)), built);
    const Sheet chinese =
        BuildSheet(state, {"", ""}, LanguageFileLookup(LM_SOURCE_DIR "/src/resources/lang/Chinese.Ini"));
    EXPECT_NE(SheetHtml(chinese), built);
    EXPECT_EQ(chinese.settings.at(0).caption, "按键功能");
}

TEST(SheetHtml, EscapesEveryTextAndBreaksColumnTitles) {
    Sheet sheet = BuildSheet(TALL{}, {"/x/<&>\"'.dat", "2026-12-09"}, NoTranslation);
    sheet.columns = {"A|B", "<b>"};
    const std::string html = SheetHtml(sheet);
    const struct {
        const char* part;
        bool present;
    } cases[] = {
        {"<!DOCTYPE html>", true},
        {"<meta charset=\"utf-8\">", true},
        {"&lt;&amp;&gt;&quot;&#39;.dat", true},
        {"<&>", false},
        {"<th>A<br>B</th>", true},
        {"<th>&lt;b&gt;</th>", true},
        {"</html>", true},
    };
    for (const auto& c : cases) EXPECT_EQ(html.find(c.part) != std::string::npos, c.present) << c.part;
}

}  // namespace
}  // namespace lm
