#include "core/memory_map.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "core/channel.h"

namespace lm {
namespace {

using Slot = std::array<std::uint8_t, kSlotBytes>;

TEST(MemoryMap, EverySlotBitIsOneFieldsOrUnused) {
    Slot covered{};
    const auto cover = [&covered](const MemoryField& f) {
        for (int i = f.offset; i < f.offset + f.bytes; ++i) {
            ASSERT_LT(i, kSlotBytes) << f.name;
            EXPECT_EQ(covered[static_cast<std::size_t>(i)] & FieldMask(f), 0)
                << f.name << " overlaps at " << i;
            covered[static_cast<std::size_t>(i)] |= FieldMask(f);
        }
    };
    for (const MemoryField& f : SlotFields()) cover(f);
    for (const MemoryField& f : SlotUnused()) cover(f);
    for (int i = 0; i < kSlotBytes; ++i)
        EXPECT_EQ(covered[static_cast<std::size_t>(i)], 0xFF) << "byte " << i;
}

TEST(MemoryMap, EveryItemFieldRoundTripsAndKeepsTheOtherBits) {
    for (const MemoryField& f : SlotFields()) {
        if (f.codec != FieldCodec::Bits) continue;
        for (const std::uint8_t background : {std::uint8_t{0x00}, std::uint8_t{0xFF}}) {
            for (int value = f.min; value <= f.max; ++value) {
                Slot slot;
                slot.fill(background);
                WriteBits(slot.data(), f, value);
                EXPECT_EQ(ReadBits(slot.data(), f), value) << f.name;
                const auto outside = static_cast<std::uint8_t>(~FieldMask(f));
                EXPECT_EQ(slot[static_cast<std::size_t>(f.offset)] & outside, background & outside) << f.name;
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
        Slot slot;
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

TEST(MemoryMap, EverySettingFallbackLiesInItsRange) {
    for (const MemoryField& f : SettingFields())
        EXPECT_TRUE(f.min <= f.fallback && f.fallback <= f.max) << f.name;
}

}  // namespace
}  // namespace lm
