#pragma once
// Numbered serial ports: the names "COM1", "COM12" that the settings, the port dialog and the key byte use.
#include <string_view>

namespace lm {

// The port number of a "COMn" name: "COM" in any case followed by decimal digits only, the number being their
// value, so "COM01" is port 1 like "COM1". 0 for every other name ("/dev/ttyUSB0", "COM", "COM1x") and for
// port 0, which no port has. Numbers beyond any port's saturate at kComPortLimit.
int ComPortNumber(std::string_view name);

constexpr int kComPortLimit = 100000;

}  // namespace lm
