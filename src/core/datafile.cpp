#include "core/datafile.h"

#include <algorithm>
#include <cstring>

#include "core/file_io.h"
#include "core/memory_map.h"
#include "core/models.h"

namespace lm {

namespace {

constexpr std::uint8_t kErased = 0xFF;
// The bytes a data file never keeps: the radio's area code and password.
void EraseHidden(std::uint8_t* image) {
    for (const char* name : {"AreaCode", "Password"}) {
        const MemoryField& field = InfoField(name);
        std::fill(image + field.offset, image + field.offset + field.bytes, kErased);
    }
}

DataFileResult Failure(DataFileError error, std::string text, std::string key = "") {
    DataFileResult r;
    r.error = error;
    r.messageKey = std::move(key);
    r.text = std::move(text);
    return r;
}

DataFileResult Success() {
    DataFileResult r;
    r.ok = true;
    return r;
}

// "Cannot save /home/x/radio.dat: Permission denied": the step, the file and the reason.
std::string StepText(const char* step, const std::string& path, const std::string& reason) {
    return std::string("Cannot ") + step + " " + path + ": " + reason;
}

}  // namespace

std::string TooShortText(std::size_t size) {
    return "The file has " + std::to_string(size) + " bytes; a data file has " +
           std::to_string(kDataFileBytes) + ".";
}

std::vector<std::uint8_t> EncodeDataHeader(const std::string& fileTag, const std::string& modelCode) {
    std::vector<std::uint8_t> header(kDataHeaderBytes, 0);
    const std::string text = fileTag + modelCode;
    const std::size_t n = std::min<std::size_t>(text.size(), kDataHeaderBytes);
    for (std::size_t i = 0; i < n; ++i) header[i] = static_cast<std::uint8_t>(text[i]);
    return header;
}

DataHeader DecodeDataHeader(const std::uint8_t* header, std::size_t tagLength, std::size_t codeLength) {
    const std::size_t t = std::min<std::size_t>(tagLength, kDataHeaderBytes);
    const std::size_t c = std::min<std::size_t>(codeLength, kDataHeaderBytes - t);
    DataHeader h;
    h.Tag.assign(reinterpret_cast<const char*>(header), t);
    h.ModelCode.assign(reinterpret_cast<const char*>(header + t), c);
    return h;
}

std::vector<std::uint8_t> EncodeDataFile(const ImageBytes& image, const std::string& fileTag,
                                         const std::string& modelCode) {
    std::vector<std::uint8_t> bytes = EncodeDataHeader(fileTag, modelCode);
    bytes.insert(bytes.end(), image.begin() + 1, image.end());
    EraseHidden(bytes.data() + kDataHeaderBytes - 1);  // the file's offset of Image[k] is 15 + k
    return bytes;
}

DataFileResult LoadDataBytes(TALL& state, const std::uint8_t* data, std::size_t size) {
    if (data == nullptr || size < static_cast<std::size_t>(kDataFileBytes)) {
        return Failure(DataFileError::TooShort, TooShortText(data == nullptr ? 0 : size));
    }
    const Catalogue& catalogue = ProductCatalogue();
    const DataHeader h = DecodeDataHeader(data, catalogue.FileTag.size(), state.ModelCode.size());
    if (h.Tag != catalogue.FileTag || catalogue.Models.ChannelCountOf(h.ModelCode) == 0) {
        return Failure(DataFileError::ModelTypeWrong, kModErrorText, "ModError");
    }
    state.CurrentChannel = 1;
    std::copy(data + kDataHeaderBytes, data + kDataFileBytes, state.Image.begin() + 1);
    state.Image[0] = 0;
    SelectModel(state, h.ModelCode, state.Image[static_cast<std::size_t>(InfoField("BandCode").offset)],
                true);
    state.AreaCode.clear();
    state.AreaText.clear();
    SanitizeImage(state);
    state.Modified = false;
    return Success();
}

DataFileResult LoadDataBytes(TALL& state, const std::vector<std::uint8_t>& bytes) {
    return LoadDataBytes(state, bytes.data(), bytes.size());
}

DataFileResult LoadDataFile(TALL& state, const std::string& path) {
    std::string bytes;
    if (const FileOutcome read = ReadInputFile(path, InputKind::DataFile, bytes); !read.ok) {
        return Failure(DataFileError::OpenFailed, StepText("open", path, read.reason));
    }
    DataFileResult r =
        LoadDataBytes(state, reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    if (r.error == DataFileError::TooShort) r.text = StepText("open", path, r.text);
    return r;
}

DataFileResult SaveDataFile(TALL& state, const std::string& path) {
    const std::vector<std::uint8_t> bytes =
        EncodeDataFile(state.Image, ProductCatalogue().FileTag, state.ModelCode);
    const std::string_view data(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (const FileOutcome saved = ReplaceFile(path, data); !saved.ok) {
        return Failure(DataFileError::WriteFailed, StepText("save", path, saved.reason));
    }
    EraseHidden(state.Image.data());
    state.Modified = false;
    return Success();
}

}  // namespace lm
