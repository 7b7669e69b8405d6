#include "core/file_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
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

// Only a regular file is read, replaced or appended to (or a new one created); a folder, a FIFO or a device
// is refused before it is opened, so nothing waits.
TEST_F(FileIoTest, OnlyRegularFilesAreReadReplacedOrAppendedTo) {
    std::ofstream(Path("big")) << std::string(2000, 'x');
    std::ofstream(Path("fits")) << std::string(1000, 'x');
    const std::string notRegular = "Not a regular file";
    const struct {
        std::string path;
        std::string readReason;  // "" for a file that is read
        std::string replaceReason, appendReason;
    } cases[] = {
        {Path("fits"), "", "", ""},
        {Path("folder"), std::strerror(EISDIR), std::strerror(EISDIR), std::strerror(EISDIR)},
        {Path("fifo"), notRegular, notRegular, notRegular},
        // /dev/zero is not replaced here: a fault would replace the device
        {"/dev/zero", notRegular, notRegular, notRegular},
        {Path("big"), "File too large (2000 bytes, at most 1000)", "", ""},
        {Path("none/x"), std::strerror(ENOENT), std::strerror(ENOENT), std::strerror(ENOENT)},
    };
    for (const auto& c : cases) {
        std::string bytes = "stale";
        const FileOutcome r = ReadRegularFile(c.path, 1000, bytes);
        EXPECT_EQ(r.reason, c.readReason) << c.path;
        EXPECT_EQ(r.missing, c.readReason == std::strerror(ENOENT)) << c.path;
        EXPECT_EQ(bytes.size(), r.ok ? 1000u : 0u) << c.path;
        EXPECT_EQ(AppendToFile(c.path, "row\n").reason, c.appendReason) << c.path;
        if (c.path != "/dev/zero") {
            EXPECT_EQ(ReplaceFile(c.path, "new").reason, c.replaceReason) << c.path;
        }
    }
    EXPECT_TRUE(fs::is_directory(Path("folder")));
    EXPECT_TRUE(fs::is_fifo(Path("fifo")));
    EXPECT_EQ(Entries(), 4);
    // A new log gets its first line, and only once.
    for (const char* row : {"row 1\n", "row 2\n"})
        EXPECT_TRUE(AppendToFile(Path("log.csv"), row, "heading\n").ok);
    EXPECT_EQ(Get(Path("log.csv")), "heading\nrow 1\nrow 2\n");
}

// Every file a user names is read through one check: a regular file (ReadRegularFile's rule, above; the
// missing file shows it is used) of its kind's size, text where text is meant, with the system's reason on
// failure and never a quote of the file.
TEST_F(FileIoTest, EveryInputFileIsCheckedByItsKind) {
    std::ofstream(Path("settings.txt")) << "squelch=2\n";
    std::ofstream(Path("big.txt")) << std::string(kSettingsTextLimit + 1, 'x');
    std::ofstream(Path("radio.dat"), std::ios::binary) << std::string("LM41LM41\0\0\xff\n", 12);
    fs::create_symlink(Path("radio.dat"), Path("link.txt"));
    const std::string big = std::to_string(kSettingsTextLimit + 1);
    const struct {
        std::string path;
        InputKind kind;
        std::string reason;
    } cases[] = {
        {Path("settings.txt"), InputKind::SettingsText, ""},
        {Path("radio.dat"), InputKind::DataFile, ""},
        {Path("big.txt"), InputKind::ChannelList, ""},
        {Path("big.txt"), InputKind::SettingsText, "File too large (" + big + " bytes, at most 262144)"},
        {Path("big.txt"), InputKind::DataFile, "File too large (" + big + " bytes, at most 8192)"},
        {Path("link.txt"), InputKind::SettingsText, "line 1: not a text file"},
        {Path("link.txt"), InputKind::ChannelList, "line 1: not a text file"},
        {Path("none.txt"), InputKind::SettingsText, std::strerror(ENOENT)},
    };
    for (const auto& c : cases) {
        std::string bytes = "stale";
        const FileOutcome r = ReadInputFile(c.path, c.kind, bytes);
        EXPECT_EQ(r.reason, c.reason) << c.path;
        EXPECT_EQ(r.ok, c.reason.empty()) << c.path;
        EXPECT_EQ(r.missing, c.path == Path("none.txt")) << c.path;
        EXPECT_EQ(bytes.empty(), !r.ok) << c.path;
    }
}

