#include "core/file_io.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace lm {
namespace {

namespace fs = std::filesystem;

constexpr uid_t kNobody = 65534;
const bool kRoot = ::geteuid() == 0;

class FileIoTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        fs::permissions(dir_, fs::perms::all);  // writable for the unprivileged user below
        ASSERT_EQ(::mkfifo(Path("fifo").c_str(), 0600), 0);
        fs::create_directory(Path("folder"));
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    static std::string Get(const std::string& path) {
        std::string bytes;
        ReadRegularFile(path, 1 << 20, bytes);
        return bytes;
    }
    // An old file of the given mode, owned by nobody when the test runs as root.
    std::string Old(mode_t mode) const {
        const std::string path = Path("radio.dat");
        std::ofstream(path) << "old";
        EXPECT_EQ(!kRoot || ::chown(path.c_str(), kNobody, kNobody) == 0, true);
        EXPECT_EQ(::chmod(path.c_str(), mode), 0);
        return path;
    }
    int Entries() const { return static_cast<int>(std::distance(fs::directory_iterator(dir_), {})); }

    fs::path dir_ = fs::temp_directory_path() / ("lm_file_io_" + std::to_string(::getpid()));
};

// ReplaceFile as a user without privilege: as root, in a child that drops to nobody, so that the file's own
// permission counts as it does for any user. Gives the reason, "" on success.
std::string ReplaceAsUser(const std::string& path) {
    if (!kRoot) return ReplaceFile(path, "new").reason;
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(3);
        const FileOutcome r = ReplaceFile(path, "new");
        ::_exit(r.ok ? 0 : r.reason == std::strerror(EACCES) ? 1 : 2);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    const int code = WIFEXITED(status) ? WEXITSTATUS(status) : 4;
    return code == 0 ? "" : code == 1 ? std::strerror(EACCES) : "child failed " + std::to_string(code);
}

TEST_F(FileIoTest, AFileTheUserMayNotWriteIsRefusedAndKept) {
    const std::string path = Old(0444);
    EXPECT_EQ(ReplaceAsUser(path), std::strerror(EACCES));
    EXPECT_EQ(Get(path), "old");
    EXPECT_EQ(Entries(), 3);  // no temporary file stays behind
}

TEST_F(FileIoTest, ReplacingKeepsPermissionsWithoutSpecialBitsAndTheOwner) {
    const mode_t cases[][2] = {{0640, 0640}, {0604, 0604}, {04755, 0755}, {02775, 0775}, {01666, 0666}};
    for (const auto& c : cases) {
        const std::string path = Old(c[0]);
        ASSERT_TRUE(ReplaceFile(path, "new").ok);
        struct stat st {};
        ASSERT_EQ(::stat(path.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, c[1]) << std::oct << c[0];
        EXPECT_TRUE(!kRoot || (st.st_uid == kNobody && st.st_gid == kNobody));
        EXPECT_EQ(Get(path), "new");
    }
    // A new file: what the umask allows, and the umask itself is left alone.
    const mode_t mask = ::umask(027);
    ASSERT_TRUE(ReplaceFile(Path("fresh.dat"), "x").ok);
    EXPECT_EQ(::umask(mask), 027);
    EXPECT_EQ(fs::status(Path("fresh.dat")).permissions(), fs::perms(0640));
    EXPECT_EQ(Entries(), 4);
}

TEST_F(FileIoTest, OnlyRegularFilesAreReadOrReplaced) {
    std::ofstream(Path("big")) << std::string(2000, 'x');
    std::ofstream(Path("fits")) << std::string(1000, 'x');
    const struct {
        std::string path;
        std::string readReason;  // "" for a file that is read
        std::string replaceReason;
    } cases[] = {
        {Path("fits"), "", ""},
        {Path("folder"), std::strerror(EISDIR), std::strerror(EISDIR)},
        {Path("fifo"), "Not a regular file", "Not a regular file"},
        {"/dev/zero", "Not a regular file", "Not a regular file"},
        {Path("big"), "File too large (2000 bytes, at most 1000)", ""},
        {Path("none/x"), std::strerror(ENOENT), std::strerror(ENOENT)},
    };
    for (const auto& c : cases) {
        std::string bytes = "stale";
        const FileOutcome r = ReadRegularFile(c.path, 1000, bytes);
        EXPECT_EQ(r.reason, c.readReason) << c.path;
        EXPECT_EQ(r.missing, c.readReason == std::strerror(ENOENT)) << c.path;
        EXPECT_EQ(bytes.size(), r.ok ? 1000u : 0u) << c.path;
        if (c.path != "/dev/zero") {
            EXPECT_EQ(ReplaceFile(c.path, "new").reason, c.replaceReason) << c.path;
        }
    }
    EXPECT_TRUE(fs::is_directory(Path("folder")));
    EXPECT_TRUE(fs::is_fifo(Path("fifo")));
    EXPECT_EQ(Entries(), 4);
}

}  // namespace
}  // namespace lm
