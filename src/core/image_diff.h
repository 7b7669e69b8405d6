#pragma once
// What differs between two images, in words: the channels column by column as the channel grid shows them,
// the settings of the function windows by their labels, the fields of the radio information window, and every
// other changed byte (a byte no window shows, or bits of a shown byte that no control covers) by its address
// and values. Every byte in which the images differ is named by at least one line.
#include <string>
#include <vector>

#include "core/memory_map.h"
#include "core/shown_texts.h"
#include "core/state.h"

namespace lm {

enum class DiffSection { Channel, Setting, RadioInfo, Byte };

struct Difference {
    DiffSection section = DiffSection::Byte;
    std::string label;           // "Channel 3 RX Frequency", "Squelch level", "Serial Number", "Byte 0x01F3"
    std::string before;          // the text in the first image; "" is an empty field or an empty channel
    std::string after;           // the text in the second image
    std::vector<int> addresses;  // the radio addresses (image index - 1) of the bytes the line speaks of

    // "Channel 3 RX Frequency: 446.00625 → 446.01250"; an empty text shows as emptyText.
    std::string Text(const std::string& emptyText = kEmptyText) const;

    static inline const std::string kEmptyText = "(empty)";
};

// The differences from a to b, in image order; empty when the images show the same and hold the same bytes.
// Only the image bytes up to lastIndex (an Image index) are compared: a read from a radio brings fewer bytes
// than a data file holds. The labels and the texts of the items are in the language of lookup (the windows');
// by default English.
std::vector<Difference> DiffImages(const TALL& a, const TALL& b, int lastIndex = img::kLast,
                                   const TextLookup& lookup = NoTranslation);

// "0x01F3" for a radio address, "0x0F" for a byte value.
std::string AddressText(int address);
std::string ByteText(int value);

}  // namespace lm
