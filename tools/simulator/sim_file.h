#pragma once
// The simulated radio's memory to and from a 544-byte data file (16-byte header, then radio bytes 0..527).
#include <string>

#include "link/sim/radio.h"

namespace lm::sim {

// Loads radio memory from a data file; false with a message when the file is missing, no regular file of a
// data file's size, or no data file.
bool LoadMemory(const std::string& path, Memory& memory, std::string& error);
// Saves the radio memory as it is (area code and password included), replacing the file in one step as the
// program's own data files are (ReplaceFile).
bool SaveMemory(const std::string& path, const Memory& memory, std::string& error);

}  // namespace lm::sim
