#include "core/datafile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/memory_map.h"
#include "core/models.h"
#include "core/state.h"
#include "core_fixture.h"

namespace lm {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

class DataFileTest : public CoreStateTest {
protected:
    void SetUp() override {
        CoreStateTest::SetUp();
        static int counter = 0;
        dir_ = fs::temp_directory_path() /
               ("lm_datafile_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
        CoreStateTest::TearDown();
    }
    std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }

    static Bytes ReadAll(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }
    static void WriteAll(const std::string& path, const Bytes& bytes) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    // A valid file for the current image with band code band at offset 453 (Image[438]).
    Bytes FileWithBand(std::uint8_t band) const {
        Bytes b = EncodeDataFile(state.Image, "LM41", "LM41");
        b[15 + img::kBandCode] = band;
        return b;
    }
    int FileCount() const { return static_cast<int>(std::distance(fs::directory_iterator(dir_), {})); }

    fs::path dir_;
};

// Remembers the parts of a state record that a refused load or save must not touch.
struct Snapshot {
    explicit Snapshot(const TALL& watched)
        : state(watched),
          image(watched.Image),
          title(watched.ModelTitle),
          band(watched.BandName),
          channel(watched.CurrentChannel),
          modified(watched.Modified),
          area(watched.AreaCode) {}
    void ExpectUnchanged() const {
        EXPECT_EQ(state.Image, image);
        EXPECT_EQ(state.ModelTitle, title);
        EXPECT_EQ(state.BandName, band);
        EXPECT_EQ(state.CurrentChannel, channel);
        EXPECT_EQ(state.Modified, modified);
        EXPECT_EQ(state.AreaCode, area);
    }
    const TALL& state;
    ImageBytes image;
    std::string title, band;
    int channel;
    bool modified;
    std::string area;
};

TEST_F(DataFileTest, EncodingLaysOutHeaderAndImage) {
    state.Image[img::kAreaCodeFirst] = 0x03;
    state.Image[img::kPasswordFirst + 5] = 0x42;
    state.Image[img::kLast] = 0x5A;
    const ImageBytes before = state.Image;
    const Bytes b = EncodeDataFile(state.Image, ProductCatalogue().FileTag, state.ModelCode);
    ASSERT_EQ(b.size(), 544u);
    EXPECT_EQ(std::string(b.begin(), b.begin() + 8), "LM41LM41");
    for (int off = 456; off <= 463; ++off) EXPECT_EQ(b[off], 0xFF) << off;
    EXPECT_EQ(b[543], 0x5A);
    EXPECT_EQ(b[15 + img::kBandCode], 244);
    EXPECT_EQ(state.Image, before);  // encoding alone changes nothing

    const Bytes longHeader = EncodeDataHeader("ABCDEFGHIJ", "KLMNOPQRST");
    EXPECT_EQ(std::string(longHeader.begin(), longHeader.end()), "ABCDEFGHIJKLMNOP");
    const DataHeader h = DecodeDataHeader(longHeader.data(), 10, 10);
    EXPECT_EQ(h.Tag, "ABCDEFGHIJ");
    EXPECT_EQ(h.ModelCode, "KLMNOP");  // clipped to the header
}

TEST_F(DataFileTest, SaveThenLoadRoundTrip) {
    state.Image[img::kAreaCodeFirst] = 0x03;
    state.Image[img::kPasswordFirst] = 0x11;
    state.Image[100] = 0x25;
    state.Image[img::kBlock32First] = 0x77;
    state.Modified = true;
    const std::string path = PathOf("radio.dat");
    const DataFileResult saved = SaveDataFile(state, path);
    ASSERT_TRUE(saved.ok) << saved.text;
    EXPECT_FALSE(state.Modified);
    for (int k = 441; k <= 448; ++k) EXPECT_EQ(state.Image[k], 0xFF) << k;
    const Bytes file = ReadAll(path);
    ASSERT_EQ(file.size(), 544u);
    EXPECT_EQ(file, EncodeDataFile(state.Image, "LM41", "LM41"));
    EXPECT_EQ(FileCount(), 1);  // no temporary file left behind

    const ImageBytes savedImage = state.Image;
    state.Image[100] = 0;
    state.Image[img::kBlock32First] = 0;
    state.CurrentChannel = 7;
    state.AreaCode = "0310";
    state.AreaText = "somewhere";
    state.Modified = true;
    const DataFileResult loaded = LoadDataFile(state, path);
    ASSERT_TRUE(loaded.ok) << loaded.text;
    EXPECT_EQ(state.Image, savedImage);
    EXPECT_EQ(state.CurrentChannel, 1);
    EXPECT_TRUE(state.AreaCode.empty());
    EXPECT_TRUE(state.AreaText.empty());
    EXPECT_FALSE(state.Modified);
}

TEST_F(DataFileTest, SavingOverAFileReplacesItAndKeepsItsPermissions) {
    const std::string path = PathOf("radio.dat");
    WriteAll(path, Bytes(10, 0x33));
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    state.Image[100] = 0x44;
    ASSERT_TRUE(SaveDataFile(state, path).ok);
    EXPECT_EQ(ReadAll(path), EncodeDataFile(state.Image, "LM41", "LM41"));
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(FileCount(), 1);
}

TEST_F(DataFileTest, LoadTakesModelAndBandFromTheBandCodeAndSanitizes) {
    Bytes b = FileWithBand(240);
    b[15 + img::kVolume] = 0x99;
    for (int off = 8; off < 16; ++off) b[off] = static_cast<std::uint8_t>(0xA0 + off);  // reserved: ignored
    ASSERT_TRUE(LoadDataBytes(state, b).ok);
    EXPECT_EQ(state.ModelTitle, "LM-418T(VHF)");
    EXPECT_EQ(state.BandName, "150 - 174MHz");
    EXPECT_EQ(state.BandMinMHz, 150.0);
    EXPECT_EQ(state.Image[img::kVolume], 8);

    ASSERT_TRUE(LoadDataBytes(state, FileWithBand(244)).ok);
    EXPECT_EQ(state.ModelTitle, "LM-418T(UHF)");
    EXPECT_EQ(state.BandName, "450 - 470MHz");

    SelectModel(state, "LM41", 240, true);
    ASSERT_TRUE(LoadDataBytes(state, FileWithBand(0x10)).ok);  // not in the band table
    EXPECT_EQ(state.ModelTitle, "LM-418T(UHF)");
    EXPECT_EQ(state.BandName, "440 - 480MHz");
    EXPECT_EQ(state.Image[img::kBandCode], 249);

    Bytes longer = FileWithBand(244);
    longer.resize(600, 0x00);  // only the first 544 bytes count
    longer[15 + 100] = 0x66;
    ASSERT_TRUE(LoadDataBytes(state, longer).ok);
    EXPECT_EQ(state.Image[100], 0x66);
    EXPECT_EQ(state.Image[0], 0);
}

TEST_F(DataFileTest, WrongTagOrModelIsRefusedAndChangesNothing) {
    state.Modified = true;
    state.CurrentChannel = 5;
    state.AreaCode = "0310";
    const Snapshot before(state);
    Bytes b = FileWithBand(240);
    b[100] = 0x01;
    for (const char* header : {"LM40LM41", "lm41LM41", "LM41LM42", "XXXXXXXX"}) {
        std::memcpy(b.data(), header, 8);
        const DataFileResult r = LoadDataBytes(state, b);
        EXPECT_FALSE(r.ok) << header;
        EXPECT_EQ(r.error, DataFileError::ModelTypeWrong);
        EXPECT_EQ(r.messageKey, "ModError");
        EXPECT_EQ(r.text, "Model Type Wrong.");
        before.ExpectUnchanged();
    }
}

TEST_F(DataFileTest, ShortOrUnreadableFileIsRefusedAndChangesNothing) {
    state.Modified = true;
    const Snapshot before(state);
    const std::string path = PathOf("short.dat");
    Bytes b = FileWithBand(240);
    b[100] = 0x01;
    for (const std::size_t size : {543u, 16u, 10u, 0u}) {
        WriteAll(path, Bytes(b.begin(), b.begin() + static_cast<long>(size)));
        const DataFileResult r = LoadDataFile(state, path);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.error, DataFileError::TooShort);
        EXPECT_EQ(r.text, "Cannot open " + path + ": The file has " + std::to_string(size) +
                              " bytes; a data file has 544.");
        before.ExpectUnchanged();
    }
    const DataFileResult missing = LoadDataFile(state, PathOf("missing.dat"));
    EXPECT_EQ(missing.error, DataFileError::OpenFailed);
    EXPECT_EQ(missing.text, "Cannot open " + PathOf("missing.dat") + ": " + std::strerror(ENOENT));
    const DataFileResult folder = LoadDataFile(state, dir_.string());
    EXPECT_FALSE(folder.ok);
    EXPECT_FALSE(folder.text.empty());
    before.ExpectUnchanged();
    EXPECT_EQ(LoadDataBytes(state, nullptr, 544).error, DataFileError::TooShort);
}

