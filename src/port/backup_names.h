#pragma once
// The names of the radios' backups, for the command line and the Production window alike.
#include <string>

namespace lm {

// A name for a port fit for a file name: its last path component ("/dev/ttyUSB0" -> "ttyUSB0").
std::string PortTag(const std::string& port);

// The time of a backup as its name carries it: "20261210-094500" (local time, now).
std::string BackupTimeStamp();

// A backup in folder named by port, area code and time ("ttyUSB0-0755-20261210-094500.dat") that names no
// file yet: a name that is taken gets "-2", "-3" ... before its extension, so that no file is replaced.
std::string FreeBackupPath(const std::string& folder, const std::string& port, const std::string& area,
                           const std::string& stamp);

}  // namespace lm
