#include "core/image_diff.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string_view>

#include "core/channel.h"
#include "core/channel_table.h"
#include "core/memory_map.h"
#include "core/radio_info.h"
#include "core/settings_access.h"
#include "core/settings_table.h"
#include "core/shown_texts.h"

namespace lm {

namespace {

// Bits of one image byte: its Image index and the mask of the bits.
struct ByteBits {
    int index;
    std::uint8_t mask;
};
using Bits = std::vector<ByteBits>;

Bits WholeBytes(int first, int count) {
    Bits bits;
    for (int i = first; i < first + count; ++i) bits.push_back({i, 0xFF});
    return bits;
}

// A line with the Image index it is ordered by.
struct Line {
    int orderIndex;
    Difference difference;
};

// Collects the lines and the bits they speak of; a changed bit no line covers becomes a byte line.
class DiffBuilder {
public:
    DiffBuilder(const TALL& a, const TALL& b, int lastIndex) : a_(a), b_(b), lastIndex_(lastIndex) {}

    void Add(DiffSection section, std::string label, std::string before, std::string after,
             const Bits& bits) {
        if (before == after) return;
        Difference d{section, std::move(label), std::move(before), std::move(after), {}};
        int order = kImageSize;
        for (const ByteBits& bb : bits) {
            covered_[static_cast<std::size_t>(bb.index)] |= bb.mask;
            if (std::find(d.addresses.begin(), d.addresses.end(), bb.index - 1) == d.addresses.end())
                d.addresses.push_back(bb.index - 1);
            order = std::min(order, bb.index);
        }
        lines_.push_back({order, std::move(d)});
    }

    std::vector<Difference> Finish() {
        for (int i = 1; i <= std::min(lastIndex_, static_cast<int>(img::kLast)); ++i) {
            const auto k = static_cast<std::size_t>(i);
            const std::uint8_t changed = a_.Image[k] ^ b_.Image[k];
            if ((changed & static_cast<std::uint8_t>(~covered_[k])) == 0) continue;
            Difference d{DiffSection::Byte,
                         "Byte " + AddressText(i - 1),
                         ByteText(a_.Image[k]),
                         ByteText(b_.Image[k]),
                         {i - 1}};
            lines_.push_back({i, std::move(d)});
        }
        std::stable_sort(lines_.begin(), lines_.end(),
                         [](const Line& x, const Line& y) { return x.orderIndex < y.orderIndex; });
        std::vector<Difference> out;
        out.reserve(lines_.size());
        for (Line& line : lines_) out.push_back(std::move(line.difference));
        return out;
    }

private:
    const TALL& a_;
    const TALL& b_;
    int lastIndex_;
    std::array<std::uint8_t, kImageSize> covered_{};
    std::vector<Line> lines_;
};

// The bits of channel slot n that a grid column shows.
Bits ColumnBits(int n, int field) {
    if (field < cfRxFreq || field > cfEpilogue) return {};
    const MemoryField& f = SlotField(field);
    Bits bits;
    for (int i = 0; i < f.bytes; ++i) bits.push_back({SlotFirst(n) + f.offset + i, FieldMask(f)});
    return bits;
}

void DiffChannels(DiffBuilder& builder, const TALL& a, const TALL& b, const TextLookup& lookup) {
    const std::vector<ChannelColumn>& columns = ChannelColumns();
    for (int n = 1; n <= kMaxSlots; ++n) {
        const std::vector<std::string> cellsA = ShownChannelCells(a, n, lookup);
        const std::vector<std::string> cellsB = ShownChannelCells(b, n, lookup);
        const std::string channel = ShownChannelName(n, lookup) + " ";
        for (std::size_t c = 1; c < columns.size(); ++c) {
            builder.Add(DiffSection::Channel,
                        channel + TitleLine(ShownColumnTitle(static_cast<int>(c), lookup)), cellsA[c],
                        cellsB[c], ColumnBits(n, columns[c].field));
        }
    }
}

// The bits of the image that a setting's control shows: its field, and a code's digit count.
Bits SettingBits(const Setting& s) {
    if (s.field.empty()) return {};
    const MemoryField& f = SettingField(s.field);
    Bits bits;
    for (int i = 0; i < f.bytes; ++i) bits.push_back({f.offset + i, FieldMask(f)});
    if (s.lengthByte > 0) bits.push_back({s.lengthByte, 0xFF});
    return bits;
}

void DiffSettings(DiffBuilder& builder, const TALL& a, const TALL& b, const TextLookup& lookup) {
    // A label that still names several controls is told apart by the setting's key.
    std::map<std::string, int> uses;
    for (const Setting& s : SettingsTable())
        if (IsShownSetting(s)) ++uses[ShownSettingLabel(s, lookup)];
    for (const Setting& s : SettingsTable()) {
        if (!IsShownSetting(s)) continue;
        std::string label = ShownSettingLabel(s, lookup);
        if (uses[label] > 1) label += " (" + std::string(s.key) + ")";
        builder.Add(DiffSection::Setting, label, ShownSettingValue(a, s, lookup),
                    ShownSettingValue(b, s, lookup), SettingBits(s));
    }
}

// The bytes a field of the radio information window is shown from.
Bits InfoBits(const RadioInfoField& field) {
    const MemoryField& first = InfoField(field.memoryField);
    const MemoryField& last = field.memoryLast ? InfoField(field.memoryLast) : first;
    return WholeBytes(first.offset, last.offset + last.bytes - first.offset);
}

void DiffRadioInfo(DiffBuilder& builder, const TALL& a, const TALL& b, const TextLookup& lookup) {
    for (const RadioInfoField& f : RadioInfoFields())
        builder.Add(DiffSection::RadioInfo, ShownInfoLabel(f, lookup), f.value(a), f.value(b), InfoBits(f));
}

}  // namespace

std::string Difference::Text(const std::string& emptyText) const {
    return label + ": " + (before.empty() ? emptyText : before) + " \u2192 " +
           (after.empty() ? emptyText : after);
}

std::string AddressText(int address) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%04X", static_cast<unsigned>(address) & 0xFFFFu);
    return text;
}

std::string ByteText(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", static_cast<unsigned>(value) & 0xFFu);
    return text;
}

std::vector<Difference> DiffImages(const TALL& a, const TALL& b, int lastIndex, const TextLookup& lookup) {
    DiffBuilder builder(a, b, lastIndex);
    DiffChannels(builder, a, b, lookup);
    DiffSettings(builder, a, b, lookup);
    DiffRadioInfo(builder, a, b, lookup);
    return builder.Finish();
}

}  // namespace lm