// Saving through a symbolic link replaces the file it names and keeps the link; a file with several hard
// links is written in place, so that every name sees the new bytes.
TEST_F(FileIoTest, SavingKeepsSymbolicAndHardLinks) {
    fs::create_directory(Path("real"));
    std::ofstream(Path("real/radio.dat")) << "old";
    fs::create_symlink("real/radio.dat", Path("relative.dat"));
    fs::create_symlink(Path("relative.dat"), Path("chain.dat"));
    fs::create_symlink("real/new.dat", Path("dangling.dat"));
    const struct {
        std::string saved;
        std::string content;
        std::string real;    // the file that must hold content
        bool hardLinkFirst;  // real/radio.dat gets a second name before the save
    } cases[] = {
        {"relative.dat", "one", "real/radio.dat", false}, {"chain.dat", "two", "real/radio.dat", false},
        {"dangling.dat", "new", "real/new.dat", false},   {"real/radio.dat", "three", "hard.dat", true},
        {"hard.dat", "four", "relative.dat", false},
    };
    for (const auto& c : cases) {
        if (c.hardLinkFirst) fs::create_hard_link(Path("real/radio.dat"), Path("hard.dat"));
        ASSERT_TRUE(ReplaceFile(Path(c.saved), c.content).ok) << c.saved;
        EXPECT_EQ(Get(Path(c.real)), c.content) << c.saved;
        for (const char* link : {"relative.dat", "chain.dat", "dangling.dat"})
            EXPECT_TRUE(fs::is_symlink(Path(link)));
        EXPECT_EQ(fs::hard_link_count(Path("real/radio.dat")),
                  c.hardLinkFirst || c.saved == "hard.dat" ? 2u : 1u);
    }
    EXPECT_EQ(Get(Path("hard.dat")), "four");
    EXPECT_EQ(std::distance(fs::directory_iterator(Path("real")), {}), 2);  // no temporary file is left
}

// A save removes the temporaries an earlier, killed save of the same file left behind, and nothing else.
TEST_F(FileIoTest, ASaveRemovesStaleTemporariesOfItsFile) {
    const struct {
        const char* name;
        bool old;
        bool stays;
    } cases[] = {
        {".radio.dat.k3Xw9QpZ2mLa", true, false}, {".radio.dat.0123456789ab", true, false},
        {".radio.dat.k3Xw9QpZ2mLb", false, true},  // young: may be a save running now
        {".radio.dat.k3Xw9QpZ2mL", true, true},   {".radio.dat.k3Xw9Qp-2mLa", true, true},
        {".radio.dat.lock", true, true},          {".other.dat.k3Xw9QpZ2mLa", true, true},
        {"radio.dat.k3Xw9QpZ2mLa", true, true},
    };
    const auto old = fs::file_time_type::clock::now() - std::chrono::seconds(kStaleTemporarySeconds * 6);
    for (const auto& c : cases) {
        std::ofstream(Path(c.name)) << "x";
        if (c.old) fs::last_write_time(Path(c.name), old);
    }
    ASSERT_TRUE(ReplaceFile(Path("radio.dat"), "new").ok);
    for (const auto& c : cases) EXPECT_EQ(fs::exists(Path(c.name)), c.stays) << c.name;
    EXPECT_EQ(Get(Path("radio.dat")), "new");
}

// Two names of one file are the same file, through links; names of files not there yet by their paths.
TEST_F(FileIoTest, SameFileSeesThroughLinks) {
    std::ofstream(Path("a.dat")) << "a";
    std::ofstream(Path("c.dat")) << "c";
    fs::create_hard_link(Path("a.dat"), Path("hard.dat"));
    fs::create_symlink("a.dat", Path("soft.dat"));
    fs::create_symlink("new.dat", Path("dangling.dat"));
    const struct {
        std::string a, b;
        bool same;
    } cases[] = {
        {Path("a.dat"), Path("a.dat"), true},
        {Path("a.dat"), Path("soft.dat"), true},
        {Path("hard.dat"), Path("soft.dat"), true},
        {Path("a.dat"), Path("c.dat"), false},
        {Path("new.dat"), Path("folder/../new.dat"), true},
        {Path("dangling.dat"), Path("new.dat"), true},
        {Path("new.dat"), Path("a.dat"), false},
        {Path("new.dat"), Path("other.dat"), false},
    };
    for (const auto& c : cases) EXPECT_EQ(SameFile(c.a, c.b), c.same) << c.a << " " << c.b;
}

}  // namespace
}  // namespace lm