TEST_F(DataFileTest, FailedSaveKeepsTheOldFileAndTheImage) {
    state.Image[img::kPasswordFirst] = 0x11;
    state.Modified = true;
    const Snapshot before(state);

    const std::string plain = PathOf("plain.dat");  // a regular file used as a folder
    WriteAll(plain, Bytes(4, 0x01));
    DataFileResult r = SaveDataFile(state, plain + "/radio.dat");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, DataFileError::WriteFailed);
    EXPECT_EQ(r.text, "Cannot save " + plain + "/radio.dat: " + std::strerror(ENOTDIR));
    EXPECT_EQ(ReadAll(plain), Bytes(4, 0x01));
    before.ExpectUnchanged();

    r = SaveDataFile(state, PathOf("no/such/folder/radio.dat"));
    EXPECT_EQ(r.error, DataFileError::WriteFailed);
    EXPECT_EQ(r.text, "Cannot save " + PathOf("no/such/folder/radio.dat") + ": " + std::strerror(ENOENT));
    before.ExpectUnchanged();

    // The rename over a folder fails after the temporary file was written: it must not stay behind.
    const std::string busy = PathOf("busy.dat");
    fs::create_directory(busy);
    WriteAll(busy + "/keep", Bytes(3, 0x02));
    r = SaveDataFile(state, busy);
    EXPECT_EQ(r.error, DataFileError::WriteFailed);
    EXPECT_FALSE(r.text.empty());
    EXPECT_EQ(ReadAll(busy + "/keep"), Bytes(3, 0x02));
    EXPECT_EQ(FileCount(), 2);  // plain.dat and busy.dat
    before.ExpectUnchanged();
}

TEST_F(DataFileTest, NewKeepsBlock32InTheSavedFile) {
    for (int i = img::kBlock32First; i <= img::kLast; ++i) state.Image[i] = static_cast<std::uint8_t>(i * 3);
    NewImageAt(state, kFixtureStamp);
    const std::string path = PathOf("new.dat");
    ASSERT_TRUE(SaveDataFile(state, path).ok);
    const Bytes file = ReadAll(path);
    ASSERT_EQ(file.size(), 544u);
    for (int off = 528; off < 544; ++off)
        EXPECT_EQ(file[off], static_cast<std::uint8_t>((off - 15) * 3)) << off;
}

}  // namespace
}  // namespace lm
