#include "core/channel_edit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/channel_form.h"
#include "core/channel_table.h"
#include "core_fixture.h"

namespace lm {
namespace {

using W = TFreqWarning;
using R = EditRefusal;
using U = UnreadableFrequency;
using Bytes = std::vector<std::uint8_t>;

// Band 450 - 470 MHz, model 300 - 650 MHz. Channel 2 exists (D023N transmit tone, epilogue 2 stored), channel
// 4 is a slot left behind with flag bytes of zero bits and foreign bits set.
class ChannelEditTest : public CoreStateTest {
protected:
    void SetUp() override {
        CoreStateTest::SetUp();
        const Bytes two = {0x00, 0x00, 0x60, 0x46, 0x00, 0x00, 0x60, 0x46,
                           0xFF, 0xFF, 0x23, 0x80, 0x00, 0x02, 0x00, 0xFF};
        const Bytes four = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                            0xFF, 0xFF, 0xFF, 0xFF, 0x80, 0xFC, 0xFE, 0xFF};
        std::copy(two.begin(), two.end(), Slot(2));
        std::copy(four.begin(), four.end(), Slot(4));
    }
    std::uint8_t* Slot(int n) { return &state.Image[static_cast<std::size_t>(16 * n + 1)]; }
    Bytes SlotBytes(int n) { return Bytes(Slot(n), Slot(n) + 16); }
};

// Typed frequencies: CheckEnteredFrequency's warnings, unreadable text by policy, create, delete, refusals.
TEST_F(ChannelEditTest, Frequencies) {
    const struct {
        int n, field;
        const char* text;
        U unreadable;
        R refusal;
        W warning;
        const char* stored;
        bool created, deleted;
    } cases[] = {
        {2, cfRxFreq, "446.007", U::HighEdge, R::None, W::OutRange, "446.00625", false, false},
        {2, cfTxFreq, "250", U::HighEdge, R::None, W::ErrRange, "450.00000", false, false},
        {2, cfTxFreq, ".", U::HighEdge, R::None, W::OutRange, "470.00000", false, false},
        {2, cfTxFreq, "4x6", U::Refuse, R::NotANumber, W::ErrRange, "", false, false},
        {2, cfRxFreq, " ", U::HighEdge, R::None, W::None, "", false, true},
        {4, cfRxFreq, "", U::HighEdge, R::None, W::None, "", false, false},
        {4, cfRxFreq, "455", U::Refuse, R::None, W::None, "455.00000", true, false},
        {4, cfTxFreq, "455", U::HighEdge, R::EmptyChannel, W::None, "", false, false},
        {17, cfRxFreq, "455", U::HighEdge, R::NoSuchChannel, W::None, "", false, false},
    };
    for (const auto& c : cases) {
        SetUp();
        const ImageBytes before = state.Image;
        const ChannelEdit e = c.field == cfRxFreq ? SetRxFrequency(state, c.n, c.text, c.unreadable)
                                                  : SetTxFrequency(state, c.n, c.text, c.unreadable);
        const std::string at = std::to_string(c.n) + " " + c.text;
        EXPECT_EQ(e.refusal, c.refusal) << at;
        EXPECT_EQ(e.warning, c.warning) << at;
        EXPECT_EQ(e.stored, c.stored) << at;
        EXPECT_EQ(e.created, c.created) << at;
        EXPECT_EQ(e.deleted, c.deleted) << at;
        if (!e.Ok()) {
            EXPECT_EQ(state.Image, before) << at;
        } else if (c.deleted) {
            EXPECT_EQ(SlotBytes(c.n), Bytes(16, 0xFF)) << at;
        } else if (*c.stored) {
            EXPECT_EQ(ChannelTableRow(state, c.n).cells[static_cast<std::size_t>(ColumnOfField(c.field))],
                      c.stored);
        }
    }
}

// A new channel gets every default the grid shows written, columns 10 to 13 included, whatever the slot held;
// the bits the program gives no meaning keep their values.
TEST_F(ChannelEditTest, NewChannelWritesAllShownDefaults) {
    const ChannelEdit e = SetRxFrequency(state, 4, "460.00625");
    ASSERT_TRUE(e.created);
    EXPECT_EQ(SlotBytes(4), (Bytes{0x25, 0x06, 0x00, 0x46, 0x25, 0x06, 0x00, 0x46, 0xFF, 0xFF, 0xFF, 0xFF,
                                   0xF6, 0xFD, 0xFF, 0xFF}));
    const ChannelRow row = ChannelTableRow(state, 4);
    EXPECT_EQ(std::vector<std::string>(row.cells.begin() + 3, row.cells.end()),
              (std::vector<std::string>{"None", "None", "High", "Wide", "No", "No", "No", "No", "ON", "ON"}));
    EXPECT_EQ(LoadChannelTexts(state, 4), NewChannelTexts("460.00625"));
}

// Tones: the none text, NormalizeToneText with the repaired ones told, the transmit tone's needs, the
// epilogue following the transmit tone (also when clearing the transmit frequency takes the tone away).
TEST_F(ChannelEditTest, TonesAndTheEpilogue) {
    const struct {
        int field;
        const char* text;
        R refusal;
        const char* stored;
        bool repaired;
        int epilogue;  // stored in the slot afterwards
    } cases[] = {
        {cfRxTone, "67", R::None, "67.0", false, 2},    {cfRxTone, "5", R::None, "30.0", true, 2},
        {cfRxTone, "D999N", R::None, "D777N", true, 2}, {cfRxTone, "None", R::None, "None", false, 2},
        {cfTxTone, "100", R::None, "100.0", false, 2},  {cfTxTone, "D754I", R::None, "D754I", false, 1},
        {cfTxTone, "", R::None, "None", false, 1},      {cfTxFreq, "", R::None, "", false, 1},
        {cfPower, "67", R::NotAField, "", false, 2},
    };
    for (const auto& c : cases) {
        SetUp();
        const ChannelEdit e =
            c.field == cfTxFreq ? SetTxFrequency(state, 2, c.text) : SetTone(state, 2, c.field, c.text);
        EXPECT_EQ(e.refusal, c.refusal) << c.text;
        EXPECT_EQ(e.stored, c.stored) << c.text;
        EXPECT_EQ(e.toneRepaired, c.repaired) << c.text;
        EXPECT_EQ(Slot(2)[13] & 3, c.epilogue) << c.text;
        // The epilogue's list may change with the transmit tone.
        EXPECT_EQ(e.changed.test(cfEpilogue), c.field == cfTxTone || c.field == cfTxFreq) << c.text;
    }
    SetUp();
    SetTxFrequency(state, 2, "");
    EXPECT_EQ(SetTone(state, 2, cfTxTone, "67").refusal, R::NoTxFrequency);
    EXPECT_EQ(SetTone(state, 4, cfRxTone, "67").refusal, R::EmptyChannel);
}

// Values as the grid shows them, items without regard to case; the epilogue's list follows the transmit tone.
TEST_F(ChannelEditTest, FieldTextsAndEditors) {
    const struct {
        int n, field;
        const char* text;
        R refusal;
        const char* stored;
    } cases[] = {
        {2, cfPower, "low", R::None, "Low"},      {2, cfBandwidth, "NARROW", R::None, "Narrow"},
        {2, cfScanAdd, "yes", R::None, "Yes"},    {2, cfOverTone, "off", R::None, "OFF"},
        {2, cfEpilogue, "on", R::None, "ON"},     {2, cfEpilogue, "Type-1", R::NotAnItem, "Type-1"},
        {2, cfTxTone, "d023i", R::None, "D023I"}, {2, cfRxTone, "NONE", R::None, "None"},
        {2, cfPower, "Max", R::NotAnItem, "Max"}, {4, cfPower, "High", R::EmptyChannel, ""},
    };
    for (const auto& c : cases) {
        SetUp();
        const ChannelEdit e = SetFieldText(state, c.n, c.field, c.text);
        EXPECT_EQ(e.refusal, c.refusal) << c.text;
        EXPECT_EQ(e.stored, c.stored) << c.text;
    }
    SetUp();
    SetTxFrequency(state, 2, "");
    const struct {
        int n, field;
        EditorKind kind;
        const char* box;
    } editors[] = {
        {4, cfRxFreq, EditorKind::Typed, ""},
        {4, cfTxFreq, EditorKind::None, ""},
        {4, cfPower, EditorKind::None, ""},
        {2, cfTxFreq, EditorKind::Typed, ""},
        {2, cfRxTone, EditorKind::ToneBox, "cxRxDcts"},
        {2, cfTxTone, EditorKind::None, ""},
        {2, cfEpilogue, EditorKind::ListBox, "cxDcs"},
        {2, cfScrambler, EditorKind::ListBox, "cxHave"},
    };
    for (const auto& c : editors) {
        const FieldEditor editor = FieldEditorOf(state, c.n, c.field);
        EXPECT_EQ(editor.kind, c.kind) << c.n << " " << c.field;
        EXPECT_EQ(editor.box, c.box) << c.n << " " << c.field;
    }
    SetTxFrequency(state, 2, "460");
    SetTone(state, 2, cfTxTone, "67");
    EXPECT_EQ(*FieldEditorOf(state, 2, cfEpilogue).items,
              (std::vector<std::string>{"OFF", "Type-1", "Type-2"}));
}

// The edit window's whole-channel write: tones repaired, no transmit tone without a transmit frequency, the
// epilogue limited to its list, an empty receive frequency erasing the slot, unreadable frequencies refused.
TEST_F(ChannelEditTest, SaveChannelWritesTheWholeChannel) {
    ChannelTexts texts = LoadChannelTexts(state, 2);
    EXPECT_EQ(texts[cfEpilogue], "1");  // stored 2 with a DCS tone: shown as ON
    texts[cfRxTone] = "5";
    texts[cfTxFreq] = "";
    texts[cfPower] = "0";
    ChannelEdit e = SaveChannel(state, 2, texts);
    EXPECT_TRUE(e.Ok() && e.toneRepaired);
    EXPECT_EQ(SlotBytes(2), (Bytes{0x00, 0x00, 0x60, 0x46, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x03, 0xFF, 0xFF,
                                   0x00, 0x01, 0x00, 0xFF}));
    texts[cfTxFreq] = "1x";
    const Bytes before = SlotBytes(2);
    EXPECT_EQ(SaveChannel(state, 2, texts).refusal, R::NotANumber);
    EXPECT_EQ(SlotBytes(2), before);
    texts[cfRxFreq] = "";
    EXPECT_TRUE(SaveChannel(state, 2, texts).deleted);
    EXPECT_EQ(SlotBytes(2), Bytes(16, 0xFF));
}

}  // namespace
}  // namespace lm
