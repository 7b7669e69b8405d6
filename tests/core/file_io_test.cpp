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

class FileIoTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("lm_file_io_" + std::to_string(::getpid()) + "_" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        // Writable for the unprivileged user that the permission test runs as.
        fs::permissions(dir_, fs::perms::all);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    static void Put(const std::string& path, const std::string& text) { std::ofstream(path) << text; }
    static std::string Get(const std::string& path) {
        std::string bytes;
        EXPECT_TRUE(ReadRegularFile(path, 1 << 20, bytes).ok) << path;
        return bytes;
    }
    int Entries() const { return static_cast<int>(std::distance(fs::directory_iterator(dir_), {})); }

    fs::path dir_;
};

// Runs ReplaceFile as a user without any privilege: as root in a child that drops to nobody, so that the
// file's own permission counts as it does for any user.
FileOutcome ReplaceAsUser(const std::string& path, const std::string& data) {
    if (::geteuid() != 0) return ReplaceFile(path, data);
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(3);
        const FileOutcome r = ReplaceFile(path, data);
        ::_exit(r.ok ? 0 : r.reason == std::strerror(EACCES) ? 1 : 2);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    FileOutcome r;
    const int code = WIFEXITED(status) ? WEXITSTATUS(status) : 4;
    EXPECT_LE(code, 1) << "the child could not run as an unprivileged user, or failed otherwise: " << code;
    r.ok = code == 0;
    if (code == 1) r.reason = std::strerror(EACCES);
    return r;
}

TEST_F(FileIoTest, AFileTheUserMayNotWriteIsRefusedAndKept) {
    const std::string path = Path("radio.dat");
    Put(path, "old");
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(path.c_str(), kNobody, kNobody), 0);
    }
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);

    const FileOutcome r = ReplaceAsUser(path, "new");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.reason, std::strerror(EACCES));
    EXPECT_EQ(Get(path), "old");
    EXPECT_EQ(Entries(), 1);  // no temporary file stays behind
}

TEST_F(FileIoTest, ReplacingKeepsPermissionsWithoutSpecialBitsAndTheOwner) {
    const struct {
        mode_t before;
        mode_t after;
    } cases[] = {{0640, 0640}, {0604, 0604}, {04755, 0755}, {02775, 0775}, {01666, 0666}};
    for (const auto& c : cases) {
        const std::string path = Path("keep.dat");
        Put(path, "old");
        ASSERT_EQ(::chmod(path.c_str(), c.before), 0);
        const bool root = ::geteuid() == 0;
        if (root) {
            ASSERT_EQ(::chown(path.c_str(), kNobody, kNobody), 0);
        }

        ASSERT_TRUE(ReplaceFile(path, "new").ok);
        struct stat st {};
        ASSERT_EQ(::stat(path.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, c.after) << std::oct << c.before;
        if (root) {
            EXPECT_EQ(st.st_uid, kNobody);
            EXPECT_EQ(st.st_gid, kNobody);
        }
        EXPECT_EQ(Get(path), "new");
        EXPECT_EQ(Entries(), 1);
    }
    // A new file: what the umask allows, and the umask itself is left alone.
    const mode_t mask = ::umask(027);
    ASSERT_TRUE(ReplaceFile(Path("fresh.dat"), "x").ok);
    EXPECT_EQ(::umask(mask), 027);
    struct stat st {};
    ASSERT_EQ(::stat(Path("fresh.dat").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640);
}

TEST_F(FileIoTest, OnlyRegularFilesOfTheirKindsSizeAreRead) {
    const std::string folder = Path("SysInfo.Ini");
    fs::create_directory(folder);
    const std::string fifo = Path("fifo.dat");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    Put(Path("big.Ini"), std::string(2000, 'x'));
    Put(Path("fits.Ini"), std::string(1000, 'x'));

    const struct {
        std::string path;
        bool ok;
        bool missing;
        std::string reason;
    } cases[] = {
        {Path("fits.Ini"), true, false, ""},
        {folder, false, false, std::strerror(EISDIR)},
        {fifo, false, false, "Not a regular file"},
        {"/dev/zero", false, false, "Not a regular file"},
        {Path("big.Ini"), false, false, "File too large (2000 bytes, at most 1000)"},
        {Path("none.Ini"), false, true, std::strerror(ENOENT)},
    };
    for (const auto& c : cases) {
        std::string bytes = "stale";
        const FileOutcome r = ReadRegularFile(c.path, 1000, bytes);
        EXPECT_EQ(r.ok, c.ok) << c.path;
        EXPECT_EQ(r.missing, c.missing) << c.path;
        EXPECT_EQ(r.reason, c.reason) << c.path;
        EXPECT_EQ(bytes.size(), c.ok ? 1000u : 0u) << c.path;
    }
}

TEST_F(FileIoTest, OnlyARegularFileIsReplaced) {
    const std::string folder = Path("busy.dat");
    fs::create_directory(folder);
    const std::string fifo = Path("fifo.dat");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const struct {
        std::string path;
        std::string reason;
    } cases[] = {
        {folder, std::strerror(EISDIR)},
        {fifo, "Not a regular file"},
        {Path("no/such/folder/x.dat"), std::strerror(ENOENT)},
    };
    for (const auto& c : cases) {
        const FileOutcome r = ReplaceFile(c.path, "new");
        EXPECT_FALSE(r.ok) << c.path;
        EXPECT_EQ(r.reason, c.reason) << c.path;
    }
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_EQ(Entries(), 2);
}

}  // namespace
}  // namespace lm
