// The differences of two images in words, and that every changed byte is named by at least one of them.
#include "core/image_diff.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "core/channel.h"
#include "core/channel_edit.h"
#include "core/memory_map.h"
#include "core/settings_access.h"
#include "core_fixture.h"

namespace lm {
namespace {

class ImageDiffTest : public CoreStateTest {
protected:
    void SetUp() override {
        CoreStateTest::SetUp();
        ASSERT_TRUE(SetRxFrequency(state, 3, "446.00625").Ok());
    }
};

constexpr std::size_t kChannel3Byte12 = img::kChannelsFirst + 2 * kSlotBytes + 12;  // radio address 0x003C

std::vector<std::string> Texts(const std::vector<Difference>& list) {
    std::vector<std::string> texts;
    for (const Difference& d : list) texts.push_back(d.Text());
    return texts;
}

TEST_F(ImageDiffTest, ListsEachChangeInWords) {
    struct Row {
        const char* name;
        std::function<void(TALL&)> change;
        std::vector<std::string> expected;
    };
    const std::vector<Row> rows = {
        {"equal images", [](TALL&) {}, {}},
        {"receive frequency",
         [](TALL& b) { EncodeChannelField(b, 3, cfRxFreq, "446.01250"); },
         {"Channel 3 RX Frequency: 446.00625 \u2192 446.01250"}},
        {"transmit tone",
         [](TALL& b) { ASSERT_TRUE(SetTone(b, 3, cfTxTone, "D023N").Ok()); },
         {"Channel 3 QT/DQT Enc: None \u2192 D023N"}},
        {"channel emptied",
         [](TALL& b) { ASSERT_TRUE(DeleteChannel(b, 3).Ok()); },
         {"Channel 3 RX Frequency: 446.00625 \u2192 (empty)",
          "Channel 3 TX Frequency: 446.00625 \u2192 (empty)", "Channel 3 QT/DQT Dec: None \u2192 (empty)",
          "Channel 3 QT/DQT Enc: None \u2192 (empty)", "Channel 3 TX Power: High \u2192 (empty)",
          "Channel 3 W/N: Wide \u2192 (empty)", "Channel 3 Scan Add: No \u2192 (empty)",
          "Channel 3 Compander: No \u2192 (empty)", "Channel 3 Scrambler: No \u2192 (empty)",
          "Channel 3 Busy Lock: No \u2192 (empty)", "Channel 3 Epilogue: ON \u2192 (empty)",
          "Channel 3 Over Tone: ON \u2192 (empty)"}},
        {"setting",
         [](TALL& b) { ASSERT_TRUE(WriteSetting(b, "squelch", "7").Ok()); },
         {"Squelch level: 5 \u2192 7"}},
        {"shared label told apart by the memory's number",
         [](TALL& b) { ASSERT_TRUE(WriteSetting(b, "autodial-3", "123").Ok()); },
         {"Autodial Memory 3: (empty) \u2192 123"}},
        {"serial number",
         [](TALL& b) { std::copy_n("LM418T-0001", 11, b.Image.begin() + img::kSerialText); },
         {"Serial Number: (empty) \u2192 LM418T-0001"}},
        {"byte no window shows",
         [](TALL& b) { b.Image[0x01F3 + 1] = 0x00; },
         {"Byte 0x01F3: 0xFF \u2192 0x00"}},
        {"bit of a shown byte no control covers",
         [](TALL& b) { b.Image[kChannel3Byte12] ^= 0x80; },
         {"Byte 0x003C: " + ByteText(state.Image[kChannel3Byte12]) + " \u2192 " +
          ByteText(state.Image[kChannel3Byte12] ^ 0x80)}},
    };
    for (const Row& row : rows) {
        TALL b = state;
        row.change(b);
        EXPECT_EQ(Texts(DiffImages(state, b)), row.expected) << row.name;
    }
}

// Labels and items come from the language: here a lookup that names the key it is asked for.
TEST_F(ImageDiffTest, FollowsTheLanguage) {
    TALL b = state;
    ASSERT_TRUE(SetOption(b, 3, cfPower, 0).Ok());
    const TextLookup keys = [](std::string_view section, std::string_view key, std::string_view) {
        return std::string(section) + "/" + std::string(key);
    };
    EXPECT_EQ(Texts(DiffImages(state, b, img::kLast, keys)),
              (std::vector<std::string>{"Language/Channel 3 fChInfo/BColText.5: fChInfo/cxPower.2 \u2192 "
                                        "fChInfo/cxPower.0"}));
}

TEST_F(ImageDiffTest, EveryChangedByteIsNamedByALine) {
    std::mt19937 random(418);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> coin(0, 3);
    for (int round = 0; round < 300; ++round) {
        TALL a = state;
        for (int i = 1; i <= img::kLast; ++i)
            a.Image[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(byte(random));
        TALL b = a;
        for (int i = 1; i <= img::kLast; ++i)
            if (coin(random) == 0)
                b.Image[static_cast<std::size_t>(i)] ^= static_cast<std::uint8_t>(1 << coin(random));
        const std::vector<Difference> list = DiffImages(a, b);
        std::vector<bool> named(kImageBytes, false);
        for (const Difference& d : list) {
            EXPECT_NE(d.before, d.after) << d.Text();
            for (int address : d.addresses) named.at(static_cast<std::size_t>(address)) = true;
        }
        for (int i = 1; i <= img::kLast; ++i) {
            const auto k = static_cast<std::size_t>(i);
            if (a.Image[k] != b.Image[k]) {
                ASSERT_TRUE(named[k - 1]) << "round " << round << " " << AddressText(i - 1);
            }
        }
        EXPECT_TRUE(DiffImages(a, a).empty());
        // A byte past the compared part is not named.
        for (const Difference& d : DiffImages(a, b, 496))
            for (int address : d.addresses) EXPECT_LT(address, 496) << d.Text();
    }
}

}  // namespace
}  // namespace lm
