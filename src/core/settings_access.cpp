#include "core/settings_access.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "core/bits.h"
#include "core/item_text.h"
#include "core/memory_map.h"

namespace lm {

namespace {

using E = SettingEncoding;

constexpr std::string_view kDigitChars = "0123456789ABCD#*";  // character of each 4-bit DTMF digit code
constexpr std::string_view kLight = "Light";
constexpr int kKeyLayoutWithoutLight = 3;
constexpr std::size_t kIdMinDigits = 3;

std::uint8_t& ByteOf(TALL& state, const Setting& s) { return state.Image[static_cast<std::size_t>(s.byte)]; }
std::uint8_t ByteOf(const TALL& state, const Setting& s) {
    return state.Image[static_cast<std::size_t>(s.byte)];
}

int Nibble(const ImageBytes& im, int first, int k) {
    const std::uint8_t b = im[static_cast<std::size_t>(first + k / 2)];
    return k % 2 == 0 ? b >> 4 : b & 0x0F;
}

// Up to count digits from first, ending before the first digit code above maxValue.
std::string DecodeDigits(const ImageBytes& im, int first, int maxValue, int count) {
    std::string text;
    for (int k = 0; k < count; ++k) {
        const int v = Nibble(im, first, k);
        if (v > maxValue) break;
        text += kDigitChars[static_cast<std::size_t>(v)];
    }
    return text;
}

// Replaces one nibble per character of text (checked before); the nibbles after the text stay.
void EncodeDigits(ImageBytes& im, int first, std::string_view text) {
    for (std::size_t k = 0; k < text.size(); ++k) {
        const auto code = static_cast<int>(kDigitChars.find(text[k]));
        auto& b = im[first + k / 2];
        SetField(b, k % 2 == 0 ? 4 : 0, 4, code);
    }
}

// The ID code with all ten positions: the digits, "0" up to three digits, "*" after them.
std::string IdCodeDigits(std::string_view text, std::size_t positions) {
    std::string digits = CompletedIdCode(text);
    digits.resize(positions, '*');
    return digits;
}

int ItemCount(const Setting& s) { return static_cast<int>(s.items.size()); }
int InRange(int index, int count) { return index >= 0 && index < count ? index : -1; }

// The table's item index that the image's value shows; -1 when none.
int StoredItem(const TALL& state, const Setting& s) {
    const std::uint8_t b = ByteOf(state, s);
    switch (s.encoding) {
        case E::ItemIndex:
        case E::KeyList:
            return InRange(b, ItemCount(s));
        case E::BitField:
            return InRange(GetField(b, s.shift, s.width), ItemCount(s));
        case E::VoxLevel:
            return TestBit(b, 0) ? 0 : InRange((b >> 1) + 1, ItemCount(s));
        case E::Voice: {
            const int f = GetField(b, s.shift, s.width);
            return f == 1 ? 1 : f == 3 ? 2 : 0;
        }
        case E::StarHashTone: {
            const int f = GetField(b, s.shift, s.width);
            return f == 3 ? 0 : f + 1;
        }
        case E::CodeSpaceTime:
            return (GetField(b, s.shift, s.width) + 1) % 16;
        case E::StunType:
            return GetField(b, s.shift, s.width) == 1 ? 0 : 1;
        default:
            throw std::logic_error("not a list setting: " + std::string(s.component));
    }
}

bool Offers(const TALL& state, const Setting& s, int tableItem) {
    return !(s.encoding == E::KeyList && state.KeyLayout == kKeyLayoutWithoutLight &&
             s.items[static_cast<std::size_t>(tableItem)] == kLight);
}

// The offered item of a table item; -1 when it is not offered.
int OfferedIndex(const TALL& state, const Setting& s, int tableItem) {
    if (!Offers(state, s, tableItem)) return -1;
    int index = 0;
    for (int i = 0; i < tableItem; ++i) index += Offers(state, s, i) ? 1 : 0;
    return index;
}

SettingWrite Refuse(SettingRefusal refusal) { return {refusal, {}, false}; }

}  // namespace

std::vector<std::string> OfferedItems(const TALL& state, const Setting& setting) {
    std::vector<std::string> items;
    for (int i = 0; i < ItemCount(setting); ++i)
        if (Offers(state, setting, i)) items.push_back(setting.items[static_cast<std::size_t>(i)]);
    return items;
}

int ReadItem(const TALL& state, const Setting& setting) {
    const int item = StoredItem(state, setting);
    if (item < 0) return -1;
    const int offered = OfferedIndex(state, setting, item);
    return offered < 0 ? 0 : offered;
}

void WriteItem(TALL& state, const Setting& setting, int item) {
    const std::vector<std::string> offered = OfferedItems(state, setting);
    if (item < 0 || item >= static_cast<int>(offered.size()))
        throw std::out_of_range("no item " + std::to_string(item) + " in " + std::string(setting.component));
    std::uint8_t& b = ByteOf(state, setting);
    switch (setting.encoding) {
        case E::ItemIndex:
            b = static_cast<std::uint8_t>(item);
            break;
        case E::KeyList:  // the first entry of the full list with the offered text
            b = static_cast<std::uint8_t>(FindItem(setting.items, offered[static_cast<std::size_t>(item)]));
            break;
        case E::BitField:
            SetField(b, setting.shift, setting.width, item);
            break;
        case E::VoxLevel:
            if (item == 0)
                SetBit(b, 0, true);
            else
                b = static_cast<std::uint8_t>((item - 1) * 2);
            break;
        case E::Voice:
            if (item == 0)
                SetBit(b, setting.shift, false);
            else
                SetField(b, setting.shift, setting.width, item == 1 ? 1 : 3);
            break;
        case E::StarHashTone:
            SetField(b, setting.shift, setting.width, item == 0 ? 3 : item - 1);
            break;
        case E::CodeSpaceTime:
            SetField(b, setting.shift, setting.width, item == 0 ? 15 : item - 1);
            break;
        case E::StunType:
            SetField(b, setting.shift, setting.width, item == 0 ? 1 : 0);
            break;
        default:
            throw std::logic_error("not a list setting: " + std::string(setting.component));
    }
}

std::string ReadText(const TALL& state, const Setting& setting) {
    const ImageBytes& im = state.Image;
    switch (setting.encoding) {
        case E::IdCode:
            return DecodeDigits(im, setting.byte, 9, setting.maxDigits);
        case E::DigitCode:
        case E::Autodial: {
            // A count past the field (never after SanitizeImage) reads no further than the field's own
            // digits.
            const int count = im[static_cast<std::size_t>(setting.lengthByte)];
            return DecodeDigits(im, setting.byte, 15, std::min(count, setting.maxDigits));
        }
        case E::FmBound: {
            const int kHz = ReadBound16(im.data(), SettingField(setting.field)) * 25;
            const std::string frac = std::to_string(1000 + kHz % 1000).substr(1);
            return std::to_string(kHz / 1000) + "." + frac;
        }
        default:
            throw std::logic_error("not a text setting: " + std::string(setting.component));
    }
}

SettingWrite WriteCode(TALL& state, const Setting& setting, std::string_view text) {
    if (!IsCode(setting)) return Refuse(SettingRefusal::ReadOnly);
    const std::string_view accepted = CodeCharacters(setting);
    std::string code;
    for (char c : text) {
        const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (accepted.find(upper) == std::string_view::npos) return Refuse(SettingRefusal::BadCharacter);
        code += upper;
    }
    SettingWrite result;
    const auto max = static_cast<std::size_t>(setting.maxDigits);
    if (code.size() > max) {
        if (setting.encoding != E::Autodial) return Refuse(SettingRefusal::TooLong);
        code.resize(max);
        result.cut = true;
    }
    if (setting.encoding == E::IdCode) {
        const std::string digits = IdCodeDigits(code, max);
        EncodeDigits(state.Image, setting.byte, digits);
        result.shown = DecodeDigits(state.Image, setting.byte, 9, setting.maxDigits);
        return result;
    }
    EncodeDigits(state.Image, setting.byte, code);
    state.Image[static_cast<std::size_t>(setting.lengthByte)] = static_cast<std::uint8_t>(code.size());
    result.shown = code;
    return result;
}

std::string_view CodeCharacters(const Setting& setting) {
    return setting.encoding == E::IdCode ? kDigitChars.substr(0, 10) : kDigitChars;
}

std::string CompletedIdCode(std::string_view digits) {
    std::string text(digits);
    if (text.size() < kIdMinDigits) text += std::string(kIdMinDigits - text.size(), '0');
    return text;
}

void RepairIdCode(TALL& state) {
    const Setting& id = *FindSettingByKey("id-code");
    if (ReadText(state, id).size() < kIdMinDigits) WriteCode(state, id, "");
}

std::optional<std::string> ReadSetting(const TALL& state, std::string_view key) {
    const Setting* s = FindSettingByKey(key);
    if (!s) return std::nullopt;
    if (IsCode(*s)) return ReadText(state, *s);
    const int item = ReadItem(state, *s);
    return item < 0 ? std::string() : OfferedItems(state, *s)[static_cast<std::size_t>(item)];
}

SettingWrite WriteSetting(TALL& state, std::string_view key, std::string_view value) {
    const Setting* s = FindSettingByKey(key);
    if (!s) return Refuse(SettingRefusal::UnknownKey);
    if (IsCode(*s)) return WriteCode(state, *s, value);
    const std::vector<std::string> offered = OfferedItems(state, *s);
    const int item = FindItem(offered, value);
    if (item < 0) return Refuse(SettingRefusal::NotAnItem);
    WriteItem(state, *s, item);
    return {SettingRefusal::None, offered[static_cast<std::size_t>(item)], false};
}

}  // namespace lm
