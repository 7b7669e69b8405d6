#pragma once
// The port check at start-up: the configured port name is settled against the ports present.
#include <string>
#include <vector>

namespace lm {

// Upper-cases a numbered port name and the simulated radio's ("com3" -> "COM3"); any other name, such as a
// device path ("/dev/ttyUSB0") or "ttyUSB0", keeps its case, since device names differ by case here.
std::string UpperPortName(const std::string& name);

// The port to use: the upper-cased configured name when a present port or the simulated radio has it (a
// device named without its folder, "ttyUSB0", is the present port "/dev/ttyUSB0"); otherwise the first
// present port; with no port present, the configured name as it is (upper-cased).
std::string SettlePortName(const std::string& configured, const std::vector<std::string>& present);

}  // namespace lm
