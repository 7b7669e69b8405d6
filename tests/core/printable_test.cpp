#include "core/printable.h"

#include <gtest/gtest.h>

#include <string>

namespace lm {
namespace {

// Whatever a file, the radio or the command line holds, no control character reaches a terminal raw and no
// line is shown whole when it is huge.
TEST(Printable, ControlCharactersAreEscapedAndLongTextsCut) {
    const std::string x60(60, 'x'), x2000(2000, 'x');
    const struct {
        std::string text;
        std::string printable;  // Printable
        std::string value;      // ShownValue, 60 bytes
        std::string message;    // PrintableMessage
    } cases[] = {
        {"squelch=2", "squelch=2", "squelch=2", "squelch=2"},
        {"信道 1", "信道 1", "信道 1", "信道 1"},
        {"\x1b]0;owned\x07", "\\x1B]0;owned\\x07", "\\x1B]0;owned\\x07", "\\x1B]0;owned\\x07"},
        {"a\r\nb\tc\x7f", "a\\x0D\\x0Ab\\x09c\\x7F", "a\\x0D\\x0Ab\\x09c\\x7F", "a\\x0D\nb\tc\\x7F"},
        {"csi \xc2\x9b"
         "2J",
         "csi \\xC2\\x9B2J", "csi \\xC2\\x9B2J", "csi \\xC2\\x9B2J"},
        {"bad \xff\xc3", "bad \\xFF\\xC3", "bad \\xFF\\xC3", "bad \\xFF\\xC3"},
        {x60 + "y", x60 + "y", x60 + "\u2026", x60 + "y"},
        // A cut never splits an escape or a character.
        {std::string(58, 'x') + "\x1b", std::string(58, 'x') + "\\x1B", std::string(58, 'x') + "\u2026",
         std::string(58, 'x') + "\\x1B"},
        {std::string(59, 'x') + "信", std::string(59, 'x') + "信", std::string(59, 'x') + "\u2026",
         std::string(59, 'x') + "信"},
        {x2000 + "\nnext", x2000 + "\\x0Anext", x60 + "\u2026", std::string(1000, 'x') + "\u2026\nnext"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Printable(c.text), c.printable) << c.text;
        EXPECT_EQ(ShownValue(c.text), c.value) << c.text;
        EXPECT_EQ(PrintableMessage(c.text), c.message) << c.text;
    }
}

}  // namespace
}  // namespace lm
