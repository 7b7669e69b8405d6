#pragma once
// Options and operands of one command's arguments.
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace lm::cli {

struct OptionSpec {
    OptionSpec(std::string name, bool takesValue = false, bool repeatable = false)
        : Name(std::move(name)), TakesValue(takesValue), Repeatable(repeatable) {}
    std::string Name;  // with its dashes: "--band"
    bool TakesValue;
    bool Repeatable;  // may be given more than once (with a value): see ParsedArgs::All
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
// repeated one that is not Repeatable, a missing value or a value given to a flag throws UsageError.
ParsedArgs ParseArgs(const std::vector<std::string>& args, const std::vector<OptionSpec>& specs);

// Throws UsageError unless there are exactly `count` operands; `names` describes them ("OUT.dat").
void ExpectOperands(const ParsedArgs& parsed, std::size_t count, const std::string& names);

// True when "--help" or "-h" comes before any "--".
bool AsksForHelp(const std::vector<std::string>& args);

}  // namespace lm::cli
