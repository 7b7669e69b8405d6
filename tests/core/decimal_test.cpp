#include "core/decimal.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace lm {
namespace {

// The one reader of decimal numbers: frequencies, tones, CSV cells and band limits all go through it.
TEST(Decimal, ParseScaled) {
    struct Row {
        const char* text;
        int decimals;
        std::optional<long long> value;
    };
    const Row rows[] = {
        {"446.00625", 5, 44600625},
        {"+1.5", 1, 15},
        {"-0.05", 1, -1},       // half away from zero
        {"1.23455", 4, 12346},  // the first dropped digit rounds
        {"1.23449", 4, 12345},  // later ones do not
        {".5", 2, 50},
        {"7.", 2, 700},
        {"123456789012", 0, 123456789012LL},  // the longest whole part
        {"1234567890123", 0, std::nullopt},
        {".", 1, std::nullopt},
        {"", 1, std::nullopt},
        {"1,5", 1, std::nullopt},  // "." whatever the locale
        {"1.2.3", 1, std::nullopt},
        {" 1", 1, std::nullopt},
    };
    for (const Row& row : rows) EXPECT_EQ(ParseScaled(row.text, row.decimals), row.value) << row.text;
    EXPECT_EQ(FormatScaled(-1, 1), "-0.1");
    EXPECT_EQ(FormatScaled(44600625, 5), "446.00625");
    EXPECT_EQ(FormatScaled(12, 0), "12");
}

}  // namespace
}  // namespace lm
