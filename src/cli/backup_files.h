#pragma once
// Where the write command keeps the radios' old memory, and the checks that keep a backup from destroying
// what it should protect. Every check runs before a radio is touched.
#include <string>
#include <vector>

#include "output_files.h"
#include "port/backup_names.h"

namespace lm::cli {

// The backup of a radio: FILE.dat for the first round, FILE-2.dat, FILE-3.dat ... for the next ones; with
// several ports the port's tag goes before the number (FILE-ttyUSB0.dat, FILE-ttyUSB0-2.dat).
std::string BackupPath(const std::string& path, const std::string& portTag, int round);

// Throws UsageError when backup names one of the command's other files (the data file, the log); Failure when
// it exists and force is not given, or when its folder does not exist or may not be written (output_files.h).
void CheckBackupTarget(const std::string& backup, const std::vector<NamedFile>& others, bool force);

}  // namespace lm::cli
