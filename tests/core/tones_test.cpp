#include "core/tones.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/channel.h"

namespace lm {
namespace {

TEST(ToneLists, ToneBoxItems) {
    const auto& t = ToneBoxItems();
    ASSERT_EQ(t.size(), 205u);
    EXPECT_EQ(t[0], "None");
    EXPECT_EQ(t[1], "67.0");
    EXPECT_EQ(t[13], "100.0");
    EXPECT_EQ(t[39], "250.3");
    EXPECT_EQ(t[40], "D023N");
    EXPECT_EQ(t[122], "D754N");
    EXPECT_EQ(t[123], "D023I");
    EXPECT_EQ(t[204], "D754I");
    EXPECT_EQ(StandardCtcssTones().size(), 50u);
    EXPECT_EQ(StandardDcsCodes().size(), 104u);
    // The normal codes are a subset of the standard set, ascending, none of the 21 left out.
    for (int i = 40; i <= 122; ++i) {
        const std::string code = t[i].substr(1, 3);
        EXPECT_NE(std::find(StandardDcsCodes().begin(), StandardDcsCodes().end(), code),
                  StandardDcsCodes().end());
        if (i > 40) {
            EXPECT_LT(t[i - 1], t[i]);
        }
    }
    for (const char* gone : {"D036N", "D145N", "D526N", "D245I", "D351I", "159.8", "254.1"})
        EXPECT_EQ(std::find(t.begin(), t.end(), gone), t.end()) << gone;
    const auto at = std::find(t.begin(), t.end(), "D244I");
    ASSERT_NE(at, t.end());
    EXPECT_EQ(*(at + 1), "D145I");
    EXPECT_EQ(*(at + 2), "D251I");
    EXPECT_NE(std::find(t.begin(), t.end(), "D351N"), t.end());
}

TEST(ToneLists, EveryBoxToneRoundTrips) {
    const auto& t = ToneBoxItems();
    for (size_t i = 1; i < t.size(); ++i) {
        const auto code = ToneTextToCode(t[i]);
        EXPECT_EQ(ToneCodeToText(code[0], code[1]), t[i]);
        EXPECT_EQ(NormalizeToneText(t[i]), t[i]);
    }
}

TEST(ToneLists, PickerEntries) {
    const auto& e = TonePickerEntries();
    ASSERT_EQ(e.size(), 133u);
    EXPECT_EQ(e[0], "01-67.0-XZ");
    EXPECT_EQ(e[9], "0A-91.5-ZZ");
    EXPECT_EQ(e[33], "22-206.5-8Z");
    EXPECT_EQ(e[37], "26-229.1-9Z");
    EXPECT_EQ(e[41], "2A-254.1-0Z");
    EXPECT_EQ(e[42] + e[43] + e[44], "");
    EXPECT_EQ(e[45], "1-D023");
    EXPECT_EQ(e[45 + 63], "64-D525");
    EXPECT_EQ(e[45 + 73], "74-D645");
    EXPECT_EQ(e[129], "85-D754");
    EXPECT_EQ(e[130] + e[131] + e[132], "");
    // The picker's DCS codes are the box's normal codes plus 525 and 645.
    const auto& t = ToneBoxItems();
    int fromBox = 0;
    for (int i = 45; i < 130; ++i) {
        const std::string code = e[i].substr(e[i].find('-') + 1);
        if (std::find(t.begin(), t.end(), code + "N") != t.end()) ++fromBox;
    }
    EXPECT_EQ(fromBox, 83);
}

}  // namespace
}  // namespace lm
