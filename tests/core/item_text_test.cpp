#include "core/item_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/channel_table.h"
#include "core/settings_table.h"

namespace lm {
namespace {

// Typed keys choose the first item that begins with everything typed, without regard to case; a key that no
// item continues starts the typing again.
TEST(ItemText, TypingChoosesTheFirstItemBeginningWithTheTypedText) {
    const std::vector<std::string> onOff{"OFF", "ON"};
    const std::vector<std::string> epilogue{"OFF", "Type-1", "Type-2"};
    const std::vector<std::string> power{"Low", "Mid", "High"};
    const struct {
        const std::vector<std::string>* items;
        std::vector<std::string> keys;
        int chosen;
        std::string typed;
    } cases[] = {
        {&onOff, {"O", "N"}, 1, "ON"},    {&onOff, {"o", "n"}, 1, "on"},
        {&onOff, {"O"}, 0, "O"},          {&epilogue, {"T"}, 1, "T"},
        {&epilogue, {"T", "Y"}, 1, "TY"}, {&epilogue, {"t", "y", "p", "e", "-", "2"}, 2, "type-2"},
        {&power, {"M", "H"}, 2, "H"},  // "MH" begins no item: "H" alone
        {&power, {"X"}, -1, ""},       // nothing begins with X
        {&power, {"L", "X"}, -1, ""},     {&power, {""}, -1, ""},
    };
    for (const auto& c : cases) {
        std::string typed;
        int chosen = -2;
        for (const std::string& key : c.keys) chosen = ChooseByTyping(*c.items, typed, key);
        EXPECT_EQ(chosen, c.chosen) << c.keys.size() << " keys, typed " << c.typed;
        EXPECT_EQ(typed, c.typed);
    }
}

// In every list of the grid and of the settings windows, typing an item's whole text chooses that item: no
// earlier item begins with it.
TEST(ItemText, EveryItemOfEveryListIsChosenByItsText) {
    std::vector<std::vector<std::string>> lists;
    for (const ChannelColumn& c : ChannelColumns())
        if (!c.items.empty()) lists.push_back(c.items);
    lists.push_back(EpilogueItems(""));
    for (const Setting& s : SettingsTable())
        if (!s.items.empty()) lists.push_back(s.items);
    ASSERT_GT(lists.size(), 30U);
    for (const std::vector<std::string>& items : lists) {
        for (std::size_t i = 0; i < items.size(); ++i) {
            std::string typed;
            int chosen = -1;
            for (char key : items[i]) chosen = ChooseByTyping(items, typed, std::string(1, key));
            EXPECT_EQ(chosen, static_cast<int>(i)) << items[i];
        }
    }
}

}  // namespace
}  // namespace lm
