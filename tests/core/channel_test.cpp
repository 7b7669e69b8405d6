#include "core/channel.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "core/bits.h"
#include "core/state.h"

namespace lm {
namespace {

using Bytes4 = std::array<std::uint8_t, 4>;
using Bytes2 = std::array<std::uint8_t, 2>;

void SetUhf(TALL& state) {
    state.ChannelCount = 16;
    state.ModelMinMHz = 300;
    state.ModelMaxMHz = 650;
    state.BandMinMHz = 400;
    state.BandMaxMHz = 470;
}

std::uint8_t* Slot(TALL& state, int n) { return &state.Image[static_cast<size_t>(16 * n + 1)]; }

TEST(ChannelDecode, EmptyZeroAndReceiveOnlySlots) {
    std::array<std::uint8_t, 16> s;
    s.fill(0xFF);
    TChannel ch;
    ch.RxFreq = 5;
    EXPECT_FALSE(DecodeChannel(s.data(), ch));
    EXPECT_EQ(ch.RxFreq, -1.0);
    s = {0x25, 0x06, 0x6A, 0x44, 0, 0, 0, 0, 0x70, 0x06, 0x70, 0x06, 0, 0, 0, 0};
    EXPECT_FALSE(DecodeChannel(s.data(), ch));
    s.fill(0);
    ASSERT_TRUE(DecodeChannel(s.data(), ch));
    EXPECT_EQ(FormatFreq(ch.RxFreq), "0.00000");
    EXPECT_EQ(FormatFreq(ch.TxFreq), "0.00000");
    EXPECT_EQ(ch.RxTone, "0.0");
    EXPECT_EQ(ch.Power, 0);
    EXPECT_EQ(ch.BusyLock + ch.Bandwidth + ch.ScanAdd + ch.Compander + ch.Scrambler + ch.OverTone, 0);
    s = {0x25, 0x06, 0x60, 0x44, 0xFF, 0xFF, 0xFF, 0xFF, 0x23, 0xC0, 0xFF, 0xFF, 0x7F, 0x03, 0x01, 0};
    ASSERT_TRUE(DecodeChannel(s.data(), ch));
    EXPECT_EQ(FormatFreq(ch.RxFreq), "446.00625");
    EXPECT_EQ(ch.TxFreq, -1.0);
    EXPECT_EQ(ch.RxTone, "D023I");
    EXPECT_EQ(ch.TxTone, "");
    EXPECT_EQ(ch.Power, 2);
    EXPECT_EQ(ch.Epilogue, 2);
    EXPECT_EQ(ch.BusyLock & ch.Bandwidth & ch.ScanAdd & ch.Compander & ch.Scrambler & ch.OverTone, 1);
}

TEST(ToneCodec, CodesAndTexts) {
    EXPECT_EQ(ToneCodeToText(0x23, 0x80), "D023N");
    EXPECT_EQ(ToneCodeToText(0x23, 0xC0), "D023I");
    EXPECT_EQ(ToneCodeToText(0x70, 0x06), "67.0");
    EXPECT_EQ(ToneCodeToText(0x03, 0x25), "250.3");
    EXPECT_EQ(ToneCodeToText(0xFF, 0xFF), "");
    EXPECT_EQ(ToneCodeToText(0x12, 0xA0), "");
    EXPECT_EQ(ToneTextToCode("D023N"), (Bytes2{0x23, 0x80}));
    EXPECT_EQ(ToneTextToCode("D023n"), (Bytes2{0x23, 0x80}));
    EXPECT_EQ(ToneTextToCode("D023i"), (Bytes2{0x23, 0xC0}));
    EXPECT_EQ(ToneTextToCode("D754I"), (Bytes2{0x54, 0xC7}));
    EXPECT_EQ(ToneTextToCode("67.0Hz"), (Bytes2{0x70, 0x06}));
    EXPECT_EQ(ToneTextToCode(""), (Bytes2{0xFF, 0xFF}));
    EXPECT_THROW(ToneTextToCode("abc"), std::invalid_argument);
    EXPECT_THROW(ToneTextToCode("D02N"), std::invalid_argument);
}

TEST(ToneCodec, NormalizeTypedTone) {
    EXPECT_EQ(NormalizeToneText(""), "");
    EXPECT_EQ(NormalizeToneText("5"), "30.0");
    EXPECT_EQ(NormalizeToneText("29.9"), "30.0");
    EXPECT_EQ(NormalizeToneText("88.5"), "88.5");
    EXPECT_EQ(NormalizeToneText("290.05"), "290.0");
    EXPECT_EQ(NormalizeToneText("300"), "290.0");
    EXPECT_EQ(NormalizeToneText("1.2.3"), "290.0");
    EXPECT_EQ(NormalizeToneText("D023N"), "D023N");
    EXPECT_EQ(NormalizeToneText("D023n"), "D023n");
    for (const char* bad : {"d023n", "D089N", "D23N", "XYZ", "D023X"})
        EXPECT_EQ(NormalizeToneText(bad), "D777N") << bad;
}

TEST(FrequencyText, BcdIsExactDecimal) {
    EXPECT_EQ(FreqTextToBcd("446.00625"), (Bytes4{0x25, 0x06, 0x60, 0x44}));
    EXPECT_EQ(FreqTextToBcd("446.00625MHz"), (Bytes4{0x25, 0x06, 0x60, 0x44}));
    EXPECT_EQ(FreqTextToBcd("145.5"), (Bytes4{0x00, 0x00, 0x55, 0x14}));
    EXPECT_EQ(FreqTextToBcd("0.1"), (Bytes4{0x00, 0x00, 0x01, 0x00}));
    EXPECT_EQ(FreqTextToBcd(""), (Bytes4{0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_THROW(FreqTextToBcd("4x6"), std::invalid_argument);
    EXPECT_THROW(FreqTextToBcd("1000"), std::out_of_range);
}

TEST(FrequencyEntry, SnapAndLimits) {
    EXPECT_EQ(FormatFreq(SnapToChannelStep(446.007)), "446.00625");
    EXPECT_EQ(FormatFreq(SnapToChannelStep(145.1234)), "145.12000");
    EXPECT_EQ(FormatFreq(SnapToChannelStep(446.0049)), "446.00000");
    EXPECT_EQ(SnapToChannelStep(146.52), 146.52);
    EXPECT_EQ(SnapToChannelStep(446.00625), 446.00625);
    TALL state;
    SetUhf(state);
    auto r = CheckEnteredFrequency(state, 700);
    EXPECT_EQ(r.Text, "470.00000");
    EXPECT_EQ(r.Warning, TFreqWarning::ErrRange);
    r = CheckEnteredFrequency(state, 250);
    EXPECT_EQ(r.Text, "400.00000");
    EXPECT_EQ(r.Warning, TFreqWarning::ErrRange);
    r = CheckEnteredFrequency(state, 480);
    EXPECT_EQ(r.Text, "480.00000");
    EXPECT_EQ(r.Warning, TFreqWarning::OutRange);
    r = CheckEnteredFrequency(state, 470);
    EXPECT_EQ(r.Text, "470.00000");
    EXPECT_EQ(r.Warning, TFreqWarning::None);
}

TEST(ChannelEncode, EveryFieldKeepsForeignBits) {
    TALL state;
    SetUhf(state);
    const std::array<std::uint8_t, 16> start{0x25, 0x06, 0x60, 0x44, 0x00, 0x00, 0x55, 0x14,
                                             0x70, 0x06, 0x23, 0x80, 0xAA, 0x55, 0xAA, 0x5A};
    struct Case {
        int field;
        const char* text;
    };
    for (Case c : {Case{cfRxFreq, "145.5"},
                   {cfTxFreq, "446.00625"},
                   {cfRxTone, "D754I"},
                   {cfTxTone, "100.0"},
                   {cfPower, "1"},
                   {cfBandwidth, "1"},
                   {cfScanAdd, "0"},
                   {cfCompander, "1"},
                   {cfScrambler, "0"},
                   {cfOverTone, "1"},
                   {cfBusyLock, "1"},
                   {cfEpilogue, "2"}}) {
        std::copy(start.begin(), start.end(), Slot(state, 3));
        EncodeChannelField(state, 3, c.field, c.text);
        EXPECT_EQ(Slot(state, 3)[15], 0x5A) << c.field;
        EXPECT_EQ(Slot(state, 3)[12] & 0x80, 0x80) << c.field;
        EXPECT_EQ(Slot(state, 3)[13] & 0xFC, 0x54) << c.field;
        EXPECT_EQ(Slot(state, 3)[14] & 0xFE, 0xAA) << c.field;
        TChannel ch;
        ASSERT_TRUE(DecodeChannel(Slot(state, 3), ch));
        if (c.field == cfPower) {
            EXPECT_EQ(ch.Power, 1);
        }
        if (c.field == cfEpilogue) {
            EXPECT_EQ(ch.Epilogue, 2);
        }
        if (c.field == cfRxTone) {
            EXPECT_EQ(ch.RxTone, "D754I");
        }
        if (c.field == cfBandwidth) {
            EXPECT_EQ(ch.Bandwidth, 1);
        }
        if (c.field == cfOverTone) {
            EXPECT_EQ(ch.OverTone, 1);
        }
    }
    std::copy(start.begin(), start.end(), Slot(state, 3));
    EncodeChannelField(state, 3, cfTxFreq, "");
    EXPECT_EQ(Slot(state, 3)[4] & Slot(state, 3)[7] & Slot(state, 3)[10] & Slot(state, 3)[11], 0xFF);
    EXPECT_EQ(Slot(state, 3)[0], 0x25);
    EXPECT_EQ(Slot(state, 3)[8], 0x70);
    EXPECT_EQ(Slot(state, 3)[12], 0xAA);
    EncodeChannelField(state, 3, cfRxFreq, "");
    for (int i = 0; i < 16; ++i) EXPECT_EQ(Slot(state, 3)[i], 0xFF);
    // Unknown fields and channels outside the model touch nothing.
    const auto before = state.Image;
    EncodeChannelField(state, 3, 12, "1");
    EncodeChannelField(state, 0, cfPower, "1");
    EncodeChannelField(state, 17, cfPower, "1");
    EXPECT_EQ(state.Image, before);
}

TEST(Bits, TestSetAndContains) {
    EXPECT_TRUE(TestBit(0x10, 4));
    EXPECT_FALSE(TestBit(0x10, 3));
    EXPECT_TRUE(TestBit(0x10, 9));
    EXPECT_FALSE(TestBit(0x00, 9));
    std::uint8_t b = 0x10;
    SetBit(b, 8, true);
    EXPECT_EQ(b, 0x10);
    SetBit(b, 0, true);
    SetBit(b, 4, false);
    EXPECT_EQ(b, 0x01);
    EXPECT_TRUE(ContainsAnyChar("ABCDEF", "446A"));
    EXPECT_FALSE(ContainsAnyChar("ABCDEF", "4460"));
}

TEST(Locale, CommaLocaleDoesNotChangeTexts) {
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) {
        const std::string dir = ::testing::TempDir() + "lm_locale";
        const std::string cmd =
            "mkdir -p " + dir + " && localedef -c -i de_DE -f UTF-8 " + dir + "/de_DE.UTF-8 >/dev/null 2>&1";
        if (std::system(cmd.c_str()) == -1) {
        }
        setenv("LOCPATH", dir.c_str(), 1);
        if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) {
            unsetenv("LOCPATH");
            GTEST_SKIP() << "no locale with a decimal comma";
        }
    }
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    TALL state;
    SetUhf(state);
    EXPECT_EQ(FreqTextToBcd("446.00625"), (Bytes4{0x25, 0x06, 0x60, 0x44}));
    EXPECT_EQ(CheckEnteredFrequency(state, 446.007).Text, "446.00625");
    EXPECT_EQ(ToneCodeToText(0x03, 0x25), "250.3");
    EXPECT_EQ(NormalizeToneText("88.5"), "88.5");
    std::setlocale(LC_ALL, "C");
    unsetenv("LOCPATH");
}

}  // namespace
}  // namespace lm
