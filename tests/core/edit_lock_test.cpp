#include "core/edit_lock.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "core/file_io.h"

namespace lm {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;

class EditLockTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        ASSERT_TRUE(ReplaceFile(Path("radio.dat"), "old").ok);
        fs::create_symlink("radio.dat", Path("link.dat"));
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }

    fs::path dir_ = fs::temp_directory_path() / ("lm_edit_lock_" + std::to_string(::getpid()));
};

// While one editor holds a data file, another one, by any name of the file and even after the first has saved
// it (a new file renamed over the name), waits and then gives up with the reason; the lock file goes when the
// holder lets go.
TEST_F(EditLockTest, ASecondEditorWaitsThenGivesUp) {
    EditLock first;
    ASSERT_TRUE(LockForEditing(Path("radio.dat"), first, milliseconds(0)).ok);
    EXPECT_TRUE(first.Held());
    EXPECT_TRUE(fs::exists(Path(".radio.dat.lock")));
    const struct {
        std::string second;  // the name the second editor uses
        bool saveFirst;      // the first editor saves before
    } cases[] = {{Path("radio.dat"), false}, {Path("link.dat"), false}, {Path("radio.dat"), true}};
    for (const auto& c : cases) {
        if (c.saveFirst) {
            ASSERT_TRUE(ReplaceFile(Path("radio.dat"), "saved").ok);
        }
        EditLock second;
        const auto start = std::chrono::steady_clock::now();
        const FileOutcome r = LockForEditing(c.second, second, milliseconds(200));
        EXPECT_GE(std::chrono::steady_clock::now() - start, milliseconds(200));
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(r.busy);
        EXPECT_EQ(r.reason, c.second + " is being changed by another program");
        EXPECT_FALSE(second.Held());
    }
    EXPECT_TRUE(first.Covers(Path("link.dat")));
    EXPECT_FALSE(first.Covers(Path("other.dat")));

    // Let go while the second one waits: it gets the lock.
    std::thread release([&first] {
        std::this_thread::sleep_for(milliseconds(100));
        first.Release();
    });
    EditLock second;
    const FileOutcome r = LockForEditing(Path("link.dat"), second, milliseconds(10000));
    release.join();
    EXPECT_TRUE(r.ok) << r.reason;
    EXPECT_TRUE(second.Held());
    second.Release();
    EXPECT_FALSE(fs::exists(Path(".radio.dat.lock")));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), {}), 2);
}

}  // namespace
}  // namespace lm
