#include "core/channel_batch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/channel_table.h"
#include "core_fixture.h"

namespace lm {
namespace {

class ChannelBatchTest : public CoreStateTest {
protected:
    std::vector<std::string> Cells(int n) { return ChannelTableRow(state, n).cells; }
};

// Copied channels pasted elsewhere are the same channels; a title row is skipped, rows past the last channel
// are counted, an empty row empties its channel.
TEST_F(ChannelBatchTest, CopyAndPasteRoundTrip) {
    SetRxFrequency(state, 1, "460.00625");
    SetTone(state, 1, cfTxTone, "88.5");
    SetOption(state, 1, cfEpilogue, 2);
    SetRxFrequency(state, 3, "455");
    SetTxFrequency(state, 3, "");
    SetRxFrequency(state, 15, "451");
    const std::string text = ChannelsText(state, {1, 2, 3}, true);
    EXPECT_EQ(text.substr(0, text.find('\n')),
              "Channel No.\tRX Frequency\tTX Frequency\tQT/DQT Dec\tQT/DQT Enc\t"
              "TX Power\tW/N\tScan Add\tCompander\tScrambler\tBusy Lock\tEpilogue\tOver Tone");
    EXPECT_NE(text.find("\n2\t\t\t\t\t\t\t\t\t\t\t\t\n"), std::string::npos) << text;

    const PasteOutcome outcome = PasteChannels(state, 14, text);
    EXPECT_EQ(outcome.channels, (std::vector<int>{14, 15, 16}));
    EXPECT_TRUE(outcome.notes.empty());
    for (int n = 1; n <= 3; ++n) {
        std::vector<std::string> copied = Cells(n), pasted = Cells(n + 13);
        copied.erase(copied.begin());
        pasted.erase(pasted.begin());
        EXPECT_EQ(pasted, copied) << n;
    }
    EXPECT_EQ(PasteChannels(state, 16, text).rowsLeftOver, 2);
}

// Text from a spreadsheet passes the rules of typing: warnings and refused cells are collected, the rest is
// kept.
TEST_F(ChannelBatchTest, PastedCellsPassTheTypingRules) {
    const PasteOutcome outcome = PasteChannels(state, 5,
                                               "1\t480\t\tnone\t5\thigh\r\n"
                                               "2\t455\t455\tD023N\t67\tMax\tNarrow\n");
    ASSERT_EQ(outcome.notes.size(), 3u);
    EXPECT_EQ(outcome.notes[0].warning, TFreqWarning::OutRange);
    EXPECT_EQ(outcome.notes[1].refusal, EditRefusal::NoTxFrequency);  // row 1 has no transmit frequency
    EXPECT_EQ(outcome.notes[2].refusal, EditRefusal::NotAnItem);
    EXPECT_EQ(EditNote(outcome.notes[0], "RX Frequency", "Out."),
              "Channel 5, RX Frequency: Out. Stored: 480.00000");
    EXPECT_EQ(Cells(5)[2], "");
    EXPECT_EQ(Cells(6)[5], "High");  // a new channel's default stays where the cell was refused
    EXPECT_EQ(Cells(6)[6], "Narrow");
}

// One field for many channels in one go: empty channels are passed over; the steps are named.
TEST_F(ChannelBatchTest, BulkEditAndStepNames) {
    for (const int n : {2, 4}) SetRxFrequency(state, n, "460");
    const std::vector<ChannelEdit> edits =
        EditExistingChannels(state, {2, 3, 4}, [](TALL& s, int n) { return SetOption(s, n, cfPower, 0); });
    ASSERT_EQ(edits.size(), 2u);
    EXPECT_EQ(Cells(2)[5], "Low");
    EXPECT_EQ(Cells(4)[5], "Low");
    EXPECT_FALSE(ChannelTableRow(state, 3).present);
    EXPECT_EQ(FieldStepName(cfRxFreq, {3}), "RX Frequency of channel 3");
    EXPECT_EQ(FieldStepName(cfPower, {2, 4}), "TX Power of 2 channels");
    EXPECT_EQ(StepName("Paste", {1, 2, 3, 4, 5}), "Paste of 5 channels");
}

}  // namespace
}  // namespace lm
