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

// The rules of the band table, not its rows: an unknown code names entry 10, an unknown name has entry 0's
// code, and names are compared exactly.
TEST_F(ModelsTest, BandTableFallbacks) {
    const TFrqList& bands = ProductCatalogue().Bands;
    ASSERT_EQ(bands.Count(), 14);
    for (int i = 0; i < bands.Count(); ++i) EXPECT_EQ(bands.NameOf(bands.CodeAt(i)), bands.NameAt(i));
    EXPECT_EQ(bands.NameOf(0), "440 - 480MHz");
    EXPECT_EQ(bands.NameOf(255), "440 - 480MHz");
    EXPECT_EQ(bands.CodeOf("100 - 200MHz"), 253);
    EXPECT_EQ(bands.CodeOf("27 - 72MHz"), 253);  // spaces count
    EXPECT_EQ(bands.CodeOf("150 - 174MHz "), 253);
}

TEST_F(ModelsTest, CatalogueContentsAndLookups) {
    const Catalogue& catalogue = ProductCatalogue();
    const TMacList& models = catalogue.Models;
    ASSERT_EQ(models.Count(), 2);
    EXPECT_EQ(catalogue.ProductTitle, "LM-418T");
    EXPECT_EQ(catalogue.BaudRate, 9600);
    EXPECT_EQ(catalogue.FileTag, "LM41");
    EXPECT_TRUE(catalogue.MasterPassword.empty());
    const TMacType* uhf = models.Get(0);
    const TMacType* vhf = models.Get(1);
    ASSERT_TRUE(uhf && vhf);
    EXPECT_EQ(models.Get(2), nullptr);
    EXPECT_EQ(models.Get(-1), nullptr);
    EXPECT_EQ(uhf->ModelTitle, "LM-418T(UHF)");
    EXPECT_EQ(vhf->ModelTitle, "LM-418T(VHF)");
    EXPECT_EQ(uhf->Bands.size(), 9u);
    EXPECT_EQ(vhf->Bands.size(), 4u);
    EXPECT_EQ(uhf->Bands.front(), "350 - 370MHz");
    EXPECT_EQ(vhf->Bands.back(), "216 - 223MHz");
    EXPECT_EQ(uhf->DefaultBand, "450 - 470MHz");
    EXPECT_EQ(vhf->DefaultBand, "150 - 174MHz");
    EXPECT_EQ(models.FindByTitle("LM-418T(VHF)"), vhf);
    EXPECT_EQ(models.FindByTitle("LM-418T"), nullptr);
    EXPECT_EQ(models.ChannelCountOf("LM41"), 16);
    EXPECT_EQ(models.ChannelCountOf("LM42"), 0);
    EXPECT_EQ(models.FindByCodeAndBand("LM41", "216 - 223MHz"), vhf);
    EXPECT_EQ(models.FindByCodeAndBand("LM41", "470 - 650MHz"), uhf);
    EXPECT_EQ(models.FindByCodeAndBand("LM41", " 27 -  72MHz"), nullptr);
    EXPECT_EQ(models.FindByCodeAndBand("LM42", "470 - 650MHz"), nullptr);
    std::vector<std::string> titles{"stale"};
    models.FillTitles(titles);
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
