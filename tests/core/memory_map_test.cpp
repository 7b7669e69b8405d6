#include "core/memory_map.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "core/channel.h"

namespace lm {
namespace {

// Every byte and bit of the image belongs to exactly one field, or is marked unused.
TEST(MemoryMap, EveryImageBitIsOneFieldsOrUnused) {
    std::array<std::uint8_t, kImageSize> covered{};
    const auto cover = [&covered](const MemoryField& f, int base) {
        for (int i = base + f.offset; i < base + f.offset + f.bytes; ++i) {
            ASSERT_TRUE(i >= 1 && i < kImageSize) << f.name;
            const auto k = static_cast<std::size_t>(i);
            EXPECT_EQ(covered[k] & FieldMask(f), 0) << f.name << " overlaps at Image[" << i << "]";
            covered[k] |= FieldMask(f);
        }
    };
    for (int n = 1; n <= kMaxSlots; ++n) {
        for (const MemoryField& f : SlotFields()) cover(f, SlotFirst(n));
        for (const MemoryField& f : SlotUnused()) cover(f, SlotFirst(n));
    }
    for (const auto list : {SettingFields(), InfoFields(), ImageUnused()})
        for (const MemoryField& f : list) cover(f, 0);
    for (int i = 1; i < kImageSize; ++i)
        EXPECT_EQ(covered[static_cast<std::size_t>(i)], 0xFF) << "Image[" << i << "]";
}

// A bit field reads back every value of its range and keeps the other bits of its byte; a 16-bit field its
// bounds and fallback, which lies in its range.
TEST(MemoryMap, EveryItemFieldRoundTripsAndKeepsTheOtherBits) {
    std::vector<MemoryField> fields(SlotFields().begin(), SlotFields().end());
    fields.insert(fields.end(), SettingFields().begin(), SettingFields().end());
    for (const MemoryField& f : fields) {
        EXPECT_TRUE(f.min <= f.fallback && f.fallback <= f.max) << f.name;
        for (const std::uint8_t background : {std::uint8_t{0x00}, std::uint8_t{0xFF}}) {
            ImageBytes image;
            image.fill(background);
            if (f.codec == FieldCodec::Bound16) {
                for (const int value : {f.min, f.fallback, f.max}) {
                    WriteBound16(image.data(), f, value);
                    EXPECT_EQ(ReadBound16(image.data(), f), value) << f.name;
                }
            }
            for (int value = f.min; f.codec == FieldCodec::Bits && value <= f.max; ++value) {
                WriteBits(image.data(), f, value);
                EXPECT_EQ(ReadBits(image.data(), f), value) << f.name;
                const auto outside = static_cast<std::uint8_t>(~FieldMask(f));
                EXPECT_EQ(image[static_cast<std::size_t>(f.offset)] & outside, background & outside)
                    << f.name;
            }
        }
    }
}

TEST(MemoryMap, EveryCodedFieldRoundTripsThroughTheDecoder) {
    struct Case {
        TChannelField field;
        std::string text;
    };
    const Case cases[] = {
        {cfRxFreq, "446.00625"}, {cfTxFreq, "145.51250"}, {cfRxTone, "D023N"}, {cfTxTone, "67.0"}};
    for (const Case& c : cases) {
        std::array<std::uint8_t, kSlotBytes> slot;
        slot.fill(0xFF);
        WriteBytes(slot.data(), SlotField(cfRxFreq), FreqTextToBcd("100.00000").data());
        const MemoryField& f = SlotField(c.field);
        if (f.codec == FieldCodec::BcdFreq)
            WriteBytes(slot.data(), f, FreqTextToBcd(c.text).data());
        else
            WriteBytes(slot.data(), f, ToneTextToCode(c.text).data());
        TChannel ch;
        ASSERT_TRUE(DecodeChannel(slot.data(), ch));
        const std::string decoded[] = {FormatFreq(ch.RxFreq), FormatFreq(ch.TxFreq), ch.RxTone, ch.TxTone};
        EXPECT_EQ(decoded[c.field], c.text) << f.name;
    }
}

}  // namespace
}  // namespace lm
