#pragma once
// The symbolic link through which a program can reach the simulated radio's pseudo-terminal under a name of
// the user's choosing. Only a symbolic link is ever replaced or removed: a file the user named by mistake
// stays.
#include <string>

namespace lm::sim {

// Makes path a symbolic link to target. A missing path is created, an existing symbolic link replaced;
// anything else (a file, a folder) is refused and left as it is. False with a message on failure.
bool PlaceDeviceLink(const std::string& path, const std::string& target, std::string& error);

// Removes path when it is still a symbolic link to target (the link PlaceDeviceLink made); anything that has
// taken its place since stays.
void RemoveDeviceLink(const std::string& path, const std::string& target);

}  // namespace lm::sim
