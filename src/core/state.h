#pragma once
// Application state and the memory image of the radio.
#include <array>
#include <cstdint>
#include <string>

namespace lm {

// The image holds 1 + 528 bytes: Image[0] is always 0, radio byte at address a is Image[1 + a].
constexpr int kImageBytes = 528;
constexpr int kImageSize = kImageBytes + 1;
constexpr int kBlockBytes = 16;
constexpr int kBlockCount = 33;

using ImageBytes = std::array<std::uint8_t, kImageSize>;

// The settings that outlive a run (SysInfo.Ini) and where the program found its files.
struct Preferences {
    std::string LanguageName;  // internal name of the language of the windows ("" for the built-in English)
    int LanguageId = 0;        // its position in the language list; 0 is English
    std::string PortName;      // the serial port of the transfers
    std::string AppDir;        // the program's folder, ending with the separator
    std::string HelpName;      // the help file's base name
    int PicId = 0;
};

// What the transfers of one run share: the key of the handshake, the password of the last transfer and the
// language the radio's area is named in.
struct TransferSession {
    std::string SessionKeyText;  // 15 printable characters chosen once per run
    std::string LastPassword;    // the password the last read found or the last write gave the radio
    int LanguageId = 0;          // area names in Chinese when > 0, as the windows' language
};

// The radio being edited: its variant and band, the channel under the cursor and its memory image. The
// document (core/document.h) owns one for the windows; each radio job and command works on its own.
struct TALL {
    int CurrentChannel = 0;
    int ChannelCount = 0;
    std::string ModelTitle;
    std::string BandName;
    double ModelMaxMHz = 0;
    double ModelMinMHz = 0;
    double BandMaxMHz = 0;
    double BandMinMHz = 0;
    std::string ModelCode;
    int KeyLayout = 0;
    std::string AreaText;  // the area of the radio the image was read from or written to, in words
    std::string AreaCode;  // and as its code; both empty for an image from a file or made new
    bool Modified = false;
    ImageBytes Image{};
};

// Fills the image for a new, empty radio of the state's current model and band.
void NewImage(TALL& state);
// Like NewImage, with the time stamp text given ("yyyy-MM-dd HH:mm:ss"); NewImage uses local time.
void NewImageAt(TALL& state, const std::string& stampText);
// Writes Image[433..440] from the state's ModelCode and BandName.
void WriteIdent(TALL& state);
// Forces every settings byte of the image into its valid range and writes the band code of the state's band
// into Image[438].
void SanitizeImage(TALL& state);

std::uint8_t RangeOrDefault(std::uint8_t value, std::uint8_t lo, std::uint8_t hi, std::uint8_t fallback);

// Packs "yyyy-MM-dd HH:mm:ss" into 7 bytes at image[destination]; a text not in that form writes nothing.
void PackTimestamp(ImageBytes& image, const std::string& text, int destination);
// Unpacks a 16-byte time stamp block starting at image[first]; "" when all 16 bytes are 0xFF.
std::string UnpackTimestamp(const ImageBytes& image, int first);
std::string UnpackTimestamp(const std::uint8_t* block16);

// Fills the session's key with 15 printable characters chosen once per run; later calls give the same text.
void FillSessionKeyText(TransferSession& session);

// The current local date and time as "yyyy-MM-dd HH:mm:ss".
std::string LocalTimestampText();

long HexToInt(const std::string& text);
std::uint8_t HexByte(const std::string& text);

}  // namespace lm
