#include "args.h"

#include <algorithm>

#include "command.h"
#include "core/printable.h"

namespace lm::cli {

std::optional<std::string> ParsedArgs::Value(const std::string& name) const {
    const auto it = Values.find(name);
    if (it == Values.end()) return std::nullopt;
    return it->second;
}

std::vector<std::string> ParsedArgs::All(const std::string& name) const {
    const auto it = Repeated.find(name);
    return it == Repeated.end() ? std::vector<std::string>{} : it->second;
}

ParsedArgs ParseArgs(const std::vector<std::string>& args, std::span<const Option> options) {
    ParsedArgs parsed;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg == "-" || arg.empty() || arg[0] != '-') {
            parsed.Operands.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const std::size_t eq = arg.find('=');
        const std::string name = arg.substr(0, eq);
        const auto option =
            std::find_if(options.begin(), options.end(), [&](const Option& o) { return o.name == name; });
        if (option == options.end()) throw UsageError("unknown option " + ShownValue(name));
        if (!option->repeatable && (parsed.Values.count(name) || parsed.Flags.count(name)))
            throw UsageError("option " + name + " given twice");
        if (!option->TakesValue()) {
            if (eq != std::string::npos) throw UsageError("option " + name + " takes no value");
            parsed.Flags.insert(name);
        } else if (eq == std::string::npos && i + 1 >= args.size()) {
            throw UsageError("option " + name + " needs a value");
        } else {
            const std::string value = eq != std::string::npos ? arg.substr(eq + 1) : args[++i];
            parsed.Values[name] = value;
            parsed.Repeated[name].push_back(value);
        }
    }
    return parsed;
}

void ExpectOperands(const ParsedArgs& parsed, std::size_t count, const std::string& names) {
    if (parsed.Operands.size() < count) throw UsageError("missing " + names);
    if (parsed.Operands.size() > count)
        throw UsageError("unexpected argument " + ShownValue(parsed.Operands[count]));
}

bool AsksForHelp(const std::vector<std::string>& args) {
    for (const std::string& arg : args) {
        if (arg == "--") return false;
        if (arg == "--help" || arg == "-h") return true;
    }
    return false;
}

}  // namespace lm::cli
