#include "core/port_name.h"

#include <gtest/gtest.h>

namespace lm {
namespace {

TEST(ComPortNumber, ComFollowedByDigitsOnly) {
    const struct {
        const char* name;
        int number;
    } cases[] = {
        {"COM1", 1},         {"com12", 12},  {"Com3", 3},      {"COM01", 1},  {"COM012", 12},
        {"COM0", 0},         {"COM", 0},     {"COM1x", 0},     {"COM 1", 0},  {"COM-1", 0},
        {"/dev/ttyUSB0", 0}, {"ttyS1", 0},   {"", 0},          {"XCOM1", 0},  {"COM99999999999", kComPortLimit},
    };
    for (const auto& c : cases) EXPECT_EQ(ComPortNumber(c.name), c.number) << c.name;
}

}  // namespace
}  // namespace lm
