#pragma once
// A command's options, declared once, and the parse of its arguments against them.
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lm::cli {

// One option of a command: what the parser accepts, the usage line shows and the help lists.
struct Option {
    std::string_view name;   // with its dashes: "--band"
    std::string_view value;  // what its value is called ("NAME", "grid|common"); empty for a flag
    // The help text: logical lines, wrapped by the help; lines after the first stand under it.
    std::string_view help;
    bool required = false;    // the usage line shows it without brackets (the command checks it)
    bool repeatable = false;  // may be given more than once: see ParsedArgs::All

    bool TakesValue() const { return !value.empty(); }
};

struct ParsedArgs {
    std::map<std::string, std::string> Values;  // options with a value
    std::set<std::string> Flags;                // options without one
    std::vector<std::string> Operands;

    std::map<std::string, std::vector<std::string>> Repeated;  // every value of a repeatable option, in order

    std::optional<std::string> Value(const std::string& name) const;
    std::vector<std::string> All(const std::string& name) const;
    bool Has(const std::string& flag) const { return Flags.count(flag) != 0; }
};

// "--name value" and "--name=value"; "--" ends the options; "-" alone is an operand. An unknown option, a
// repeated one that is not repeatable, a missing value or a value given to a flag throws UsageError.
ParsedArgs ParseArgs(const std::vector<std::string>& args, std::span<const Option> options);

// Throws UsageError unless there are exactly `count` operands; `names` describes them ("OUT.dat").
void ExpectOperands(const ParsedArgs& parsed, std::size_t count, const std::string& names);

// True when "--help" or "-h" comes before any "--".
bool AsksForHelp(const std::vector<std::string>& args);

}  // namespace lm::cli
