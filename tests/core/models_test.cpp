#include "core/models.h"

#include <gtest/gtest.h>

#include <clocale>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/state.h"
#include "core_fixture.h"

namespace lm {
namespace {

using ModelsTest = CoreStateTest;

TEST_F(ModelsTest, BandTableOrderCodesAndFallbacks) {
    const std::pair<const char*, int> rows[] = {
        {" 27 -  72MHz", 253}, {"136 - 150MHz", 241}, {"136 - 174MHz", 242}, {"150 - 174MHz", 240},
        {"216 - 223MHz", 243}, {"350 - 370MHz", 250}, {"350 - 390MHz", 251}, {"370 - 390MHz", 252},
        {"400 - 420MHz", 248}, {"400 - 470MHz", 247}, {"440 - 480MHz", 249}, {"450 - 470MHz", 244},
        {"450 - 490MHz", 245}, {"470 - 650MHz", 246}};
    FillBandTable();  // refilling does not append
    ASSERT_EQ(gFrqList.Count(), 14);
    for (int i = 0; i < 14; ++i) {
        EXPECT_EQ(gFrqList.NameAt(i), rows[i].first);
        EXPECT_EQ(gFrqList.CodeAt(i), rows[i].second);
        EXPECT_EQ(gFrqList.CodeOf(rows[i].first), rows[i].second);
        EXPECT_EQ(gFrqList.NameOf(rows[i].second), rows[i].first);
    }
    EXPECT_EQ(gFrqList.NameOf(0), "440 - 480MHz");
    EXPECT_EQ(gFrqList.NameOf(255), "440 - 480MHz");
    EXPECT_EQ(gFrqList.CodeOf("100 - 200MHz"), 253);
    EXPECT_EQ(gFrqList.CodeOf("27 - 72MHz"), 253);  // spaces count
    EXPECT_EQ(gFrqList.CodeOf("150 - 174MHz "), 253);
}

TEST_F(ModelsTest, CatalogueContentsAndLookups) {
    FillCatalogue(state);
    ASSERT_EQ(gMacList.Count(), 2);
    EXPECT_EQ(state.ProductTitle, "LM-418T");
    EXPECT_EQ(state.BaudRate, 9600);
    EXPECT_EQ(state.FileTag, "LM41");
    EXPECT_TRUE(state.MasterPassword.empty());
    const TMacType* uhf = gMacList.Get(0);
    const TMacType* vhf = gMacList.Get(1);
    ASSERT_TRUE(uhf && vhf);
    EXPECT_EQ(gMacList.Get(2), nullptr);
    EXPECT_EQ(gMacList.Get(-1), nullptr);
    EXPECT_EQ(uhf->ModelTitle, "LM-418T(UHF)");
    EXPECT_EQ(vhf->ModelTitle, "LM-418T(VHF)");
    EXPECT_EQ(uhf->Bands.size(), 9u);
    EXPECT_EQ(vhf->Bands.size(), 4u);
    EXPECT_EQ(uhf->Bands.front(), "350 - 370MHz");
    EXPECT_EQ(vhf->Bands.back(), "216 - 223MHz");
    EXPECT_EQ(uhf->DefaultBand, "450 - 470MHz");
    EXPECT_EQ(vhf->DefaultBand, "150 - 174MHz");
    EXPECT_EQ(gMacList.FindByTitle("LM-418T(VHF)"), vhf);
    EXPECT_EQ(gMacList.FindByTitle("LM-418T"), nullptr);
    EXPECT_EQ(gMacList.ChannelCountOf("LM41"), 16);
    EXPECT_EQ(gMacList.ChannelCountOf("LM42"), 0);
    EXPECT_EQ(gMacList.FindByCodeAndBand("LM41", "216 - 223MHz"), vhf);
    EXPECT_EQ(gMacList.FindByCodeAndBand("LM41", "470 - 650MHz"), uhf);
    EXPECT_EQ(gMacList.FindByCodeAndBand("LM41", " 27 -  72MHz"), nullptr);
    EXPECT_EQ(gMacList.FindByCodeAndBand("LM42", "470 - 650MHz"), nullptr);
    std::vector<std::string> titles{"stale"};
    gMacList.FillTitles(titles);
    EXPECT_EQ(titles, (std::vector<std::string>{"LM-418T(UHF)", "LM-418T(VHF)"}));
}

TEST_F(ModelsTest, SelectModelWithoutOverrideTakesTheDefaultBand) {
    state.BandMinMHz = 1;
    state.BandMaxMHz = 2;
    state.AreaCode = "0310";
    state.AreaText = "x";
    SelectModel(state, "LM41", 0, false);
    EXPECT_EQ(state.ModelTitle, "LM-418T(UHF)");
    EXPECT_EQ(state.ModelCode, "LM41");
    EXPECT_EQ(state.ChannelCount, 16);
    EXPECT_EQ(state.KeyLayout, 3);
    EXPECT_EQ(state.ModelMinMHz, 300.0);
    EXPECT_EQ(state.ModelMaxMHz, 650.0);
    EXPECT_EQ(state.BandName, "450 - 470MHz");
    EXPECT_EQ(state.BandMinMHz, 1);
    EXPECT_EQ(state.BandMaxMHz, 2);
    EXPECT_TRUE(state.AreaCode.empty());
    EXPECT_TRUE(state.AreaText.empty());
}

TEST_F(ModelsTest, SelectModelWithOverride) {
    SelectModel(state, "LM41", 240, true);
    EXPECT_EQ(state.ModelTitle, "LM-418T(VHF)");
    EXPECT_EQ(state.ModelMinMHz, 67.0);
    EXPECT_EQ(state.ModelMaxMHz, 300.0);
    EXPECT_EQ(state.BandName, "150 - 174MHz");
    EXPECT_EQ(state.BandMinMHz, 150.0);
    EXPECT_EQ(state.BandMaxMHz, 174.0);

    SelectModel(state, "LM41", 243, true);  // a band other than the default one
    EXPECT_EQ(state.BandName, "216 - 223MHz");
    EXPECT_EQ(state.BandMaxMHz, 223.0);

    state.AreaCode = "0310";
    SelectModel(state, "LM41", 253, true);  // no variant has this band: model fields stay
    EXPECT_EQ(state.ModelTitle, "LM-418T(VHF)");
    EXPECT_EQ(state.ModelMaxMHz, 300.0);
    EXPECT_EQ(state.AreaCode, "0310");
    EXPECT_EQ(state.BandName, " 27 -  72MHz");
    EXPECT_EQ(state.BandMinMHz, 27.0);
    EXPECT_EQ(state.BandMaxMHz, 72.0);

    SelectModel(state, "XY99", 246, true);  // unknown model code
    EXPECT_EQ(state.ModelTitle, "LM-418T(VHF)");
    EXPECT_EQ(state.ModelCode, "LM41");
    EXPECT_EQ(state.BandName, "470 - 650MHz");
    EXPECT_EQ(state.BandMinMHz, 470.0);
    EXPECT_EQ(state.BandMaxMHz, 650.0);

    SelectModel(state, "LM41", 0, true);  // unknown band code: entry 10, a UHF band
    EXPECT_EQ(state.ModelTitle, "LM-418T(UHF)");
    EXPECT_EQ(state.BandName, "440 - 480MHz");
}

TEST(SplitBandText, ParsesWithAPointWhateverTheLocale) {
    EXPECT_EQ(SplitBandText("470 - 650MHz"), (std::pair{470.0, 650.0}));
    EXPECT_EQ(SplitBandText(" 27 -  72MHz"), (std::pair{27.0, 72.0}));
    EXPECT_EQ(SplitBandText("136.5 - 174.25MHz"), (std::pair{136.5, 174.25}));
    const char* before = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = before ? before : "C";
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") || std::setlocale(LC_NUMERIC, "fr_FR.UTF-8")) {
        EXPECT_EQ(SplitBandText("136.5 - 174.25MHz"), (std::pair{136.5, 174.25}));
    }
    std::setlocale(LC_NUMERIC, saved.c_str());
    for (const char* bad : {"400 470MHz", " - MHz", "abc - defMHz", "", "400 - 4x0MHz", "400,5 - 470MHz"}) {
        EXPECT_THROW(SplitBandText(bad), std::invalid_argument) << bad;
    }
}

}  // namespace
}  // namespace lm
