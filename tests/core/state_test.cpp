#include "core/state.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "core/memory_map.h"
#include "core_fixture.h"

namespace lm {
namespace {

using StateTest = CoreStateTest;

struct Expect {
    int index;
    std::uint8_t value;
};

TEST_F(StateTest, SanitizeOfErasedImageGivesTheDefaults) {
    state.Image.fill(0xFF);
    SanitizeImage(state);
    const Expect defaults[] = {{289, 8},    {290, 8},    {294, 5},    {295, 12},   {296, 4},    {298, 9},
                               {299, 1},    {300, 0},    {301, 0},    {302, 12},   {303, 0},    {305, 3},
                               {306, 3},    {307, 2},    {308, 2},    {309, 8},    {310, 0xC0}, {311, 0x0D},
                               {312, 0xE0}, {313, 0x10}, {314, 2},    {315, 0},    {316, 0},    {318, 0},
                               {319, 0},    {320, 0},    {321, 0},    {322, 10},   {323, 0},    {324, 0x00},
                               {325, 0x0F}, {326, 0xFF}, {327, 0xFF}, {328, 0xFF}, {329, 0},    {335, 0xFF},
                               {336, 0xFF}, {353, 0},    {361, 0},    {369, 0},    {377, 0},    {385, 0},
                               {393, 0},    {401, 0},    {409, 0},    {438, 244}};
    for (const auto& e : defaults) EXPECT_EQ(state.Image[e.index], e.value) << "Image[" << e.index << "]";
    for (int untouched : {291, 292, 293, 297, 304, 317, 330, 354, 416, 437, 439, 528}) {
        EXPECT_EQ(state.Image[untouched], 0xFF) << "Image[" << untouched << "]";
    }
}

TEST_F(StateTest, SanitizeKeepsValuesInRangeAndReplacesTheFirstOneOutside) {
    state.Image[289] = 15;
    state.Image[296] = 4;
    state.Image[302] = 27;
    state.Image[409] = 10;
    state.Image[335] = 0x12;
    SanitizeImage(state);
    EXPECT_EQ(state.Image[289], 15);
    EXPECT_EQ(state.Image[296], 4);
    EXPECT_EQ(state.Image[302], 27);
    EXPECT_EQ(state.Image[409], 10);
    EXPECT_EQ(state.Image[335], 0xFF);
    state.Image[289] = 16;
    state.Image[302] = 28;
    state.Image[409] = 11;
    state.Image[322] = 16;
    SanitizeImage(state);
    EXPECT_EQ(state.Image[289], 8);
    EXPECT_EQ(state.Image[302], 12);
    EXPECT_EQ(state.Image[409], 0);
    EXPECT_EQ(state.Image[322], 10);
    EXPECT_EQ(RangeOrDefault(3, 3, 5, 9), 3);
    EXPECT_EQ(RangeOrDefault(2, 3, 5, 9), 9);
    EXPECT_EQ(RangeOrDefault(6, 3, 5, 9), 9);
}

void SetFmRange(TALL& state, int lo, int hi) {
    state.Image[310] = static_cast<std::uint8_t>(lo & 0xFF);
    state.Image[311] = static_cast<std::uint8_t>(lo >> 8);
    state.Image[312] = static_cast<std::uint8_t>(hi & 0xFF);
    state.Image[313] = static_cast<std::uint8_t>(hi >> 8);
}

int FmLow(const TALL& state) { return state.Image[310] + 256 * state.Image[311]; }
int FmHigh(const TALL& state) { return state.Image[312] + 256 * state.Image[313]; }

TEST_F(StateTest, FmRangePairCheck) {
    SetFmRange(state, 2800, 4560);
    SanitizeImage(state);
    EXPECT_EQ(FmLow(state), 2800);
    EXPECT_EQ(FmHigh(state), 4560);
    const int bad[][2] = {{4000, 4000}, {4100, 4000}, {2799, 4000}, {3000, 4561}};
    for (const auto& pair : bad) {
        SetFmRange(state, pair[0], pair[1]);
        SanitizeImage(state);
        EXPECT_EQ(FmLow(state), 3520) << pair[0] << "/" << pair[1];
        EXPECT_EQ(FmHigh(state), 4320) << pair[0] << "/" << pair[1];
    }
}

TEST_F(StateTest, DtmfIdDigitCheck) {
    state.Image[324] = 0x99;
    state.Image[325] = 0x9F;
    state.Image[326] = 0x12;
    SanitizeImage(state);
    EXPECT_EQ(state.Image[324], 0x99);
    EXPECT_EQ(state.Image[325], 0x9F);
    EXPECT_EQ(state.Image[326], 0x12);
    for (const auto& [b324, b325] : {std::pair{0x9A, 0x11}, std::pair{0xA1, 0x11}, std::pair{0x11, 0xA1}}) {
        state.Image[324] = static_cast<std::uint8_t>(b324);
        state.Image[325] = static_cast<std::uint8_t>(b325);
        state.Image[326] = 0x12;
        SanitizeImage(state);
        EXPECT_EQ(state.Image[324], 0x00);
        EXPECT_EQ(state.Image[325], 0x0F);
        EXPECT_EQ(state.Image[326], 0xFF);
        EXPECT_EQ(state.Image[328], 0xFF);
    }
}

TEST_F(StateTest, NewImageFillsBlocksZeroToThirtyOneAndKeepsBlock32) {
    for (int i = img::kBlock32First; i <= img::kLast; ++i) state.Image[i] = static_cast<std::uint8_t>(i);
    state.Image[20] = 0x00;
    state.Image[465] = 0x41;
    NewImageAt(state, kFixtureStamp);
    for (int i = img::kBlock32First; i <= img::kLast; ++i)
        EXPECT_EQ(state.Image[i], static_cast<std::uint8_t>(i));
    EXPECT_EQ(state.Image[0], 0);
    EXPECT_EQ(state.Image[20], 0xFF);
    EXPECT_EQ(state.Image[465], 0xFF);
    const Expect fixed[] = {{317, 0xC3}, {319, 6},   {337, 0x12}, {338, 0x34}, {339, 0x56}, {340, 0xFF},
                            {433, 0x50}, {434, 'L'}, {435, 'M'},  {436, '4'},  {437, '1'},  {438, 244},
                            {439, 0},    {440, 0},   {449, 0xE8}, {450, 0x07}, {455, 0x09}, {456, 0xFF}};
    for (const auto& e : fixed) EXPECT_EQ(state.Image[e.index], e.value) << "Image[" << e.index << "]";
    EXPECT_EQ(UnpackTimestamp(state.Image, img::kWriteStamp), kFixtureStamp);
}

TEST_F(StateTest, WriteIdentUsesTheBandTableWithItsFallback) {
    state.BandName = "150 - 174MHz";
    WriteIdent(state);
    EXPECT_EQ(state.Image[438], 240);
    state.BandName = "100 - 200MHz";
    WriteIdent(state);
    EXPECT_EQ(state.Image[438], 253);
    state.ModelCode = "AB";  // a short code writes zeros, not past the string
    WriteIdent(state);
    EXPECT_EQ(state.Image[434], 'A');
    EXPECT_EQ(state.Image[435], 'B');
    EXPECT_EQ(state.Image[436], 0);
    EXPECT_EQ(state.Image[437], 0);
}

TEST_F(StateTest, TimestampPackAndUnpack) {
    state.Image.fill(0xFF);
    PackTimestamp(state.Image, "2024-03-05 07:08:09", 481);
    const std::uint8_t want[] = {0xE8, 0x07, 0x03, 0x05, 0x07, 0x08, 0x09};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(state.Image[481 + i], want[i]);
    EXPECT_EQ(state.Image[488], 0xFF);
    EXPECT_EQ(UnpackTimestamp(state.Image, 481), "2024-03-05 07:08:09");
    EXPECT_EQ(UnpackTimestamp(state.Image, 449), "");
    state.Image[460] = 0;  // only the first 7 bytes erased
    EXPECT_EQ(UnpackTimestamp(state.Image, 449), "65535-255-255 255:255:255");
    PackTimestamp(state.Image, "2024-3-5 7:8:9", 449);  // not the fixed form: nothing written
    EXPECT_EQ(state.Image[449], 0xFF);
    const std::string now = LocalTimestampText();
    EXPECT_TRUE(std::regex_match(now, std::regex(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d)"))) << now;
    PackTimestamp(state.Image, now, 449);
    EXPECT_EQ(UnpackTimestamp(state.Image, 449), now);
}

TEST_F(StateTest, HexHelpersAndSessionKey) {
    EXPECT_EQ(HexToInt("1F"), 31);
    EXPECT_EQ(HexToInt("07e8"), 2024);
    EXPECT_EQ(HexToInt(""), 0);
    EXPECT_EQ(HexByte("A5"), 0xA5);
    EXPECT_EQ(HexByte("0f"), 0x0F);
    TransferSession session;
    FillSessionKeyText(session);
    const std::string key = session.SessionKeyText;
    ASSERT_EQ(key.size(), 15u);
    for (char c : key) EXPECT_TRUE(c > 0x20 && c < 0x7F) << static_cast<int>(c);
    session.SessionKeyText = "x";
    FillSessionKeyText(session);
    EXPECT_EQ(session.SessionKeyText, key);
}

}  // namespace
}  // namespace lm
