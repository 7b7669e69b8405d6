#pragma once
// The help texts of lm418t-cli, wrapped by the program at a fixed width.
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "args.h"

namespace lm::cli {

class Command;

constexpr std::size_t kHelpWidth = 80;

// Text of logical lines, each wrapped at kHelpWidth. A line that does not fit goes on under its hanging
// column: after its first run of two or more spaces past its indent (the second column of a table row), or
// else at its indent.
std::string WrapText(std::string_view text);
// One line wrapped at kHelpWidth with its continuation lines indented by hang.
std::string WrapHanging(std::string_view line, std::size_t hang);

// The usage line's arguments of a command: its options as declared ("[--csv]", "--port DEVICE [--port
// DEVICE ...]"), then its operands.
std::string Synopsis(const Command& command);

// The options as a table: name and value in one column, their help in the next.
std::string OptionsTable(std::span<const Option> options);

// "<command> --help": the usage line (never wrapped: it is read back by the shell's completion), the summary,
// the intro, the options and the details.
std::string CommandHelp(std::string_view tool, const Command& command);

}  // namespace lm::cli
