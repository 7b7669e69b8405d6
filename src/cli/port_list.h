#pragma once
// The ports of a link command with several radios: each named once, no two leading to the same device.
#include <string>
#include <vector>

#include "args.h"

namespace lm::cli {

// The --port values; a usage error when there is none, one is empty or given twice, or two of them lead to
// one device (a symbolic link, a second device node), all before any radio is touched.
std::vector<std::string> PortsOf(const ParsedArgs& parsed);

}  // namespace lm::cli
