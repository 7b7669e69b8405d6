// The names of the radios' backups: by port, area code and time, and never a file that is there.
#include "port/backup_names.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "cli_helpers.h"

namespace lm {
namespace {

TEST(BackupNames, ByPortAreaAndTimeAndNeverReplacing) {
    test::TempDir dir;
    const std::string stamp = "20261210-094500";
    const std::string first = FreeBackupPath(dir.File(""), "/dev/ttyUSB0", "0755", stamp);
    EXPECT_EQ(std::filesystem::path(first).filename(), "ttyUSB0-0755-" + stamp + ".dat");
    std::ofstream(first) << "taken";
    const std::string second = FreeBackupPath(dir.File(""), "/dev/ttyUSB0", "0755", stamp);
    EXPECT_EQ(std::filesystem::path(second).filename(), "ttyUSB0-0755-" + stamp + "-2.dat");
    // A dangling link is there too: it is not written through.
    std::filesystem::create_symlink(dir.File("nowhere"), second);
    EXPECT_EQ(std::filesystem::path(FreeBackupPath(dir.File(""), "/dev/ttyUSB0", "0755", stamp)).filename(),
              "ttyUSB0-0755-" + stamp + "-3.dat");
}

}  // namespace
}  // namespace lm
