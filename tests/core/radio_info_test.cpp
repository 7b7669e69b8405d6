#include "core/radio_info.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/memory_map.h"

namespace lm {
namespace {

TEST(SerialNumber, PrintableBytesOnly) {
    const struct {
        std::vector<std::uint8_t> bytes;
        const char* text;
    } cases[] = {
        {{0x41, 0x42, 0x20, 0x31, 0x32, 0xFF}, "AB12"},
        {{0x09, 0x7F, 0x80, 0x21, 0x7E}, "!~"},
        {{}, ""},
        {std::vector<std::uint8_t>(16, 'Z'), "ZZZZZZZZZZZZZZZZ"},
    };
    for (const auto& c : cases) {
        TALL all;
        all.Image.fill(0xFF);
        std::copy(c.bytes.begin(), c.bytes.end(), all.Image.begin() + img::kSerialText);
        all.Image[img::kSerialText + 16] = 'Q';  // the byte after the field is not part of it
        EXPECT_EQ(SerialNumberText(all.Image), c.text);
        EXPECT_EQ(RadioInfoFields()[2].value(all), c.text);
    }
}

}  // namespace
}  // namespace lm
