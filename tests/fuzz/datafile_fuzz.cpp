// Feeds arbitrary bytes to the data-file loader: it must never crash, and it must either refuse the bytes
// leaving the image as it was, or load them into a sanitised image.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "core/datafile.h"
#include "core/memory_map.h"
#include "core/models.h"
#include "core/state.h"

namespace {

void Reset(lm::TALL& state) {
    state = lm::TALL{};
    lm::SelectModel(state, "LM41", 0, false);
    lm::NewImageAt(state, "2024-03-05 07:08:09");
    state.Modified = true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    lm::TALL state;
    Reset(state);
    const lm::ImageBytes before = state.Image;
    const lm::DataFileResult result = lm::LoadDataBytes(state, data, size);
    if (!result.ok) {
        if (state.Image != before || !state.Modified) std::abort();
        return 0;
    }
    if (size < static_cast<std::size_t>(lm::kDataFileBytes) || state.Modified) std::abort();
    // A loaded image is sanitised: sanitising it again changes nothing.
    const lm::ImageBytes loaded = state.Image;
    lm::SanitizeImage(state);
    if (state.Image != loaded) std::abort();
    // Saving encodes what was loaded, byte for byte, apart from the erased area and password bytes.
    const auto file = lm::EncodeDataFile(state.Image, lm::ProductCatalogue().FileTag, state.ModelCode);
    if (file.size() != static_cast<std::size_t>(lm::kDataFileBytes)) std::abort();
    for (int k = 1; k <= lm::kImageBytes; ++k) {
        const std::uint8_t expected =
            (k >= lm::img::kAreaCodeFirst && k < lm::img::kWriteStamp) ? 0xFF : state.Image[k];
        if (file[15 + k] != expected) std::abort();
    }
    return 0;
}
