#include "core/radio_info.h"

namespace lm {

namespace {

constexpr int kSerialBytes = 16;
constexpr int kUnlimited = 32767;

std::string ModelOf(const TALL& all) { return all.ModelTitle; }
std::string BandOf(const TALL& all) { return all.BandName; }
std::string SerialOf(const TALL& all) { return SerialNumberText(all.Image); }
std::string AreaOf(const TALL& all) { return all.AreaText; }
std::string WriteTimeOf(const TALL& all) { return UnpackTimestamp(&all.Image[img::kWriteStamp]); }
std::string FactoryTimeOf(const TALL& all) { return UnpackTimestamp(&all.Image[img::kFactoryStamp]); }

}  // namespace

std::string SerialNumberText(const ImageBytes& image) {
    std::string text;
    for (int i = img::kSerialText; i < img::kSerialText + kSerialBytes; ++i) {
        const std::uint8_t b = image[static_cast<std::size_t>(i)];
        if (b >= 33 && b <= 126) text += static_cast<char>(b);
    }
    return text;
}

const std::vector<RadioInfoField>& RadioInfoFields() {
    static const std::vector<RadioInfoField> fields = {
        {"Model Type", "Label1", "cxModel", kUnlimited, ModelOf},
        {"Frequency[MHz]", "Label2", "cxFreq", kUnlimited, BandOf},
        {"Serial Number", "Label3", "cxSerial", kSerialBytes, SerialOf},
        {"Area", "Label6", "cxArea", 16, AreaOf},
        {"Write Time", "Label4", "cxRadioTime", kUnlimited, WriteTimeOf},
        {"Leave Factory Time", "Label5", "cxLeaveTime", kUnlimited, FactoryTimeOf},
    };
    return fields;
}

}  // namespace lm
