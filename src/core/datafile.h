#pragma once
// The data file (*.dat): a 16-byte header ("LM41" tag, model code, 8 reserved bytes) and Image[1..528].
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/state.h"

namespace lm {

constexpr int kDataHeaderBytes = 16;
constexpr int kDataFileBytes = kDataHeaderBytes + kImageBytes;  // 544

// Why a load or save did not take place.
enum class DataFileError {
    None,
    ModelTypeWrong,  // wrong tag or a model code no catalogue model has: message "ModError"
    TooShort,        // fewer than 544 bytes
    OpenFailed,      // the file cannot be read, or is no regular file of a data file's size
    ReadFailed,      // reading failed part-way
    WriteFailed,  // the file may not be written, or its temporary copy cannot be written, synced or renamed
};

// Outcome of a load or save. On failure, messageKey names the message of the message table when there is one
// ("ModError") and text holds its English built-in text; otherwise text names the step, the file and the
// reason: "Cannot save /home/x/radio.dat: Permission denied", "Cannot open /tmp/fifo: Not a regular file".
struct DataFileResult {
    bool ok = false;
    DataFileError error = DataFileError::None;
    std::string messageKey;
    std::string text;
};

// Built-in text of the message "ModError".
inline constexpr const char* kModErrorText = "Model Type Wrong.";
// "The file has N bytes; a data file has 544."
std::string TooShortText(std::size_t size);

// Header of a data file as read: the tag and the model code, their lengths taken from the given tag and code.
struct DataHeader {
    std::string Tag;
    std::string ModelCode;
};

// Header bytes from FileTag + ModelCode (first 16 characters); the reserved bytes are 0.
std::vector<std::uint8_t> EncodeDataHeader(const std::string& fileTag, const std::string& modelCode);
// header must hold at least 16 bytes; tagLength/codeLength are clipped to the 16 header bytes.
DataHeader DecodeDataHeader(const std::uint8_t* header, std::size_t tagLength, std::size_t codeLength);

// The 544 bytes of a data file for image: header, then image[1..528] with the area code and password bytes
// (image[441..448]) set to 0xFF. image itself is not changed.
std::vector<std::uint8_t> EncodeDataFile(const ImageBytes& image, const std::string& fileTag,
                                         const std::string& modelCode);

// Loads a data file's bytes into a state record, without file I/O: checks size, tag (FileTag) and model code
// (the catalogue), then CurrentChannel := 1, Image[1..528] from the file, SelectModel with the
// file's model code, band code Image[438] and override, AreaCode/AreaText cleared, SanitizeImage, Modified :=
// false. Bytes past the first 544 are ignored. On failure the state is not changed at all.
DataFileResult LoadDataBytes(TALL& state, const std::uint8_t* data, std::size_t size);
DataFileResult LoadDataBytes(TALL& state, const std::vector<std::uint8_t>& bytes);

// Reads the file at path (ReadInputFile, a data file) and loads it into state as LoadDataBytes does.
DataFileResult LoadDataFile(TALL& state, const std::string& path);

// Writes the data file of a state record to path with ReplaceFile, so a failed save leaves any previous file
// intact and a file the user may not write is refused. Only when the file is in place are Image[441..448] set
// to 0xFF and Modified := false; a failed save leaves the state unchanged.
DataFileResult SaveDataFile(TALL& state, const std::string& path);

}  // namespace lm
