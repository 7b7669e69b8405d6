// The function windows' settings table and its reading and writing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/settings_access.h"
#include "core_fixture.h"

namespace lm {
namespace {

class SettingsTest : public CoreStateTest {};

// Every item a window offers survives the range check, and every value the range check keeps shows an item.
TEST_F(SettingsTest, TableAgreesWithTheRangeCheck) {
    state.KeyLayout = 0;  // every key function offered
    for (const Setting& s : SettingsTable()) {
        if (s.items.empty() || s.encoding == SettingEncoding::Unbound) continue;
        const std::size_t b = static_cast<std::size_t>(s.byte);
        for (int item = 0; item < static_cast<int>(OfferedItems(state, s).size()); ++item) {
            WriteItem(state, s, item);
            const ImageBytes written = state.Image;
            SanitizeImage(state);
            EXPECT_EQ(state.Image, written)
                << s.component << " item " << s.items[static_cast<std::size_t>(item)];
            EXPECT_EQ(ReadItem(state, s), item) << s.component;
        }
        for (int v = 0; v < 256; ++v) {
            state.Image[b] = static_cast<std::uint8_t>(v);
            SanitizeImage(state);
            if (state.Image[b] == v) {
                EXPECT_GE(ReadItem(state, s), 0) << s.component << " value " << v;
            }
        }
    }
}

TEST_F(SettingsTest, NewImageShowsTheDefaults) {
    std::string shown;
    for (const Setting& s : SettingsTable())
        if (!s.key.empty()) shown += std::string(s.key) + "=" + *ReadSetting(state, s.key) + "\n";
    EXPECT_EQ(
        shown,
        "long-press-time=2.0\nkey1-short=Scan\nkey2-short=H/L Power\nkey1-long=Transient Monmome\n"
        "key2-long=Scrambler\nvox-level=OFF\nvox-delay=1.0\nvox-inhibit-on-receive=Yes\nsquelch=5\n"
        "tx-time-out=180\nbattery-save=1:4\nvoice=China\nchs-wavs=None\ntone=On\nvol-inhibit-tx=Both\n"
        "incept-alarm=On\n1750-time=Durative\nwhisper=Off\nscan-speed=50\ndropout-delay=15\n"
        "priority-channel=Off\nscan-mode=TE\ndtmf-speed=6\nfirst-digit-time=0\nfirst-digit-delay=100\n"
        "star-hash-tone=0\ncode-space-time=1s\nside-tone=On\nstun-type=Tx Inhibit\nptt-id=BOT\n"
        "begin-of-tx=123456\nend-of-tx=\nid-code=000\ngroup-code=Off\nauto-reset-time=10\ntranspond=Off\n"
        "stun-code=\nautodial-1=\nautodial-2=\nautodial-3=\nautodial-4=\nautodial-5=\nautodial-6=\n"
        "autodial-7=\nautodial-8=\n");
    const Setting* fmMin = FindSettingByComponent(SettingWindow::ScanInformation, "cxFM_Min");
    const Setting* fmMax = FindSettingByComponent(SettingWindow::ScanInformation, "cxFM_Max");
    ASSERT_TRUE(fmMin && fmMax && fmMin->hidden);
    EXPECT_EQ(ReadText(state, *fmMin), "88.000");
    EXPECT_EQ(ReadText(state, *fmMax), "108.000");
}

// One list setting: the image byte before, what it shows, the value written and the byte after.
struct ItemCase {
    const char* key;
    int byte;
    std::uint8_t before;
    const char* shows;
    const char* write;
    std::uint8_t after;
};

TEST_F(SettingsTest, ListEncodings) {
    const ItemCase cases[] = {
        {"vox-level", 298, 0x06, "4", "off", 0x07},
        {"vox-level", 298, 0x07, "OFF", "9", 0x10},
        {"vox-level", 298, 0x09, "OFF", "1", 0x00},
        {"voice", 293, 0xF2, "Off", "English", 0xF1},
        {"voice", 293, 0xF3, "China", "Off", 0xF2},
        {"voice", 293, 0x01, "English", "China", 0x03},
        {"star-hash-tone", 317, 0xC3, "0", "1000", 0xC2},
        {"star-hash-tone", 317, 0xC0, "100", "0", 0xC3},
        {"code-space-time", 317, 0x3C, "0s", "1s", 0x00},
        {"code-space-time", 317, 0x00, "1s", "0s", 0x3C},
        {"stun-type", 317, 0x80, "Tx Inhibit", "tx/rx inhibit", 0x00},
        {"side-tone", 317, 0x00, "Off", "On", 0x40},
        {"key1-short", 306, 0, "Off", "Scrambler", 7},
        {"key1-long", 307, 0, "Off", "Scrambler", 8},
        {"vox-inhibit-on-receive", 293, 0xFF, "Yes", "No", 0x7F},
        {"vol-inhibit-tx", 293, 0x00, "Off", "High Inhibit", 0x20},
        {"whisper", 297, 0xFF, "Off", "On", 0xEF},
        {"1750-time", 297, 0xE0, "1", "Durative", 0xEF},
        {"tx-time-out", 295, 12, "180", "450", 30},
    };
    for (const ItemCase& c : cases) {
        state.Image[static_cast<std::size_t>(c.byte)] = c.before;
        EXPECT_EQ(ReadSetting(state, c.key), c.shows) << c.key;
        const SettingWrite w = WriteSetting(state, c.key, c.write);
        EXPECT_TRUE(w.Ok()) << c.key;
        EXPECT_EQ(state.Image[static_cast<std::size_t>(c.byte)], c.after) << c.key << " " << c.write;
    }
    for (const char* refused : {"vox-delay=3.0", "tx-time-out=465", "tx-time-out=600", "scan-mode=XX"}) {
        const std::string a = refused;
        const std::size_t eq = a.find('=');
        EXPECT_EQ(WriteSetting(state, a.substr(0, eq), a.substr(eq + 1)).refusal, SettingRefusal::NotAnItem)
            << a;
    }
    EXPECT_EQ(WriteSetting(state, "volume", "1").refusal, SettingRefusal::UnknownKey);
}

TEST_F(SettingsTest, KeyLayoutThreeOffersNoLight) {
    const Setting& key1Short = *FindSettingByComponent(SettingWindow::KeyFunction, "cxKey1_S");
    ASSERT_EQ(state.KeyLayout, 3);
    EXPECT_EQ(OfferedItems(state, key1Short).size(), 10u);
    state.Image[306] = 5;  // "Light"
    EXPECT_EQ(ReadSetting(state, "key1-short"), "Off");
    EXPECT_EQ(state.Image[306], 5);
    EXPECT_EQ(WriteSetting(state, "key1-long", "Light").refusal, SettingRefusal::NotAnItem);
    state.KeyLayout = 0;
    EXPECT_EQ(ReadSetting(state, "key1-short"), "Light");
}

// One code field: the text written, what the field shows then, the bytes from its first digit byte on, its
// length byte (-1: none) and the outcome.
struct CodeCase {
    const char* key;
    const char* text;
    SettingRefusal refusal;
    const char* shows;
    std::vector<std::uint8_t> digits;
    int length;
    bool cut;
};

TEST_F(SettingsTest, CodeFields) {
    using R = SettingRefusal;
    const CodeCase cases[] = {
        {"id-code", "7", R::None, "700", {0x70, 0x0F, 0xFF, 0xFF, 0xFF}, -1, false},
        {"id-code", "12", R::None, "120", {0x12, 0x0F, 0xFF, 0xFF, 0xFF}, -1, false},
        {"id-code", "", R::None, "000", {0x00, 0x0F, 0xFF, 0xFF, 0xFF}, -1, false},
        {"id-code", "1234567890", R::None, "1234567890", {0x12, 0x34, 0x56, 0x78, 0x90}, -1, false},
        {"id-code", "12A", R::BadCharacter, "", {0x00, 0x0F}, -1, false},
        {"begin-of-tx", "12", R::None, "12", {0x12, 0x34, 0x56}, 2, false},
        {"begin-of-tx", "", R::None, "", {0x12, 0x34, 0x56}, 0, false},
        {"begin-of-tx", "12E", R::BadCharacter, "", {0x12, 0x34, 0x56}, 6, false},
        {"end-of-tx", "a#*d", R::None, "A#*D", {0xAE, 0xFD}, 4, false},
        {"stun-code", "12345678901", R::TooLong, "", {0xFF}, 0, false},
        {"autodial-1", "abcd1234567", R::None, "ABCD123456", {0xAB, 0xCD, 0x12, 0x34, 0x56, 0xFF}, 10, true},
    };
    for (const CodeCase& c : cases) {
        NewImageAt(state, kFixtureStamp);
        const Setting& s = *FindSettingByKey(c.key);
        const SettingWrite w = WriteSetting(state, c.key, c.text);
        EXPECT_EQ(w.refusal, c.refusal) << c.key << "=" << c.text;
        EXPECT_EQ(w.shown, c.shows) << c.key << "=" << c.text;
        EXPECT_EQ(w.cut, c.cut) << c.key;
        for (std::size_t k = 0; k < c.digits.size(); ++k)
            EXPECT_EQ(state.Image[static_cast<std::size_t>(s.byte) + k], c.digits[k])
                << c.key << " byte " << k;
        if (c.length >= 0) {
            EXPECT_EQ(state.Image[static_cast<std::size_t>(s.lengthByte)], c.length) << c.key;
        }
        if (w.Ok()) {
            EXPECT_EQ(ReadSetting(state, c.key), c.shows) << c.key;
        }
    }
}

}  // namespace
}  // namespace lm
