#include "core/radio_info.h"

#include "core/memory_map.h"

namespace lm {

namespace {

constexpr int kUnlimited = 32767;

std::string ModelOf(const TALL& all) { return all.ModelTitle; }
std::string BandOf(const TALL& all) { return all.BandName; }
std::string SerialOf(const TALL& all) { return SerialNumberText(all.Image); }
std::string AreaOf(const TALL& all) { return all.AreaText; }
std::string WriteTimeOf(const TALL& all) {
    return UnpackTimestamp(&all.Image[static_cast<std::size_t>(InfoField("WriteStamp").offset)]);
}
std::string FactoryTimeOf(const TALL& all) {
    return UnpackTimestamp(&all.Image[static_cast<std::size_t>(InfoField("FactoryStamp").offset)]);
}

}  // namespace

std::string SerialNumberText(const ImageBytes& image) {
    std::string text;
    const MemoryField& f = InfoField("SerialNumber");
    for (int i = f.offset; i < f.offset + f.bytes; ++i) {
        const std::uint8_t b = image[static_cast<std::size_t>(i)];
        if (b >= 33 && b <= 126) text += static_cast<char>(b);
    }
    return text;
}

const std::vector<RadioInfoField>& RadioInfoFields() {
    static const std::vector<RadioInfoField> fields = {
        {"Model Type", "Label1", "cxModel", kUnlimited, ModelOf, "IdentTag", "IdentEnd"},
        {"Frequency[MHz]", "Label2", "cxFreq", kUnlimited, BandOf, "IdentTag", "IdentEnd"},
        {"Serial Number", "Label3", "cxSerial", InfoField("SerialNumber").bytes, SerialOf, "SerialNumber"},
        {"Area", "Label6", "cxArea", 16, AreaOf, "AreaCode"},
        {"Write Time", "Label4", "cxRadioTime", kUnlimited, WriteTimeOf, "WriteStamp"},
        {"Leave Factory Time", "Label5", "cxLeaveTime", kUnlimited, FactoryTimeOf, "FactoryStamp"},
    };
    return fields;
}

}  // namespace lm
