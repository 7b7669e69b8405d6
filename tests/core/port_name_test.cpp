#include "core/port_name.h"

#include <gtest/gtest.h>

namespace lm {
namespace {

TEST(ComPortNumber, ComFollowedByDigitsOnly) {
    const struct {
        const char* name;
        int number;
    } cases[] = {
        {"COM1", 1},         {"com12", 12}, {"Com3", 3},  {"COM01", 1}, {"COM012", 12},
        {"COM0", 0},         {"COM", 0},    {"COM1x", 0}, {"COM 1", 0}, {"COM-1", 0},
        {"/dev/ttyUSB0", 0}, {"ttyS1", 0},  {"", 0},      {"XCOM1", 0}, {"COM99999999999", kComPortLimit},
    };
    for (const auto& c : cases) EXPECT_EQ(ComPortNumber(c.name), c.number) << c.name;
}

// With no port configured the first port is taken: the programming cable (a USB adapter) comes before the
// machine's own serial ports.
TEST(OrderPortsForChoice, UsbAdaptersFirstThenByName) {
    std::vector<PortEntry> ports = {{"/dev/ttyS1", "", "", false},
                                    {"/dev/ttyUSB1", "USB Serial", "Maker", true},
                                    {"/dev/ttyS0", "", "", false},
                                    {"/dev/ttyACM0", "Modem", "Modem", true}};
    OrderPortsForChoice(ports);
    std::vector<std::string> names;
    for (const PortEntry& p : ports) names.push_back(p.name);
    EXPECT_EQ(names, (std::vector<std::string>{"/dev/ttyACM0", "/dev/ttyUSB1", "/dev/ttyS0", "/dev/ttyS1"}));
    const struct {
        PortEntry port;
        const char* text;
    } cases[] = {{ports[0], "Modem"},
                 {ports[1], "USB Serial (Maker)"},
                 {ports[2], ""},
                 {{"x", "", "Maker", true}, "Maker"}};
    for (const auto& c : cases) EXPECT_EQ(PortDescriptionText(c.port), c.text) << c.port.name;
}

}  // namespace
}  // namespace lm
