#include "core/channel_table.h"

#include <gtest/gtest.h>

#include "core/channel.h"
#include "core_fixture.h"

namespace lm {
namespace {

class ChannelTableTest : public CoreStateTest {};

// The epilogue offers three types after a CTCSS transmit tone only; otherwise a stored type is shown as "ON".
TEST_F(ChannelTableTest, RowsAndTheEpilogueRule) {
    const struct {
        const char* txTone;
        const char* epilogue;
        const char* shown;
        int value;
    } cases[] = {
        {"67.0", "2", "Type-2", 2}, {"67.0", "1", "Type-1", 1}, {"D023N", "2", "ON", 1},
        {"D023N", "0", "OFF", 0},   {"", "2", "ON", 1},
    };
    for (const auto& c : cases) {
        EncodeChannelField(state, 3, cfRxFreq, "446.00625");
        EncodeChannelField(state, 3, cfTxFreq, "446.00625");
        EncodeChannelField(state, 3, cfTxTone, c.txTone);
        EncodeChannelField(state, 3, cfEpilogue, c.epilogue);
        const TALL& all = state;
        const ChannelRow row = ChannelTableRow(all, 3);
        ASSERT_TRUE(row.present) << c.txTone;
        EXPECT_EQ(row.cells[0], "3");
        EXPECT_EQ(row.cells[1], "446.00625");
        EXPECT_EQ(row.cells[4], *c.txTone ? c.txTone : "None");
        EXPECT_EQ(row.cells[11], c.shown) << c.txTone << " " << c.epilogue;
        EXPECT_EQ(row.values[11], c.value) << c.txTone << " " << c.epilogue;
    }
    // An empty slot, and a channel the model does not have.
    for (const int n : {4, 17}) EXPECT_FALSE(ChannelTableRow(state, n).present) << n;
}

}  // namespace
}  // namespace lm
