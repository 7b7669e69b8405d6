#include "core/state.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <iterator>
#include <random>
#include <string_view>
#include <utility>

#include "core/memory_map.h"
#include "core/models.h"
#include "core/settings_access.h"

namespace lm {

namespace {

constexpr std::uint8_t kErased = 0xFF;

// Reads the decimal number in text[pos, pos + len); false unless every character is a digit.
bool ReadDecimal(const std::string& text, std::size_t pos, std::size_t len, int& value) {
    if (pos + len > text.size()) return false;
    const char* first = text.data() + pos;
    const char* last = first + len;
    for (const char* c = first; c != last; ++c) {
        if (*c < '0' || *c > '9') return false;
    }
    return std::from_chars(first, last, value).ec == std::errc{};
}

// A whole-byte item out of its range becomes its fallback.
void CheckItemBytes(ImageBytes& im, const MemoryField& f) {
    for (int i = f.offset; i < f.offset + f.bytes; ++i) {
        auto& b = im[static_cast<std::size_t>(i)];
        b = RangeOrDefault(b, static_cast<std::uint8_t>(f.min), static_cast<std::uint8_t>(f.max),
                           static_cast<std::uint8_t>(f.fallback));
    }
}

// The FM scan range: both bounds within their range and the upper above the lower, else both their fallbacks.
void CheckFmRange(ImageBytes& im) {
    const MemoryField& lower = SettingField("FmLowerBound");
    const MemoryField& upper = SettingField("FmUpperBound");
    const int lo = ReadBound16(im.data(), lower);
    const int hi = ReadBound16(im.data(), upper);
    const auto inRange = [](const MemoryField& f, int v) { return v >= f.min && v <= f.max; };
    if (!inRange(lower, lo) || !inRange(upper, hi) || hi <= lo) {
        WriteBound16(im.data(), lower, lower.fallback);
        WriteBound16(im.data(), upper, upper.fallback);
    }
}

std::string TwoDigits(int value) {
    std::string s = std::to_string(value);
    return s.size() < 2 ? "0" + s : s;
}

}  // namespace

std::uint8_t RangeOrDefault(std::uint8_t value, std::uint8_t lo, std::uint8_t hi, std::uint8_t fallback) {
    return (value >= lo && value <= hi) ? value : fallback;
}

void WriteIdent(TALL& state) {
    auto& im = state.Image;
    const MemoryField& end = InfoField("IdentEnd");
    std::fill(im.begin() + end.offset, im.begin() + end.offset + end.bytes, std::uint8_t{0});
    im[static_cast<std::size_t>(InfoField("BandCode").offset)] =
        static_cast<std::uint8_t>(ProductCatalogue().Bands.CodeOf(state.BandName));
    const MemoryField& model = InfoField("ModelCode");
    for (int i = model.bytes - 1; i >= 0; --i) {
        const auto pos = static_cast<std::size_t>(i);
        const char c = pos < state.ModelCode.size() ? state.ModelCode[pos] : '\0';
        im[static_cast<std::size_t>(model.offset + i)] = static_cast<std::uint8_t>(c);
    }
    im[static_cast<std::size_t>(InfoField("IdentTag").offset)] = 0x50;
}

void SanitizeImage(TALL& state) {
    ImageBytes& im = state.Image;
    for (const MemoryField& f : SettingFields())
        if (f.codec == FieldCodec::Bits && f.width == 8) CheckItemBytes(im, f);
    CheckFmRange(im);
    RepairIdCode(state);
    im[static_cast<std::size_t>(InfoField("BandCode").offset)] =
        static_cast<std::uint8_t>(ProductCatalogue().Bands.CodeOf(state.BandName));
}

void NewImageAt(TALL& state, const std::string& stampText) {
    auto& im = state.Image;
    im[0] = 0;
    for (int i = 1; i < img::kBlock32First; ++i) im[i] = kErased;
    WriteIdent(state);
    PackTimestamp(im, stampText, InfoField("WriteStamp").offset);
    // A new radio's begin-of-transmission code is 1 2 3 4 5 6.
    constexpr std::uint8_t kBotDigits[] = {0x12, 0x34, 0x56};
    im[static_cast<std::size_t>(SettingField("BotLength").offset)] = 6;
    std::copy(std::begin(kBotDigits), std::end(kBotDigits), im.begin() + SettingField("BotCode").offset);
    const std::pair<std::string_view, int> dtmfFlags[] = {
        {"StarHashTone", 3}, {"CodeSpaceTime", 0}, {"SideTone", 1}, {"StunType", 1}};
    for (const auto& [name, value] : dtmfFlags) WriteBits(im.data(), SettingField(name), value);
    SanitizeImage(state);
}

void NewImage(TALL& state) { NewImageAt(state, LocalTimestampText()); }

void PackTimestamp(ImageBytes& image, const std::string& text, int destination) {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    if (destination < 0 || destination + 7 > kImageSize) return;
    if (!ReadDecimal(text, 0, 4, year) || !ReadDecimal(text, 5, 2, month) || !ReadDecimal(text, 8, 2, day) ||
        !ReadDecimal(text, 11, 2, hour) || !ReadDecimal(text, 14, 2, minute) ||
        !ReadDecimal(text, 17, 2, second)) {
        return;  // not "yyyy-MM-dd HH:mm:ss": the stamp stays as it was
    }
    auto* d = &image[static_cast<std::size_t>(destination)];
    d[0] = static_cast<std::uint8_t>(year & 0xFF);
    d[1] = static_cast<std::uint8_t>((year >> 8) & 0xFF);
    d[2] = static_cast<std::uint8_t>(month);
    d[3] = static_cast<std::uint8_t>(day);
    d[4] = static_cast<std::uint8_t>(hour);
    d[5] = static_cast<std::uint8_t>(minute);
    d[6] = static_cast<std::uint8_t>(second);
}

std::string UnpackTimestamp(const std::uint8_t* block16) {
    bool erased = true;
    for (int i = 0; i < 16; ++i) erased = erased && block16[i] == kErased;
    if (erased) return "";
    const int year = block16[0] + 256 * block16[1];
    return std::to_string(year) + "-" + TwoDigits(block16[2]) + "-" + TwoDigits(block16[3]) + " " +
           TwoDigits(block16[4]) + ":" + TwoDigits(block16[5]) + ":" + TwoDigits(block16[6]);
}

std::string UnpackTimestamp(const ImageBytes& image, int first) {
    if (first < 0 || first + 16 > kImageSize) return "";
    return UnpackTimestamp(&image[static_cast<std::size_t>(first)]);
}

std::string LocalTimestampText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    char buf[80];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", local.tm_year + 1900, local.tm_mon + 1,
                  local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    return buf;
}

void FillSessionKeyText(TransferSession& session) {
    static const std::string key = [] {
        std::random_device seed;
        std::mt19937 gen(seed());
        std::uniform_int_distribution<int> printable(0x21, 0x7E);
        std::string s;
        for (int i = 0; i < 15; ++i) s += static_cast<char>(printable(gen));
        return s;
    }();
    session.SessionKeyText = key;
}

long HexToInt(const std::string& text) {
    long value = 0;
    for (const char c : text) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            break;                              // the value of the leading hexadecimal digits
        if (value > (0x7FFFFFFFL >> 4)) break;  // no overflow on over-long texts
        value = value * 16 + digit;
    }
    return value;
}

std::uint8_t HexByte(const std::string& text) {
    return static_cast<std::uint8_t>(HexToInt(text.substr(0, 2)) & 0xFF);
}

}  // namespace lm
